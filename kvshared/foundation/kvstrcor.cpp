// CString core: buffer management, construction, assignment, concatenation, buffer
// access, search, case and conversions.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <new>
#include <string>

#include "foundation/kvassert.h"
#include "foundation/kvcodepage.h"
#include "foundation/kvcompare.h"
#include "foundation/kvstring.h"

namespace {

// The shared empty buffer: header {-1, 0, 0} and one zero character. It is read-only, so
// that no code path can ever change it.
struct EmptyBuffer {
    CStringData header;
    char zero;
};
constexpr EmptyBuffer kEmptyBuffer = {{-1, 0, 0}, '\0'};
static_assert(offsetof(EmptyBuffer, zero) == sizeof(CStringData));

constexpr std::int32_t kMaxLength = 2147483647 - 1;

std::int32_t AtomicIncrement(std::int32_t& value)
{
    return std::atomic_ref<std::int32_t>(value).fetch_add(1) + 1;
}

std::int32_t AtomicDecrement(std::int32_t& value)
{
    return std::atomic_ref<std::int32_t>(value).fetch_sub(1) - 1;
}

int SafeStrlen(const char* lpsz)
{
    return lpsz == nullptr ? 0 : static_cast<int>(std::strlen(lpsz));
}

bool IsResourceId(const char* lpsz)
{
    return lpsz != nullptr && (reinterpret_cast<std::uintptr_t>(lpsz) >> 16) == 0;
}

}  // namespace

const CStringData* CString::EmptyData()
{
    return &kEmptyBuffer.header;
}

void CString::Init()
{
    m_pchData = const_cast<char*>(kEmptyBuffer.header.data());
}

// A new buffer of exactly nLen characters (the empty buffer for 0).
void CString::AllocBuffer(int nLen)
{
    if (!KV_ASSERT(nLen >= 0) || !KV_ASSERT(nLen <= 2147483647L - 1))
        throw std::bad_alloc();
    if (nLen == 0) {
        Init();
        return;
    }
    void* block = ::operator new(sizeof(CStringData) + static_cast<std::size_t>(nLen) + 1);
    auto* pData = static_cast<CStringData*>(block);
    pData->nRefs = 1;
    pData->nDataLength = nLen;
    pData->nAllocLength = nLen;
    pData->data()[nLen] = '\0';
    m_pchData = pData->data();
}

void CString::Release(CStringData* pData)
{
    if (pData == EmptyData())
        return;
    KV_ASSERT(pData->nRefs != 0);
    if (AtomicDecrement(pData->nRefs) <= 0)
        ::operator delete(pData);
}

void CString::Release()
{
    if (!IsNil()) {
        KV_ASSERT(GetData()->nRefs != 0);
        Release(Data());
        Init();
    }
}

void CString::CopyBeforeWrite()
{
    if (GetData()->nRefs > 1) {
        // Copy first, then let go of the shared buffer.
        CStringData* pOldData = Data();
        AllocBuffer(pOldData->nDataLength);
        if (!IsNil())
            std::memcpy(m_pchData, pOldData->data(), static_cast<std::size_t>(pOldData->nDataLength) + 1);
        Release(pOldData);
    }
    KV_ASSERT(GetData()->nRefs <= 1);
}

void CString::AllocBeforeWrite(int nLen)
{
    if (GetData()->nRefs > 1 || nLen > GetData()->nAllocLength) {
        Release();
        AllocBuffer(nLen);
    }
    KV_ASSERT(GetData()->nRefs <= 1);
}

void CString::AssignCopy(int nSrcLen, const char* lpszSrcData)
{
    AllocBeforeWrite(nSrcLen);
    if (IsNil())
        return;  // nothing to write for an empty text
    if (nSrcLen > 0)
        std::memmove(m_pchData, lpszSrcData, static_cast<std::size_t>(nSrcLen));
    Data()->nDataLength = nSrcLen;
    m_pchData[nSrcLen] = '\0';
}

