// String resources of the running executable.
#include "foundation/kvstrtab.h"

#include <windows.h>

namespace {

class KvModuleStringTable : public KvStringTable {
public:
    int Load(UINT nID, char* buf, int nMaxBuf) const override
    {
        if (buf == nullptr || nMaxBuf <= 0)
            return 0;
        buf[0] = '\0';
        const int n = LoadStringA(GetModuleHandleA(nullptr), nID, buf, nMaxBuf);
        if (n <= 0) {
            buf[0] = '\0';
            return 0;
        }
        return n;
    }
};

}  // namespace

KvStringTable& KvPlatformStringTable()
{
    static KvModuleStringTable table;
    return table;
}
