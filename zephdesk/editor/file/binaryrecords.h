#pragma once
// The binary form of the layout part, which older versions wrote: after a 92-byte header
// and the model part, a word 356 with the program's body, then records (a type word and
// the body of its class, an owner always before what it owns), then the word -1 and the
// id counter. Words are 16-bit, longs 32-bit, little-endian; strings end with a NUL. Only
// files are read in this form; the writers produce the bodies of the current version.
//
// Readers answer 1 when the record was taken and 0 to end the load with the read error;
// an owner or model check that fails has shown the inconsistent-input message first.

#include <cstdint>
#include <string>

class Buffer;

namespace ed {

class Goto;
class GotoBlock;
class Page;
class Program;
class Segment;
class VavurOrezo;
struct LayoutState;

inline constexpr std::size_t kBinaryHeaderSize = 92;
inline constexpr std::size_t kBinaryBannerSize = 80;
inline constexpr const char* kBinaryBanner = "Vox Trelle graphical editor program file.\n\n\x1A";
inline constexpr int kBinaryEnd = -1;

// The 92-byte header: the banner, then the version text from byte 80.
int WriteBinaryHeader(Buffer& buffer, const std::string& versionText);

int WriteBinary(Buffer& buffer, Program& program);
int WriteBinary(Buffer& buffer, Page& page);
int WriteBinary(Buffer& buffer, VavurOrezo& block);
int WriteBinary(Buffer& buffer, GotoBlock& gotoBlock);
int WriteBinary(Buffer& buffer, Goto& line);
int WriteBinary(Buffer& buffer, Segment& segment);

// The layout after the model part: the program word and body, every record of the
// program preceded by its type word, the end word and the id counter. Text notes have no
// binary body and are not written.
int WriteBinaryLayout(Buffer& buffer, LayoutState& state);

int ReadBinaryProgram(LayoutState& state, Buffer& buffer);
int ReadBinaryPage(LayoutState& state, Buffer& buffer);
int ReadBinaryBlock(LayoutState& state, Buffer& buffer);
int ReadBinaryGotoBlock(LayoutState& state, Buffer& buffer);
int ReadBinaryGoto(LayoutState& state, Buffer& buffer);
int ReadBinarySegment(LayoutState& state, Buffer& buffer);

// The records after the model part, up to and including the id counter. 1 when all were
// read; 0 after the message of the failure (an unknown record type has its own).
int ReadBinaryLayout(LayoutState& state, Buffer& buffer, bool& reported);

}  // namespace ed
