// The platform services where there is no Windows: texts, registry values and message
// boxes have in-process stand-ins, files go through std::filesystem.
#if !defined(_WIN32)

#include <cstdio>

#include "foundation/kvfsys.h"
#include "foundation/kvmsgbox.h"
#include "foundation/kvreg.h"
#include "foundation/kvstrtab.h"

namespace {

// No boxes here: the text goes to stderr and the default button answers.
class KvStderrPresenter : public KvMessagePresenter {
public:
    int Show(const KvMessageBoxRequest& request) override
    {
        std::fprintf(stderr, "%s: %s\n", request.caption != nullptr ? request.caption : "",
                     request.text != nullptr ? request.text : "");
        return KvDefaultButtonOf(request.style);
    }
};

}  // namespace

KvStringTable& KvPlatformStringTable()
{
    static KvMemoryStringTable table;
    return table;
}

KvRegistry& KvPlatformRegistry()
{
    static KvMemoryRegistry registry;
    return registry;
}

KvFileSystem& KvPlatformFileSystem()
{
    static KvPortableFileSystem fileSystem;
    return fileSystem;
}

KvMessagePresenter& KvPlatformMessagePresenter()
{
    static KvStderrPresenter presenter;
    return presenter;
}

#endif  // !_WIN32
