#pragma once
// Section numbers of the model part (their tags and delimiters are the text form's).

namespace zeph {

inline constexpr int kSecBlocks = 3;        // {VavurOrezos}; also the blocks' reports
inline constexpr int kSecSymbols = 6;       // {Symbols}; symbol record lines
inline constexpr int kSecSlot = 7;          // reference line of a value slot
inline constexpr int kSecBlockHeader = 8;   // block record line
inline constexpr int kSecConstant = 9;      // constant value line of a value slot
inline constexpr int kSecVersion = 11;      // {VERSION}
inline constexpr int kSecBlockTable = 12;   // words of a block
inline constexpr int kSecStructures = 13;   // {Structures}
inline constexpr int kSecMembers = 14;      // {Members} ... {LastMember}
inline constexpr int kSecComponent = 15;    // voice-sentence component; permission record
inline constexpr int kSecItem = 16;         // voice-sentence item
inline constexpr int kSecValue = 17;        // typed value lines
inline constexpr int kSecDlls = 18;         // {DLLs}
inline constexpr int kSecCustoms = 19;      // {CustomVavurorezos}
inline constexpr int kSecDiskDefaults = 20; // {DiskDefaults}
inline constexpr int kSecVerifyTables = 21; // {VerifyTables}: interface table entries

}  // namespace zeph
