// Section tags of the application text file.
#pragma once

#include <string>

// Writes the begin (end false) or end tag of a section as one line of the current text
// stream; 1, or 0 (nothing written) for sections without a written tag (9, 12, 17 and
// numbers outside 0 to 23) or when the line could not be written.
int WriteSectionTag(int section, bool end);

// The begin or end tag; empty for 9, 11, 12 and numbers outside the table.
std::string GetSectionTag(int section, bool end);
