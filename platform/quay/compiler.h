#pragma once
// One compile: reads the files and the provider's declarations, runs the phases in order
// (each stops at the first error) and writes the run file through a temporary file.

#include <string>
#include <vector>

#include "quay/errors.h"
#include "quay/runimage.h"

namespace quay {

struct CompileRequest {
  std::string output;                 // run file; empty: check only
  std::vector<std::string> paths;     // include, script, functions, extra (empty ones skipped)
  std::string scriptText;             // used in place of paths[1] when not empty
  std::string declarations;           // the provider's text, read after the paths
  bool lineTable = false;
  bool keepNames = true;
  bool deleteOnError = true;
};

// The name under which the provider's declarations appear in error records.
extern const char* const kDeclarationsName;

// Returns 0 and fills image, or the error code with the record filled.
int CompileProgram(const CompileRequest& request, RunImage& image, ErrorRecord& error);

}  // namespace quay
