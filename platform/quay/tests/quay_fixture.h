#pragma once
// Helpers of the compiler tests: compile a script text against the tests' small include.
#include <fstream>
#include <sstream>
#include <string>

#include "quay/compiler.h"
#include "quay/runfile.h"

namespace quaytest {

inline std::string DataPath(const std::string& name) { return std::string(ZEPH_TEST_DATA_DIR) + "/" + name; }

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Outcome {
  int code = 0;
  quay::ErrorRecord error;
  quay::RunImage image;
};

inline Outcome CompileText(const std::string& script, const std::string& declarations = "",
                           bool lineTable = false) {
  quay::CompileRequest request;
  request.paths = {DataPath("mini_inc.tsl"), "script.tsl", "", ""};
  request.scriptText = script;
  request.declarations = declarations;
  request.lineTable = lineTable;
  Outcome o;
  o.code = quay::CompileProgram(request, o.image, o.error);
  return o;
}

// Replaces the first occurrence of from in text; the test fails loudly when it is absent.
inline std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  if (at == std::string::npos) return "<<" + from + " not in fixture>>";
  return text.replace(at, from.size(), to);
}

}  // namespace quaytest
