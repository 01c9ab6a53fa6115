// Writing the script file with CR LF line ends.
#include "programfile/script/scriptwriter.h"

#include "programfile/script/scriptcontext.h"

namespace zeph {

bool ScriptWriter::Open(const std::string& path) {
  path_ = path;
  file_ = std::fopen(path.c_str(), "wb");
  return file_ != nullptr;
}

ScriptWriter::~ScriptWriter() {
  if (file_ != nullptr) std::fclose(file_);
}

void ScriptWriter::Write(const std::string& piece) {
  if (file_ == nullptr) throw ScriptFailure(kScriptWriteFailed, "The script " + path_ + " is not open.");
  std::string out;
  out.reserve(piece.size() + piece.size() / 16);
  for (char c : piece) {
    if (c == '\n') {
      out += "\r\n";
      ++lines_;
    } else {
      out += c;
    }
  }
  if (std::fwrite(out.data(), 1, out.size(), file_) != out.size()) {
    throw ScriptFailure(kScriptWriteFailed, "Error writing the script " + path_ + ".");
  }
}

void ScriptWriter::Close() {
  if (file_ == nullptr) return;
  const int rc = std::fclose(file_);
  file_ = nullptr;
  if (rc != 0) throw ScriptFailure(kScriptWriteFailed, "Error writing the script " + path_ + ".");
}

std::string NormaliseLineEnds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace zeph
