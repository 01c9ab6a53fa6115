#include "log.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "user_folder.h"

namespace fs = std::filesystem;

std::string LocalTimeText() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
#ifdef _WIN32
  localtime_s(&parts, &now);
#else
  localtime_r(&now, &parts);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
  return text;
}

CLog::CLog(const std::string& name)
    : path_(UserDataFolder() + (name.empty() ? std::string("zephgate") : name) + ".log"), clock_(LocalTimeText) {}

void CLog::SetClock(Clock clock) {
  std::lock_guard<std::mutex> hold(lock_);
  clock_ = clock ? std::move(clock) : Clock(LocalTimeText);
}

std::string CLog::Line(const std::string& time, const std::string& text) {
  std::string body = text.substr(0, kMaxEntry);
  while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) body.pop_back();
  // A text's own line breaks stay, as Windows line ends.
  std::string out = time + " ";
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] == '\r') continue;
    if (body[i] == '\n') out += '\r';
    out += body[i];
  }
  return out;
}

CLog& CLog::operator<<(const CLogEntry& entry) {
  std::lock_guard<std::mutex> hold(lock_);
  const fs::path path = HostPathOf(path_);
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out << Line(clock_(), entry.Text()) << "\r\n";
  return *this;
}
