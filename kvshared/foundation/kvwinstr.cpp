// CString and the string table; extraction of a separated field.
#include <cstring>

#include "foundation/kvassert.h"
#include "foundation/kvstring.h"
#include "foundation/kvstrtab.h"

int LoadStringResource(UINT nID, char* lpszBuf, UINT nMaxBuf)
{
    if (lpszBuf == nullptr || nMaxBuf == 0)
        return 0;
    const int nMax = nMaxBuf > 0x7FFFFFFFu ? 0x7FFFFFFF : static_cast<int>(nMaxBuf);
    const int nLen = KvGetStringTable().Load(nID, lpszBuf, nMax);
    if (nLen <= 0) {
        lpszBuf[0] = '\0';
        return 0;
    }
    return nLen;
}

// A text that fills the buffer to its last two slots may have been cut, so the load is
// repeated with 256 more characters each time until it fits with room to spare.
int CString::LoadString(UINT nID)
{
    char szTemp[256];
    const int nLen = LoadStringResource(nID, szTemp, sizeof(szTemp));
    if (static_cast<int>(sizeof(szTemp)) - nLen > 2) {
        *this = szTemp;
        return nLen > 0;
    }
    int nSize = 256;
    int nLoaded = 0;
    do {
        nSize += 256;
        nLoaded = LoadStringResource(nID, GetBuffer(nSize - 1), static_cast<UINT>(nSize));
    } while (nSize - nLoaded <= 2);
    ReleaseBuffer();
    return GetLength() > 0;
}

int ExtractSubString(CString& rString, const char* lpszFullString, int iSubString, char chSep)
{
    if (lpszFullString == nullptr)
        return 0;
    if (chSep == '\0') {
        // A zero separator can only end the text: there is exactly one field.
        if (iSubString != 0) {
            rString.Empty();
            return 0;
        }
        rString = lpszFullString;
        return 1;
    }
    while (iSubString-- > 0) {
        lpszFullString = std::strchr(lpszFullString, chSep);
        if (lpszFullString == nullptr) {
            rString.Empty();
            return 0;
        }
        ++lpszFullString;  // past the separator
    }
    const char* lpchEnd = std::strchr(lpszFullString, chSep);
    const int nLen = lpchEnd == nullptr ? static_cast<int>(std::strlen(lpszFullString))
                                        : static_cast<int>(lpchEnd - lpszFullString);
    if (!KV_ASSERT(nLen >= 0))
        return 0;
    std::memcpy(rString.GetBufferSetLength(nLen), lpszFullString, static_cast<std::size_t>(nLen));
    return 1;
}