void CString::ConcatCopy(int nSrc1Len, const char* lpszSrc1Data, int nSrc2Len, const char* lpszSrc2Data)
{
    const std::int64_t total = static_cast<std::int64_t>(nSrc1Len) + nSrc2Len;
    if (total > kMaxLength)
        throw std::bad_alloc();
    const int nNewLen = static_cast<int>(total);
    if (nNewLen == 0)
        return;
    AllocBuffer(nNewLen);
    if (nSrc1Len > 0)
        std::memcpy(m_pchData, lpszSrc1Data, static_cast<std::size_t>(nSrc1Len));
    if (nSrc2Len > 0)
        std::memcpy(m_pchData + nSrc1Len, lpszSrc2Data, static_cast<std::size_t>(nSrc2Len));
}

void CString::ConcatInPlace(int nSrcLen, const char* lpszSrcData)
{
    if (nSrcLen == 0)
        return;
    CStringData* pData = Data();
    if (pData->nRefs <= 1 && !IsNil() && pData->nDataLength + static_cast<std::int64_t>(nSrcLen) <= pData->nAllocLength) {
        std::memcpy(m_pchData + pData->nDataLength, lpszSrcData, static_cast<std::size_t>(nSrcLen));
        pData->nDataLength += nSrcLen;
        KV_ASSERT(GetData()->nDataLength <= GetData()->nAllocLength);
        m_pchData[pData->nDataLength] = '\0';
        return;
    }
    // The old buffer stays alive until the new one holds both parts, so that a string may
    // be appended to itself.
    CStringData* pOldData = pData;
    KV_ASSERT(pOldData != 0);
    ConcatCopy(pOldData->nDataLength, pOldData->data(), nSrcLen, lpszSrcData);
    Release(pOldData);
    KV_ASSERT(m_pchData[GetData()->nDataLength] == '\0');
}

void CString::AllocCopy(CString& dest, int nCopyLen, int nCopyIndex) const
{
    if (nCopyLen == 0) {
        dest.Init();
        return;
    }
    dest.AllocBuffer(nCopyLen);
    std::memcpy(dest.m_pchData, m_pchData + nCopyIndex, static_cast<std::size_t>(nCopyLen));
}

// ---- construction --------------------------------------------------------------------

CString::CString()
{
    Init();
}

CString::CString(const CString& stringSrc)
{
    KV_ASSERT(stringSrc.GetData()->nRefs != 0);
    if (stringSrc.GetData()->nRefs >= 0) {
        m_pchData = stringSrc.m_pchData;
        AtomicIncrement(Data()->nRefs);
    } else {
        Init();
        *this = stringSrc.m_pchData;
    }
}

CString::CString(const char* lpsz)
{
    Init();
    if (IsResourceId(lpsz)) {
        LoadString(static_cast<UINT>(reinterpret_cast<std::uintptr_t>(lpsz)));
        return;
    }
    const int nLen = SafeStrlen(lpsz);
    if (nLen != 0) {
        AllocBuffer(nLen);
        std::memcpy(m_pchData, lpsz, static_cast<std::size_t>(nLen));
    }
}

CString::CString(const char* lpch, int nLength)
{
    Init();
    if (nLength > 0 && lpch != nullptr) {
        AllocBuffer(nLength);
        std::memcpy(m_pchData, lpch, static_cast<std::size_t>(nLength));
    }
}

CString::CString(char ch, int nRepeat)
{
    Init();
    if (nRepeat > 0) {
        AllocBuffer(nRepeat);
        std::memset(m_pchData, ch, static_cast<std::size_t>(nRepeat));
    }
}

CString::CString(const wchar_t* lpsz)
{
    Init();
    *this = lpsz;
}

CString::~CString()
{
    Release();
}

// ---- assignment ----------------------------------------------------------------------

