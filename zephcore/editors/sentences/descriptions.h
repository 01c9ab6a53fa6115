#pragma once
// The description files of a prompt folder: beside each prompt file "name.ext" a plain
// text "name.DSC" (any case of the extension) describing it. The file descriptions dialog
// lists, shows, writes and deletes them through these.

#include <string>
#include <vector>

namespace zeph {

inline constexpr const char* kDescriptionExtension = ".DSC";

struct DescribedFile {
  std::string Name;          // the file name as listed (with its extension)
  std::string Description;   // up to its first carriage return
};

// The folder, "\" and the name with its extension replaced by the description extension.
std::string DescriptionPath(const std::string& folder, const std::string& name, const std::string& extension);
// The file's first limit bytes; "" when it does not open.
std::string ReadDescriptionText(const std::string& path, std::size_t limit);
// Writes the text (created or truncated); an empty text deletes the file. False when the
// file could not be written.
bool WriteDescriptionText(const std::string& path, const std::string& text);

// Every ordinary file of the folder that is no description file, then each description
// file's name without extension unless exactly that line is there already.
std::vector<DescribedFile> DescribedFiles(const std::string& folder, const std::string& extension, std::size_t limit);

// Done's result: "name\ttext" with the first carriage return of every pair of carriage
// returns (the edit's soft line breaks) turned into a blank, cut to size - 1.
std::string DescriptionResult(const std::string& name, const std::string& text, std::size_t size);

}  // namespace zeph
