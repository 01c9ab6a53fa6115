// File > Properties: the application's server attributes in the record's property sheet,
// then sent to the server.
#include <cstring>

#include "framework/definitions/defs_ids.h"
#include "kvlink.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/serverlists/kvlinkcalls.h"

namespace {

// Characters a file name cannot hold; the name is the program file's name.
constexpr const char kFileNameForbidden[] = "\\/:*?\"<>|";

}  // namespace

bool KvIsFileNameText(const char* name)
{
    return name == nullptr || std::strpbrk(name, kFileNameForbidden) == nullptr;
}

int KvUserApp::EditProperties(int showSheet)
{
    SetInt(F_UA_COMPLETE, IsComplete());
    if (showSheet == 1 && Edit() != 1)
        return -1;
    if (!KvIsFileNameText(GetText(F_UA_NAME))) {
        KvDocWarning(8121, nullptr, __FILE__, __LINE__);
        return 1;
    }
    KvAppInfo info{};
    FillInfoRecord(info);
    KvLinkCalls* link = KvGetLinkCalls();
    const int result = link != nullptr ? link->FileProperties(&info) : 60;
    if (result != 0) {
        KvDocWarning(KvServerFaultMessage(result, 8036), nullptr, __FILE__, __LINE__);
        return 1;
    }
    Commit();
    return 0;
}
