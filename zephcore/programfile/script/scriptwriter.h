#pragma once
// The script file being written. Pieces are given with "\n" line ends and written with
// CR LF; a piece that is not stored whole ends the generation with the write failure.

#include <cstdio>
#include <string>

namespace zeph {

class ScriptWriter {
 public:
  // Opens (creates or empties) the file; false when it cannot be opened.
  bool Open(const std::string& path);
  ~ScriptWriter();
  ScriptWriter() = default;
  ScriptWriter(const ScriptWriter&) = delete;
  ScriptWriter& operator=(const ScriptWriter&) = delete;

  // Writes one piece; throws ScriptFailure(-156) when it is not stored whole.
  void Write(const std::string& piece);
  // Lines written so far (line ends counted).
  int LinesWritten() const { return lines_; }
  // Closes the file; throws the write failure when the close loses data.
  void Close();

 private:
  std::FILE* file_ = nullptr;
  std::string path_;
  int lines_ = 0;
};

// A text with every line end (CR LF, lone CR or LF) made "\n", so that written text carries
// no stray CR.
std::string NormaliseLineEnds(const std::string& text);

}  // namespace zeph
