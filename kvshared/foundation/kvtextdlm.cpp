#include "foundation/kvtextdlm.h"

namespace {

struct DelimiterSet {
    const char* separator;
    const char* open;
    const char* close;
    std::int32_t width;
};

constexpr DelimiterSet kSquare{",", "[", "]", 128};
constexpr DelimiterSet kSquareWide{",", "[", "]", 640};
constexpr DelimiterSet kAngle{",", "<", ">", 128};
constexpr DelimiterSet kRound{",", "(", ")", 128};
constexpr DelimiterSet kNone{"", "", "", 0};

// Sets of the section kinds 0 to 22; every later kind has none.
constexpr DelimiterSet kByKind[] = {
    kSquare, kSquare, kSquare, kSquareWide, kSquare,  // 0-4
    kSquare, kSquare, kAngle, kSquare, kAngle,        // 5-9
    kSquare, kSquare, kRound, kSquare, kAngle,        // 10-14
    kRound, kAngle, kAngle, kSquare, kSquare,         // 15-19
    kNone, kRound, kSquare,                           // 20-22
};

}  // namespace

delimiter::delimiter(unsigned int sectionKind)
{
    const DelimiterSet& set =
        sectionKind < sizeof kByKind / sizeof kByKind[0] ? kByKind[sectionKind] : kNone;
    separator = set.separator;
    open = set.open;
    close = set.close;
    width = set.width;
}
