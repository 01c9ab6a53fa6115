#include "components.h"

namespace zlink {
namespace {

// Without a platform of its own (natively) the library can make no component.
class NoComponents : public LinkPlatform {
public:
    std::unique_ptr<DirectoryComponent> NewDirectory(HResult& hr) override { return Fail<DirectoryComponent>(hr); }
    std::unique_ptr<AdminConfigComponent> NewAdminConfig(HResult& hr) override { return Fail<AdminConfigComponent>(hr); }
    std::unique_ptr<FileTransferComponent> NewFileTransfer(HResult& hr) override {
        return Fail<FileTransferComponent>(hr);
    }

private:
    template <class T>
    static std::unique_ptr<T> Fail(HResult& hr) {
        hr = static_cast<HResult>(0x80040154u);  // class not registered
        return nullptr;
    }
};

LinkPlatform* g_platform = nullptr;

}  // namespace

#ifdef _WIN32
LinkPlatform& ComPlatform();
#endif

LinkPlatform& CurrentPlatform() {
    if (g_platform) return *g_platform;
#ifdef _WIN32
    return ComPlatform();
#else
    static NoComponents none;
    return none;
#endif
}

void SetPlatform(LinkPlatform* platform) { g_platform = platform; }

}  // namespace zlink
