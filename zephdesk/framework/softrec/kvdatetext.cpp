#include "framework/softrec/kvdatetext.h"

#include <cctype>

#include "framework/softrec/kvnumtext.h"

bool KvIsSeparatorChar(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return std::ispunct(u) || std::isspace(u);
}

KvTwoNumbers KvSplitTwoNumbers(const CString& text)
{
    CString copy = text;
    copy.TrimLeft();
    const char* p = copy;
    KvTwoNumbers result;
    int n = 0;
    while (KvIsDigit(p[n]))
        ++n;
    if (n == 0)
        return result;
    result.hasFirst = true;
    result.first = KvTextToInt32(CString(p, n));
    if (p[n] == 0)
        return result;
    const char* rest = p + n + 1;  // exactly one separator, whatever it is
    int m = 0;
    while (KvIsDigit(rest[m]))
        ++m;
    if (m > 0) {
        result.hasSecond = true;
        result.second = KvTextToInt32(CString(rest, m));
    }
    return result;
}

CString KvJoinTwoNumbers(const CString& text, char separator)
{
    CString copy = text;
    copy.TrimLeft();
    copy.TrimRight();
    const char* p = copy;
    int n = 0;
    while (KvIsDigit(p[n]))
        ++n;
    CString result(p, n);
    result += separator;
    const char* rest = p + n;
    while (*rest != 0 && !KvIsDigit(*rest))
        ++rest;
    int m = 0;
    while (KvIsDigit(rest[m]))
        ++m;
    result += CString(rest, m);
    return result;
}
