#pragma once
// Result codes of the model's operations. 0 is success; the codes -101 to -197 index the
// model message table (their texts are kept with the application object).

namespace zeph {

// General results.
inline constexpr int kRcOk = 0;
inline constexpr int kRcRefused = -1;        // refused or not found
inline constexpr int kRcNoMemory = -2;       // out of memory (model interface level)
inline constexpr int kRcNoProgram = -3;      // no current program
inline constexpr int kRcFileError = -10;     // a file could not be read or written
inline constexpr int kRcLimit = -11;         // an internal limit was reached
inline constexpr int kRcUserStopped = 9754;  // the user stopped a damaged load or save

// Model message codes.
inline constexpr int kErrMemberNotFound = -101;
inline constexpr int kErrOutOfMemory = -102;
inline constexpr int kErrBadName = -103;
inline constexpr int kErrVariableInUse = -109;
inline constexpr int kErrNotDeletable = -110;
inline constexpr int kErrStructureInUse = -112;
inline constexpr int kErrBadMemberName = -114;
inline constexpr int kErrBadStructureName = -117;
inline constexpr int kErrPathTooLong = -121;
inline constexpr int kErrDirNeedsBackslash = -122;
inline constexpr int kErrBadDrive = -123;
inline constexpr int kErrBadPath = -124;
inline constexpr int kErrBadPrompt = -127;
inline constexpr int kErrNeedFullFilespec = -130;
inline constexpr int kErrNumberFormat = -134;
inline constexpr int kErrNumberRange = -135;
inline constexpr int kErrDateBefore1980 = -139;
inline constexpr int kErrMustBeConstant = -143;
inline constexpr int kErrMustBeSymbol = -144;
inline constexpr int kErrBadSymbolOrConstant = -145;
inline constexpr int kErrValueOutOfRange = -146;
inline constexpr int kErrNoSuchVariable = -147;
inline constexpr int kErrNameTooLong = -148;
inline constexpr int kErrReservedName = -149;
inline constexpr int kErrPBDoesNotExist = -150;
inline constexpr int kErrStringTooLong = -151;
inline constexpr int kErrMemberNameTooLong = -152;
inline constexpr int kErrMemberNameInUse = -153;
inline constexpr int kErrStructureNameTooLong = -154;
inline constexpr int kErrNoConstants = -155;
inline constexpr int kErrWritingFile = -156;
inline constexpr int kErrInternal1 = -157;
inline constexpr int kErrCorruptFile = -158;
inline constexpr int kErrReadingFile = -162;
inline constexpr int kErrNotDigits = -164;
inline constexpr int kErrNotAlnum = -165;
inline constexpr int kErrIndexRange = -166;
inline constexpr int kErrStructureExists = -167;
inline constexpr int kErrNameInUse = -168;
inline constexpr int kErrSelectVavurOrezoType = -105;   // "You must select a VavurOrezo type"
inline constexpr int kErrEditWindowOpen = -172;  // a code editor is still open
inline constexpr int kErrCustomPBInUse = -170;    // "Can not delete this Custom VavurOrezo because it is in use"
inline constexpr int kErrCustomPBExists = -171;
inline constexpr int kErrCannotConvert = -188;
inline constexpr int kErrDateFormat = -192;
inline constexpr int kErrMonth = -193;
inline constexpr int kErrDayOfMonth = -194;
inline constexpr int kErrHour = -195;
inline constexpr int kErrMinute = -196;
inline constexpr int kErrSecond = -197;

}  // namespace zeph