CString& CString::operator=(const CString& stringSrc)
{
    if (m_pchData == stringSrc.m_pchData)
        return *this;
    if ((GetData()->nRefs < 0 && !IsNil()) || stringSrc.GetData()->nRefs < 0) {
        // A locked target keeps its buffer; a locked or empty source is never shared.
        AssignCopy(stringSrc.GetData()->nDataLength, stringSrc.m_pchData);
    } else {
        KV_ASSERT(stringSrc.GetData() != EmptyData());
        Release();
        m_pchData = stringSrc.m_pchData;
        AtomicIncrement(Data()->nRefs);
    }
    return *this;
}

CString& CString::operator=(const char* lpsz)
{
    AssignCopy(SafeStrlen(lpsz), lpsz);
    return *this;
}

CString& CString::operator=(char ch)
{
    AssignCopy(1, &ch);
    return *this;
}

CString& CString::operator=(const wchar_t* lpsz)
{
    if (lpsz == nullptr || *lpsz == 0) {
        AssignCopy(0, nullptr);
        return *this;
    }
    // Room for two bytes per wide character, as a double-byte code page may need; the
    // length is that of the converted text.
    const std::string converted = KvWideToAnsiString(lpsz);
    const int nConverted = static_cast<int>(converted.size());
    const std::size_t nWide = std::wcslen(lpsz);
    const int nCapacity = nWide > static_cast<std::size_t>(kMaxLength / 2)
                              ? nConverted
                              : std::max(2 * static_cast<int>(nWide), nConverted);
    AllocBeforeWrite(nCapacity);
    std::memcpy(m_pchData, converted.data(), converted.size());
    Data()->nDataLength = nConverted;
    m_pchData[nConverted] = '\0';
    return *this;
}

// ---- concatenation -------------------------------------------------------------------

CString& CString::operator+=(const CString& string)
{
    ConcatInPlace(string.GetData()->nDataLength, string.m_pchData);
    return *this;
}

CString& CString::operator+=(const char* lpsz)
{
    ConcatInPlace(SafeStrlen(lpsz), lpsz);
    return *this;
}

CString& CString::operator+=(char ch)
{
    ConcatInPlace(1, &ch);
    return *this;
}

CString operator+(const CString& string1, const CString& string2)
{
    CString s;
    s.ConcatCopy(string1.GetLength(), string1.m_pchData, string2.GetLength(), string2.m_pchData);
    return s;
}

CString operator+(const CString& string, const char* lpsz)
{
    CString s;
    s.ConcatCopy(string.GetLength(), string.m_pchData, SafeStrlen(lpsz), lpsz);
    return s;
}

CString operator+(const char* lpsz, const CString& string)
{
    CString s;
    s.ConcatCopy(SafeStrlen(lpsz), lpsz, string.GetLength(), string.m_pchData);
    return s;
}

CString operator+(const CString& string, char ch)
{
    CString s;
    s.ConcatCopy(string.GetLength(), string.m_pchData, 1, &ch);
    return s;
}

CString operator+(char ch, const CString& string)
{
    CString s;
    s.ConcatCopy(1, &ch, string.GetLength(), string.m_pchData);
    return s;
}

// ---- buffer access -------------------------------------------------------------------

char* CString::GetBuffer(int nMinBufLength)
{
    if (!KV_ASSERT(nMinBufLength >= 0))
        nMinBufLength = 0;
    if (GetData()->nRefs > 1 || nMinBufLength > GetData()->nAllocLength) {
        CStringData* pOldData = Data();
        const int nOldLen = pOldData->nDataLength;
        AllocBuffer(std::max(nMinBufLength, nOldLen));
        if (!IsNil()) {
            std::memcpy(m_pchData, pOldData->data(), static_cast<std::size_t>(nOldLen) + 1);
            Data()->nDataLength = nOldLen;
        }
        Release(pOldData);
    }
    KV_ASSERT(GetData()->nRefs <= 1);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    CopyBeforeWrite();
    if (IsNil())
        return;  // nothing can have been written into the empty buffer
    CStringData* pData = Data();
    if (nNewLength < 0) {
        // The text ends at its zero, which the caller must have written within the buffer.
        nNewLength = static_cast<int>(strnlen(m_pchData, static_cast<std::size_t>(pData->nAllocLength)));
    }
    if (!KV_ASSERT(nNewLength <= GetData()->nAllocLength))
        nNewLength = pData->nAllocLength;
    pData->nDataLength = nNewLength;
    m_pchData[nNewLength] = '\0';
}

