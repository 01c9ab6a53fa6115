#include <windows.h>

#include "foundation/kvstrtab.h"
#include "shell/messages/uimsgbox.h"

// A given module is read directly; otherwise the designer's string source, which is the
// program's own string table (the module of every window the designer shows).
int UILoadBoxString(HINSTANCE module, UINT stringId, char* buf, int size) {
    if (module) {
        buf[0] = '\0';
        return LoadStringA(module, stringId, buf, size);
    }
    return KvGetStringTable().Load(stringId, buf, size);
}
