#pragma once
// The application file's load/save error mode, one for the library: a read or write sets it
// from its caller's mode and passes it to every ReportLoadSaveError it makes. Problems that
// other parts of the model meet while a read or write runs (conversions of old blocks,
// refused interface entries) join the same report instead of a box each.

#include <string>

#include "foundation/kvmsgbox.h"

namespace zeph {

// The section number that reports about VavurOrezo blocks carry in the load/save log.
inline constexpr int kLoadSaveBlockSection = 3;

// The mode of the read or write under way (KvLoadSaveMode values).
short& LoadSaveErrorMode();
// True while an application file is read or written.
bool LoadSaveRunning();

// Marks a read or write for its lifetime: the mode takes the caller's value and the previous
// state comes back at the end (reads may nest, as an import inside a load).
class LoadSaveRun {
 public:
  explicit LoadSaveRun(short mode);
  ~LoadSaveRun();
  LoadSaveRun(const LoadSaveRun&) = delete;
  LoadSaveRun& operator=(const LoadSaveRun&) = delete;

 private:
  short previousMode_;
  bool previousRunning_;
};

// Reports a problem of the model: while a read or write runs, as a load/save report of the
// section (logged, and asked only as the mode says; an answer to stop sets the mode to stop
// quietly, which the reader sees at its next report); otherwise in the box of the request.
void ReportModelProblem(const KvMessageBoxRequest& box, int section);

}  // namespace zeph
