#pragma once
// The process log: each entry one line, appended at once to "<name>.log" in the user's
// data folder (an empty name gives "zephgate.log"). A line starts with the time of the
// log's clock; an entry is cut at 255 characters. Writing never fails loudly: a log
// cannot report its own trouble.
#include <functional>
#include <mutex>
#include <string>

#include "bench_export.h"

class ZEPHBENCH_API CLogEntry {
 public:
  explicit CLogEntry(std::string text) : text_(std::move(text)) {}
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

class ZEPHBENCH_API CLog {
 public:
  using Clock = std::function<std::string()>;
  static constexpr std::size_t kMaxEntry = 255;

  explicit CLog(const std::string& name);
  CLog& operator<<(const CLogEntry& entry);

  // Tests give a fixed clock; the default is the local time "YYYY-MM-DD hh:mm:ss".
  void SetClock(Clock clock);
  const std::string& Path() const { return path_; }

  // The line written for `text` at `time` (without the line end).
  static std::string Line(const std::string& time, const std::string& text);

 private:
  std::mutex lock_;
  std::string path_;
  Clock clock_;
};

std::string LocalTimeText();
