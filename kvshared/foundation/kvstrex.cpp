// CString extras: sub-strings, trimming, formatting, and support for arrays of strings.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "foundation/kvassert.h"
#include "foundation/kvmsgfmt.h"
#include "foundation/kvstring.h"

namespace {

// Exactly the six ASCII white-space characters; 128-255 never count.
bool IsWhite(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

// ---- sub-strings ---------------------------------------------------------------------

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    const int nLength = GetLength();
    if (static_cast<std::int64_t>(nFirst) + nCount > nLength)
        nCount = nLength - nFirst;
    if (nFirst > nLength)
        nCount = 0;
    CString dest;
    AllocCopy(dest, nCount, nFirst);
    return dest;
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - (nFirst < 0 ? 0 : nFirst));
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount >= GetLength())
        return *this;
    CString dest;
    AllocCopy(dest, nCount, 0);
    return dest;
}

CString CString::Right(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount >= GetLength())
        return *this;
    CString dest;
    AllocCopy(dest, nCount, GetLength() - nCount);
    return dest;
}

CString CString::SpanIncluding(const char* lpszCharSet) const
{
    return Left(lpszCharSet == nullptr ? 0 : static_cast<int>(std::strspn(m_pchData, lpszCharSet)));
}

CString CString::SpanExcluding(const char* lpszCharSet) const
{
    return Left(static_cast<int>(std::strcspn(m_pchData, lpszCharSet == nullptr ? "" : lpszCharSet)));
}

// ---- trimming ------------------------------------------------------------------------

void CString::TrimRight()
{
    CopyBeforeWrite();
    const char* last = nullptr;  // start of the current run of white space
    const char* p = m_pchData;
    for (; *p != '\0'; ++p) {
        if (IsWhite(*p)) {
            if (last == nullptr)
                last = p;
        } else {
            last = nullptr;
        }
    }
    if (last != nullptr) {
        const int nNewLength = static_cast<int>(last - m_pchData);
        m_pchData[nNewLength] = '\0';
        Data()->nDataLength = nNewLength;
    }
}

void CString::TrimLeft()
{
    CopyBeforeWrite();
    const char* p = m_pchData;
    while (IsWhite(*p))
        ++p;
    if (p != m_pchData) {
        const int nDataLength = GetLength() - static_cast<int>(p - m_pchData);
        std::memmove(m_pchData, p, static_cast<std::size_t>(nDataLength) + 1);
        Data()->nDataLength = nDataLength;
    }
}

// ---- formatting ----------------------------------------------------------------------

void CString::Format(const char* lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    KV_ASSERT(strFormat.LoadStringA(nFormatID) != 0);
    va_list argList;
    va_start(argList, nFormatID);
    FormatV(strFormat, argList);
    va_end(argList);
}

// Measures the output first and formats into a buffer of exactly that size, so no
// argument can write past it. The text is built aside and then assigned, so arguments
// may point into this string's own buffer.
void CString::FormatV(const char* lpszFormat, va_list argList)
{
    if (!KV_ASSERT(lpszFormat != 0)) {
        Empty();
        return;
    }
    va_list argMeasure;
    va_copy(argMeasure, argList);
    const int nLength = std::vsnprintf(nullptr, 0, lpszFormat, argMeasure);
    va_end(argMeasure);
    if (!KV_ASSERT(nLength >= 0) || nLength == 0) {
        Empty();
        return;
    }
    CString result;
    char* buffer = result.GetBuffer(nLength);
    va_list argWrite;
    va_copy(argWrite, argList);
    const int nWritten = std::vsnprintf(buffer, static_cast<std::size_t>(nLength) + 1, lpszFormat, argWrite);
    va_end(argWrite);
    result.ReleaseBuffer(KV_ASSERT(nWritten == nLength) ? nLength : -1);
    *this = result;
}

void CString::FormatMessageV(const char* lpszFormat, va_list argList)
{
    std::string text;
    if (lpszFormat == nullptr || !KvFormatMessageText(lpszFormat, argList, text)) {
        Empty();
        return;
    }
    *this = text.c_str();
}

void CString::FormatMessageIdV(UINT nFormatID, va_list argList)
{
    CString strFormat;
    KV_ASSERT(strFormat.LoadStringA(nFormatID) != 0);
    FormatMessageV(strFormat, argList);
}

void CString::FormatMessage(const char* lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatMessageV(lpszFormat, argList);
    va_end(argList);
}

void CString::FormatMessage(UINT nFormatID, ...)
{
    va_list argList;
    va_start(argList, nFormatID);
    FormatMessageIdV(nFormatID, argList);
    va_end(argList);
}

void CString::FormatMessageA(const char* lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatMessageV(lpszFormat, argList);
    va_end(argList);
}

void CString::FormatMessageA(UINT nFormatID, ...)
{
    va_list argList;
    va_start(argList, nFormatID);
    FormatMessageIdV(nFormatID, argList);
    va_end(argList);
}

// ---- arrays of strings and hashing ---------------------------------------------------

void ConstructElements(CString* pElements, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        new (pElements + i) CString;
}

void DestructElements(CString* pElements, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        pElements[i].~CString();
}

void CopyElements(CString* pDest, const CString* pSrc, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        pDest[i] = pSrc[i];
}

std::uint32_t HashKey(const char* key)
{
    std::uint32_t nHash = 0;
    for (; *key != '\0'; ++key)
        nHash = nHash * 33u + static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(*key)));
    return nHash;
}
