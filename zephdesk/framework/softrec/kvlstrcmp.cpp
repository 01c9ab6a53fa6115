#include "framework/softrec/kvlstrcmp.h"

#ifndef _WIN32

namespace {

// Primary weight: letters fold to lower case so that "abc" and "ABC" fall together.
int Fold(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
}

// Secondary weight of a letter: lower case before upper case.
int CaseWeight(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? 1 : 0;
}

}  // namespace

int KvLstrcmp(const char* a, const char* b)
{
    const auto* pa = reinterpret_cast<const unsigned char*>(a ? a : "");
    const auto* pb = reinterpret_cast<const unsigned char*>(b ? b : "");
    int caseOrder = 0;
    for (;; ++pa, ++pb) {
        const int fa = Fold(*pa);
        const int fb = Fold(*pb);
        if (fa != fb)
            return fa < fb ? -1 : 1;
        if (*pa == 0)
            break;
        if (caseOrder == 0 && *pa != *pb)
            caseOrder = CaseWeight(*pa) - CaseWeight(*pb);
    }
    return caseOrder;
}

#endif
