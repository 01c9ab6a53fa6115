#pragma once
// Model message codes that only the forms and the variable picker show.

namespace zeph {

inline constexpr int kErrSelectVariable = -108;      // "You must select a variable"
inline constexpr int kErrMemberReference = -120;     // a "@" line cannot be chosen
inline constexpr int kErrArrayNotSetUp = -190;       // arrays cannot be set up
inline constexpr int kErrInvalidArrayIndex = -191;   // "Invalid array index"

}  // namespace zeph
