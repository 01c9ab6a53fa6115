// Path pieces shared by the install-folder functions (internal).
#pragma once

#include <initializer_list>
#include <optional>
#include <string>

namespace kvvif {

// The parts joined, or nothing when the result with its terminator exceeds kKvPathMax.
std::optional<std::string> Compose(std::initializer_list<const char*> parts);
// Copies text with its terminator into dst of kKvPathMax (or capacity) characters;
// false (dst empty) when it does not fit.
bool CopyOut(char* dst, const std::string& text, std::size_t capacity);
// A file name without folder parts.
bool IsBareName(const char* name);
bool EndsWithNoCase(const std::string& text, const char* suffix);
bool StartsWithNoCase(const std::string& text, const std::string& prefix);
bool EqualsNoCase(const std::string& a, const std::string& b);

// Folders; the program folder falls back to the default install path.
std::string ProgramFolder();
// The program folder's sub-folder sub ("Export", "Voice", "Fax") with a separator;
// nothing when it would not fit.
std::optional<std::string> SubFolder(const char* sub);

// Writes a description file: created exclusively, line feeds stored as CR LF, then one
// zero byte. 0 when the file exists or cannot be made.
int WriteDescriptionFile(const std::string& path, const char* text);
// The first line of a description file, at most kKvDescriptionMax - 1 characters;
// false (empty) when it cannot be read.
bool ReadDescriptionLine(const std::string& path, char* description);

}  // namespace kvvif
