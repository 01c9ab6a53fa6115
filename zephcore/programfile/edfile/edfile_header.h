#pragma once
// The "{VERSION}" section: which version wrote the file, and from it the format levels.

#include <string>

namespace zeph {

struct EdContext;

// The version text of a definition version (tolerance 0.01): 0 and 8.03 the current
// text, up to 5.06 "VLXV5.06", then "VLXV6.07"; any other value the current text.
const char* VersionToText(double version);

// The version number of a version text: its part from the fifth character on, "2.0A"
// being 2.001; 0 when it is no number.
double VersionOfText(const std::string& text);

// Writes the section. The label names the server the definitions are set for; when that
// is an older server the layout version follows the close string ("[VLXV6.07,]VLXV8.03"),
// since the records themselves are always the current ones. 0 or 9754.
int WriteFileHeader();

// Skips lines up to "{VERSION}" and reads the section; sets the file version and levels in
// the context (and the library's levels). 0, -169 for a newer or foreign file, 9754.
int ReadFileHeader(EdContext& ctx);

}  // namespace zeph