char* CString::GetBufferSetLength(int nNewLength)
{
    if (!KV_ASSERT(nNewLength >= 0))
        nNewLength = 0;
    GetBuffer(nNewLength);
    if (!IsNil()) {
        Data()->nDataLength = nNewLength;
        m_pchData[nNewLength] = '\0';
    }
    return m_pchData;
}

void CString::FreeExtra()
{
    KV_ASSERT(GetData()->nDataLength <= GetData()->nAllocLength);
    if (GetData()->nDataLength < GetData()->nAllocLength) {
        CStringData* pOldData = Data();
        AllocBuffer(pOldData->nDataLength);
        std::memcpy(m_pchData, pOldData->data(), static_cast<std::size_t>(pOldData->nDataLength));
        KV_ASSERT(m_pchData[GetData()->nDataLength] == '\0');
        Release(pOldData);
    }
    KV_ASSERT(GetData() != 0);
}

char* CString::LockBuffer()
{
    char* lpsz = GetBuffer(0);
    if (!IsNil())
        Data()->nRefs = -1;
    return lpsz;
}

void CString::UnlockBuffer()
{
    if (!KV_ASSERT(GetData()->nRefs == -1))
        return;
    if (!IsNil())
        Data()->nRefs = 1;
}

void CString::Empty()
{
    if (GetData()->nRefs < 0 && !IsNil()) {
        // A locked string keeps its buffer.
        Data()->nDataLength = 0;
        m_pchData[0] = '\0';
    } else {
        Release();
    }
    KV_ASSERT(GetData()->nDataLength == 0);
    KV_ASSERT(GetData()->nRefs < 0 || GetData()->nAllocLength == 0);
}

void CString::SetAt(int nIndex, char ch)
{
    if (!KV_ASSERT(nIndex >= 0) || !KV_ASSERT(nIndex < GetData()->nDataLength))
        return;
    CopyBeforeWrite();
    m_pchData[nIndex] = ch;
}

// ---- search --------------------------------------------------------------------------

int CString::Find(char ch) const
{
    const char* p = std::strchr(m_pchData, ch);
    return p == nullptr ? -1 : static_cast<int>(p - m_pchData);
}

int CString::ReverseFind(char ch) const
{
    const char* p = std::strrchr(m_pchData, ch);
    return p == nullptr ? -1 : static_cast<int>(p - m_pchData);
}

int CString::Find(const char* lpszSub) const
{
    if (lpszSub == nullptr)
        return -1;
    const char* p = std::strstr(m_pchData, lpszSub);
    return p == nullptr ? -1 : static_cast<int>(p - m_pchData);
}

int CString::FindOneOf(const char* lpszCharSet) const
{
    if (lpszCharSet == nullptr)
        return -1;
    const char* p = std::strpbrk(m_pchData, lpszCharSet);
    return p == nullptr ? -1 : static_cast<int>(p - m_pchData);
}

// ---- case and code pages -------------------------------------------------------------

void CString::MakeUpper()
{
    CopyBeforeWrite();
    KvCharUpperBuff(m_pchData, GetLength());
}

void CString::MakeLower()
{
    CopyBeforeWrite();
    KvCharLowerBuff(m_pchData, GetLength());
}

void CString::MakeReverse()
{
    CopyBeforeWrite();
    std::reverse(m_pchData, m_pchData + GetLength());
}

void CString::AnsiToOem()
{
    CopyBeforeWrite();
    KvCharToOemBuff(m_pchData, GetLength());
}

void CString::OemToAnsi()
{
    CopyBeforeWrite();
    KvOemToCharBuff(m_pchData, GetLength());
}

// ---- comparison ----------------------------------------------------------------------

