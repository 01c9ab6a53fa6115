#include "shell/serverlists/namelist.h"

#include <string>

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsrecmem.h"

namespace {

bool HasNonBlank(const std::string& token)
{
    return token.find_first_not_of(' ') != std::string::npos;
}

void AppendName(const std::string& name, KvObArray& target)
{
    auto* record = new KvSoftRecMem(DEF_USER_APP);
    KvFieldValue(F_UA_NAME, record) = CString(name.c_str());
    record->Commit();
    target.Add(record);
}

}  // namespace

int SplitNameList(const char* text, KvObArray& target)
{
    int count = 0;
    std::string token;
    bool justClosed = false;
    for (const char* p = text != nullptr ? text : ""; *p != '\0'; ++p) {
        if (*p == '"') {
            if (HasNonBlank(token)) {
                AppendName(token, target);
                ++count;
            }
            token.clear();
            justClosed = true;
        } else {
            token += *p;
            justClosed = false;
        }
    }
    if (!justClosed && HasNonBlank(token)) {
        AppendName(token, target);
        ++count;
    }
    return count;
}
