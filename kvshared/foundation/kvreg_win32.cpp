// Registry values of the local machine.
#include "foundation/kvreg.h"

#include <windows.h>

namespace {

class KvWin32Registry : public KvRegistry {
public:
    bool ReadText(const char* keyPath, const char* valueName, std::string& value) const override
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return false;
        bool ok = false;
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
            (type == REG_SZ || type == REG_EXPAND_SZ)) {
            std::string data(size + 1, '\0');
            DWORD read = size;
            if (RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &read) ==
                ERROR_SUCCESS) {
                data.resize(read);
                // The stored text may or may not carry its terminator.
                const auto end = data.find('\0');
                if (end != std::string::npos)
                    data.resize(end);
                value = data;
                ok = true;
            }
        }
        RegCloseKey(key);
        return ok;
    }
};

}  // namespace

KvRegistry& KvPlatformRegistry()
{
    static KvWin32Registry registry;
    return registry;
}