bool operator==(const CString& s1, const CString& s2) { return std::strcmp(s1, s2) == 0; }
bool operator==(const CString& s1, const char* s2) { return std::strcmp(s1, s2) == 0; }
bool operator==(const char* s1, const CString& s2) { return std::strcmp(s1, s2) == 0; }
bool operator!=(const CString& s1, const CString& s2) { return !(s1 == s2); }
bool operator!=(const CString& s1, const char* s2) { return !(s1 == s2); }
bool operator!=(const char* s1, const CString& s2) { return !(s1 == s2); }
bool operator<(const CString& s1, const CString& s2) { return KvCompareText(s1, s2) < 0; }
bool operator<(const CString& s1, const char* s2) { return KvCompareText(s1, s2) < 0; }
bool operator<(const char* s1, const CString& s2) { return KvCompareText(s1, s2) < 0; }
bool operator>(const CString& s1, const CString& s2) { return KvCompareText(s1, s2) > 0; }
bool operator>(const CString& s1, const char* s2) { return KvCompareText(s1, s2) > 0; }
bool operator>(const char* s1, const CString& s2) { return KvCompareText(s1, s2) > 0; }
bool operator<=(const CString& s1, const CString& s2) { return KvCompareText(s1, s2) <= 0; }
bool operator<=(const CString& s1, const char* s2) { return KvCompareText(s1, s2) <= 0; }
bool operator<=(const char* s1, const CString& s2) { return KvCompareText(s1, s2) <= 0; }
bool operator>=(const CString& s1, const CString& s2) { return KvCompareText(s1, s2) >= 0; }
bool operator>=(const CString& s1, const char* s2) { return KvCompareText(s1, s2) >= 0; }
bool operator>=(const char* s1, const CString& s2) { return KvCompareText(s1, s2) >= 0; }

// ---- wide conversions ----------------------------------------------------------------

int WideToAnsi(char* mbstr, const wchar_t* wcstr, std::size_t count)
{
    if (count == 0 && mbstr != nullptr)
        return 0;
    const std::string converted = KvWideToAnsiString(wcstr != nullptr ? wcstr : L"");
    const std::size_t needed = converted.size() + 1;
    if (mbstr == nullptr)
        return static_cast<int>(needed);
    const std::size_t written = std::min(needed, count);
    std::memcpy(mbstr, converted.c_str(), written);
    mbstr[written - 1] = '\0';
    return static_cast<int>(written);
}

int AnsiToWide(wchar_t* wcstr, const char* mbstr, std::size_t count)
{
    if (count == 0 && wcstr != nullptr)
        return 0;
    const std::wstring converted = KvAnsiToWideString(mbstr != nullptr ? mbstr : "");
    const std::size_t needed = converted.size() + 1;
    if (wcstr == nullptr)
        return static_cast<int>(needed);
    const std::size_t written = std::min(needed, count);
    std::wmemcpy(wcstr, converted.c_str(), written);
    wcstr[written - 1] = L'\0';
    return static_cast<int>(written);
}

wchar_t* AnsiToWideBuffer(wchar_t* lpw, const char* lpa, int nChars)
{
    if (lpa == nullptr)
        return nullptr;
    if (!KV_ASSERT(lpw != 0))
        return nullptr;
    if (nChars <= 0)
        return lpw;
    lpw[0] = L'\0';
    const std::wstring converted = KvAnsiToWideString(lpa);
    // The conversion must fit whole; a target that is too small stays empty.
    if (KV_ASSERT(static_cast<int>(converted.size()) < nChars))
        std::wmemcpy(lpw, converted.c_str(), converted.size() + 1);
    return lpw;
}

char* WideToAnsiBuffer(char* lpa, const wchar_t* lpw, int nChars)
{
    if (lpw == nullptr)
        return nullptr;
    if (!KV_ASSERT(lpa != 0))
        return nullptr;
    if (nChars <= 0)
        return lpa;
    lpa[0] = '\0';
    const std::string converted = KvWideToAnsiString(lpw);
    if (KV_ASSERT(static_cast<int>(converted.size()) < nChars))
        std::memcpy(lpa, converted.c_str(), converted.size() + 1);
    return lpa;
}
