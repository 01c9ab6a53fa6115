// CString: the system's text type. Eight-bit characters in the ANSI code page, value
// semantics, one reference-counted character buffer shared between copies and copied
// only before a write.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>

#include "foundation/kvwintypes.h"

// Header of a character buffer; the characters follow it in the same heap block.
struct CStringData {
    std::int32_t nRefs;         // sharing strings; -1: locked, or the shared empty buffer
    std::int32_t nDataLength;   // characters in use, without the terminator
    std::int32_t nAllocLength;  // capacity, without the terminator slot

    char* data() { return reinterpret_cast<char*>(this + 1); }
    const char* data() const { return reinterpret_cast<const char*>(this + 1); }
};
static_assert(sizeof(CStringData) == 12, "buffer header is three 32-bit integers");

// Windows headers rename LoadString and FormatMessage to their ...A forms. The class
// offers both spellings so that units with and without those headers meet the same
// members.
#pragma push_macro("LoadString")
#pragma push_macro("FormatMessage")
#undef LoadString
#undef FormatMessage

class CString {
public:
    CString();
    CString(const CString& stringSrc);
    CString(const char* lpsz);  // a value below 0x10000 is a string-table id
    CString(const char* lpch, int nLength);
    CString(char ch, int nRepeat);
    CString(const wchar_t* lpsz);
    ~CString();

    CString& operator=(const CString& stringSrc);
    CString& operator=(const char* lpsz);
    CString& operator=(char ch);
    CString& operator=(const wchar_t* lpsz);

    CString& operator+=(const CString& string);
    CString& operator+=(const char* lpsz);
    CString& operator+=(char ch);

    friend CString operator+(const CString& string1, const CString& string2);
    friend CString operator+(const CString& string, const char* lpsz);
    friend CString operator+(const char* lpsz, const CString& string);
    friend CString operator+(const CString& string, char ch);
    friend CString operator+(char ch, const CString& string);

    int GetLength() const { return GetData()->nDataLength; }
    bool IsEmpty() const { return GetData()->nDataLength == 0; }
    int GetAllocLength() const { return GetData()->nAllocLength; }
    operator const char*() const { return m_pchData; }

    // Buffer access.
    char* GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);
    char* GetBufferSetLength(int nNewLength);
    void FreeExtra();
    char* LockBuffer();
    void UnlockBuffer();
    void Empty();
    void SetAt(int nIndex, char ch);

    // Search: zero-based index or -1.
    int Find(char ch) const;
    int ReverseFind(char ch) const;
    int Find(const char* lpszSub) const;
    int FindOneOf(const char* lpszCharSet) const;

    // Sub-strings.
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(const char* lpszCharSet) const;
    CString SpanExcluding(const char* lpszCharSet) const;

    // In-place changes.
    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    void AnsiToOem();
    void OemToAnsi();
    void TrimRight();
    void TrimLeft();

    // Formatting and the string table.
    void Format(const char* lpszFormat, ...);
    void Format(UINT nFormatID, ...);
    void FormatV(const char* lpszFormat, va_list argList);
    void FormatMessage(const char* lpszFormat, ...);
    void FormatMessage(UINT nFormatID, ...);
    void FormatMessageV(const char* lpszFormat, va_list argList);
    int LoadString(UINT nID);

    // The same members under the names that Windows headers give them.
    int LoadStringA(UINT nID) { return LoadString(nID); }
    void FormatMessageA(const char* lpszFormat, ...);
    void FormatMessageA(UINT nFormatID, ...);

    // The buffer header, for inspection.
    const CStringData* GetData() const { return reinterpret_cast<const CStringData*>(m_pchData) - 1; }
    // The one shared empty buffer.
    static const CStringData* EmptyData();

private:
    CStringData* Data() { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
    bool IsNil() const { return GetData() == EmptyData(); }

    void Init();
    void AllocBuffer(int nLen);
    void Release();
    static void Release(CStringData* pData);
    void CopyBeforeWrite();
    void AllocBeforeWrite(int nLen);
    void AssignCopy(int nSrcLen, const char* lpszSrcData);
    void ConcatCopy(int nSrc1Len, const char* lpszSrc1Data, int nSrc2Len, const char* lpszSrc2Data);
    void ConcatInPlace(int nSrcLen, const char* lpszSrcData);
    void AllocCopy(CString& dest, int nCopyLen, int nCopyIndex) const;
    void FormatMessageIdV(UINT nFormatID, va_list argList);

    char* m_pchData;
};

#pragma pop_macro("FormatMessage")
#pragma pop_macro("LoadString")

// Comparisons of the zero-terminated texts (KvCompareText order).
bool operator==(const CString& s1, const CString& s2);
bool operator==(const CString& s1, const char* s2);
bool operator==(const char* s1, const CString& s2);
bool operator!=(const CString& s1, const CString& s2);
bool operator!=(const CString& s1, const char* s2);
bool operator!=(const char* s1, const CString& s2);
bool operator<(const CString& s1, const CString& s2);
bool operator<(const CString& s1, const char* s2);
bool operator<(const char* s1, const CString& s2);
bool operator>(const CString& s1, const CString& s2);
bool operator>(const CString& s1, const char* s2);
bool operator>(const char* s1, const CString& s2);
bool operator<=(const CString& s1, const CString& s2);
bool operator<=(const CString& s1, const char* s2);
bool operator<=(const char* s1, const CString& s2);
bool operator>=(const CString& s1, const CString& s2);
bool operator>=(const CString& s1, const char* s2);
bool operator>=(const char* s1, const CString& s2);

// Loads text nID of the current string table into lpszBuf (at most nMaxBuf - 1
// characters and a terminator); returns the length, 0 with an empty text when missing.
int LoadStringResource(UINT nID, char* lpszBuf, UINT nMaxBuf);

// Field iSubString (from 0) of a chSep-separated text into rString; 1 when present.
int ExtractSubString(CString& rString, const char* lpszFullString, int iSubString, char chSep);

// h = h * 33 + character (as signed 8-bit), modulo 2^32.
std::uint32_t HashKey(const char* key);

// Containers of strings: raw storage to n empty strings, destruction, pairwise copy.
void ConstructElements(CString* pElements, int nCount);
void DestructElements(CString* pElements, int nCount);
void CopyElements(CString* pDest, const CString* pSrc, int nCount);

// Wide/ANSI conversions with the ANSI code page (see kvcodepage.h).
int WideToAnsi(char* mbstr, const wchar_t* wcstr, std::size_t count);
int AnsiToWide(wchar_t* wcstr, const char* mbstr, std::size_t count);
wchar_t* AnsiToWideBuffer(wchar_t* lpw, const char* lpa, int nChars);
char* WideToAnsiBuffer(char* lpa, const wchar_t* lpw, int nChars);
