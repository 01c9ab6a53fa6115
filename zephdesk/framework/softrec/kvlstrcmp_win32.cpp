#include "framework/softrec/kvlstrcmp.h"

#include <windows.h>

int KvLstrcmp(const char* a, const char* b)
{
    return lstrcmpA(a ? a : "", b ? b : "");
}
