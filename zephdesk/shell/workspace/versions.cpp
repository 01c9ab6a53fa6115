#include "shell/workspace/versions.h"

#include <cstring>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int ReadNumber(const char*& p)
{
    int value = 0;
    while (IsDigit(*p)) {
        // Absurdly long digit runs stop growing instead of overflowing.
        if (value < 100000000)
            value = value * 10 + (*p - '0');
        ++p;
    }
    return value;
}

}  // namespace

KvVersion KvParseVersion(const char* text)
{
    KvVersion v{0, 0, 0, 0};
    if (text == nullptr)
        return v;
    const char* p = text;
    v[0] = ReadNumber(p);
    const char* dot = std::strchr(p, '.');
    if (*p == '\0' || dot == nullptr)
        return v;
    p = dot + 1;
    v[1] = ReadNumber(p);
    while (*p == ' ')
        ++p;
    if (*p == '.') {
        ++p;
        v[2] = ReadNumber(p);
    } else if (*p >= 'A' && *p <= 'Z') {
        v[2] = *p - 38;
        v[3] = 1;
    } else if (*p >= 'a' && *p <= 'z') {
        v[2] = *p - 96;
        v[3] = 1;
    }
    return v;
}

int KvCompareVersions(const char* a, const char* b)
{
    const KvVersion va = KvParseVersion(a);
    const KvVersion vb = KvParseVersion(b);
    for (std::size_t i = 0; i < va.size(); ++i) {
        if (va[i] != vb[i])
            return va[i] < vb[i] ? 2 : 1;
    }
    return 0;
}
