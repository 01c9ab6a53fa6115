#pragma once
// The version of the layout part of the application file: the text a save writes, chosen
// from the server version the log-in stored, and the number a load reads from a version
// text, in hundredths so that versions compare exactly.

#include <string>

namespace ed {

// "V9.01" or "V9.00".
const char* LayoutVersionText(const std::string& serverVersion);
// The number after the first "V" of the text, in hundredths (9.01 -> 901); false when the
// text has no "V".
bool ReadLayoutVersion(const std::string& text, int& hundredths);

}  // namespace ed
