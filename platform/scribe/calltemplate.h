#pragma once
// Parameter template of a VavurOrezo type: the argument list of its generated call and the
// exit lines of its block, as pairs {kind, field index}. Each list ends with the pair
// {0, -101}: first the arguments, then the exits, and for the types that write a second
// call in their second pass a second argument list.
//
// Argument kinds: 0 or above take the field named by the pair; negative kinds select the
// special argument texts of the script generator. Exit kinds: a completion code 0 or above
// (a goto on that code), -100 (an unconditional goto), -277 (the menu choice lines),
// -278 (fall through to the error or event handler), other negative kinds write nothing.

#include <cstdint>

namespace scribe {

struct PBTemplatePair {
  std::int16_t Kind = 0;
  std::int16_t Field = 0;
};

inline constexpr std::int16_t kTemplateEndField = -101;
inline constexpr std::int16_t kExitGoto = -100;
inline constexpr std::int16_t kExitMenuChoices = -277;
inline constexpr std::int16_t kExitFallThrough = -278;

// Argument kinds by control: check boxes give "1"/"0", radio groups their number,
// choices the stored value of the chosen text.
inline constexpr std::int16_t kArgFlag = -270;
inline constexpr std::int16_t kArgNumber = -284;
inline constexpr std::int16_t kArgChoice = -293;

inline bool IsTemplateEnd(const PBTemplatePair& p) { return p.Field == kTemplateEndField; }

}  // namespace scribe
