#include "session.h"

#include <ctime>
#include <memory>

#include "admin_client.h"
#include "app_state.h"
#include "directory_client.h"
#include "foundation/kvreg.h"

namespace zlink {
namespace {
std::function<std::int64_t()>& Clock() {
    static std::function<std::int64_t()> clock;
    return clock;
}
std::unique_ptr<DirectoryClient>& DirectorySlot() {
    static std::unique_ptr<DirectoryClient> slot;
    return slot;
}
std::unique_ptr<AdminClient>& AdminSlot() {
    static std::unique_ptr<AdminClient> slot;
    return slot;
}
}  // namespace

Session& TheSession() {
    static Session session;
    return session;
}

std::int64_t Now() {
    if (Clock()) return Clock()();
    return static_cast<std::int64_t>(std::time(nullptr));
}

void SetClock(std::function<std::int64_t()> clock) { Clock() = std::move(clock); }

DirectoryClient& Directory() {
    if (!DirectorySlot()) DirectorySlot() = std::make_unique<DirectoryClient>();
    return *DirectorySlot();
}

AdminClient& Admin() {
    if (!AdminSlot()) AdminSlot() = std::make_unique<AdminClient>();
    return *AdminSlot();
}

void DestroySingletons() {
    KvStateBehaviour::Destroy();
    DirectorySlot().reset();
    AdminSlot().reset();
}

bool ProgramFolder(const char* key, std::string& folder) {
    folder.clear();
    return KvGetRegistry().ReadText(key, "ProgDir", folder);
}

bool BinFolder(std::string& folder) {
    folder.clear();
    return KvGetRegistry().ReadText("Software\\Tarvix\\Vantora\\Flowsmith", "BinDir", folder);
}

}  // namespace zlink
