#pragma once
// Catalogue types whose script the generator writes in its own way.

namespace zeph::blocks {

inline constexpr int kMenu = 0;
inline constexpr int kEntry = 2;
inline constexpr int kRecord = 3;
inline constexpr int kMultiMail = 21;
inline constexpr int kCompare = 26;
inline constexpr int kAssign = 27;
inline constexpr int kMailForward = 45;
inline constexpr int kMailAdd = 46;
inline constexpr int kMailUpdate = 48;
inline constexpr int kMailboxFirstInRange = 49;
inline constexpr int kMailboxLastInRange = 50;
inline constexpr int kMailboxRandomInRange = 51;
inline constexpr int kMailboxAdd = 65;
inline constexpr int kMailboxUpdate = 66;
inline constexpr int kListUpdate = 74;
inline constexpr int kListAdd = 75;
inline constexpr int kCallSubroutine = 103;
inline constexpr int kReturn = 104;
inline constexpr int kEndProgram = 126;
inline constexpr int kChannelParms = 135;
inline constexpr int kAdd = 137;
inline constexpr int kSubtract = 138;
inline constexpr int kMultiply = 139;
inline constexpr int kDivide = 140;
inline constexpr int kCountLoop = 141;
inline constexpr int kStart = 142;
inline constexpr int kHandleEvent = 143;
inline constexpr int kEndError = 144;
inline constexpr int kParmGet = 147;
inline constexpr int kParmSet = 148;
inline constexpr int kFaxParmSet = 153;
inline constexpr int kPlayVoice = 178;
inline constexpr int kEndBlock = 181;
inline constexpr int kOnEvent = 215;
inline constexpr int kRecordEdit = 217;
inline constexpr int kRecordVoice = 229;
inline constexpr int kBeginError = 246;
inline constexpr int kReturnEvent = 247;
inline constexpr int kMultiCompare = 261;
inline constexpr int kSetFlag = 282;
inline constexpr int kTestFlag = 283;
inline constexpr int kMakeDate = 284;
inline constexpr int kSplitDate = 285;
inline constexpr int kContinueDocument = 291;
inline constexpr int kStructureCopy = 391;
inline constexpr int kEndSession = 396;
inline constexpr int kContinue = 401;
inline constexpr int kPageCall = 409;
inline constexpr int kCustom = -100;
inline constexpr int kSuperBlockCall = -101;

}  // namespace zeph::blocks
