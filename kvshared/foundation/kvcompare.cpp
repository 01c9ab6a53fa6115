#include "foundation/kvcompare.h"

namespace {

unsigned char LowerAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

}  // namespace

int KvCompareText(const char* a, const char* b)
{
    const auto* pa = reinterpret_cast<const unsigned char*>(a);
    const auto* pb = reinterpret_cast<const unsigned char*>(b);
    int tie = 0;
    for (;; ++pa, ++pb) {
        // Equal bytes are equal in lower case too and leave the tie as it is: names
        // compared in a tree share long beginnings.
        if (*pa == *pb) {
            if (*pa == 0)
                return tie;
            continue;
        }
        const unsigned char la = LowerAscii(*pa);
        const unsigned char lb = LowerAscii(*pb);
        if (la != lb)
            return la < lb ? -1 : 1;
        if (tie == 0)
            tie = *pa < *pb ? -1 : 1;
    }
}
