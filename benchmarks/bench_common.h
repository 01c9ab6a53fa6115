#pragma once
// What every benchmark program sets up: the model library started without dialogs or
// window messages and with its refusals kept out of sight, and a reporter that keeps each
// run's time so that figures can be compared after the table.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "foundation/kvscrpres.h"
#include "model/interface/library.h"
#include "model/program/program.h"

namespace bench {

inline void* FakeDialogs() {
  static int module = 1;
  return &module;
}
inline void NoMessages(HWND, unsigned, std::uintptr_t, std::intptr_t, bool) {}

// Lives for the whole program, before any benchmark runs.
class QuietLibrary {
 public:
  QuietLibrary() {
    zeph::EnsureLibraryStarted();
    zeph::SetDialogModuleLoader(&FakeDialogs);
    zeph::SetWindowMessageSender(&NoMessages);
  }

 private:
  KvScriptedPresenter presenter_;
  KvScopedMessagePresenter quiet_{presenter_};
};

class TimesReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  // The time of one iteration in the benchmark's unit; negative when it did not run.
  double Time(const std::string& name) const {
    const auto at = times_.find(name);
    return at == times_.end() ? -1.0 : at->second;
  }
  // Prints a / b against its limit.
  void Ratio(const std::string& a, const std::string& b, double limit) const {
    const double x = Time(a);
    const double y = Time(b);
    if (x < 0 || y <= 0) return;
    const double r = x / y;
    std::printf("%-22s / %-22s %6.2f  (at most %.1f: %s)\n", a.c_str(), b.c_str(), r, limit, r <= limit ? "yes" : "no");
  }

 private:
  std::map<std::string, double> times_;
};

// The baselines of file benchmarks: the same lines written with fputs, and a file read
// back with fgets, as plain buffered I/O does it.
inline void PlainWriteLines(const std::string& path, const std::vector<std::string>& lines) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return;
  for (const std::string& line : lines) std::fputs(line.c_str(), out);
  std::fclose(out);
}

inline std::size_t PlainReadLines(const std::string& path) {
  static char buffer[70000];
  std::FILE* in = std::fopen(path.c_str(), "rb");
  if (in == nullptr) return 0;
  std::size_t n = 0;
  while (std::fgets(buffer, sizeof buffer, in) != nullptr) n += std::strlen(buffer);
  std::fclose(in);
  return n;
}

}  // namespace bench
