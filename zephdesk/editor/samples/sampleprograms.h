#pragma once
// The application files installed in the designer's program folder, made through the
// editor's own objects and writer: the program a new file starts from (a "Main" page with
// its standard blocks) and a sample call flow over a main page and a SuperBlock page
// (greeting, menu, opening hours, a PIN, an account look-up in a file, a transfer to an
// extension, error exits and notes).

#include <iosfwd>
#include <string>

namespace ed {

// 1 when the file was written; 0 after a line in the log.
int WriteNewProgramFile(const std::string& path, std::ostream& log);
int WriteSampleProgramFile(const std::string& path, std::ostream& log);

}  // namespace ed
