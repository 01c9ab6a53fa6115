#include "quay/fuzz_entries.h"

#include <algorithm>
#include <string>

#include "quay/compiler.h"
#include "quay/runfile.h"

namespace quay {

int FuzzCompile(const std::uint8_t* data, std::size_t size) {
  CompileRequest request;
  request.paths = {"", "fuzz.tsl", "", ""};
  request.scriptText.assign(reinterpret_cast<const char*>(data), size);
  if (request.scriptText.empty()) request.scriptText = "\n";
  RunImage image;
  ErrorRecord error;
  const int code = CompileProgram(request, image, error);
  if (code == 0) {
    // What compiles must make a run file the reader accepts.
    const auto bytes = WriteRunImage(image);
    RunImage back;
    std::string reason;
    if (!ReadRunImage(bytes.data(), bytes.size(), back, reason)) return -1;
  }
  return code;
}

int FuzzReadRunFile(const std::uint8_t* data, std::size_t size) {
  RunImage image;
  std::string reason;
  if (!ReadRunImage(data, size, image, reason)) return 0;
  const auto bytes = WriteRunImage(image);
  if (bytes.size() != size || !std::equal(bytes.begin(), bytes.end(), data)) return -1;
  Disassemble(image);
  return 1;
}

}  // namespace quay
