#include "programfile/edfile/edfile_context.h"

#include "foundation/kvlserr.h"
#include "foundation/kvtextstm.h"
#include "model/loadsave_mode.h"
#include "programfile/edfile/edfile_fields.h"

namespace zeph {

bool EdLineSource::Fetch(std::string& line) {
  if (!std::getline(in_, line)) {
    line.clear();
    return false;
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

bool EdLineSource::Next(std::string& line) {
  if (hasPending_) {
    hasPending_ = false;
    line.swap(pending_);
    return true;
  }
  return Fetch(line);
}

const std::string* EdLineSource::Peek() {
  if (!hasPending_) hasPending_ = Fetch(pending_);
  return hasPending_ ? &pending_ : nullptr;
}

int EdLineSource::NextOfKind(int recordKind, std::string& line) {
  const std::string* next = Peek();
  if (next == nullptr) return -1;
  if (!EdLineOpensAs(*next, recordKind)) return 0;
  Next(line);
  return 1;
}

void EdLineSource::SkipToRecord(int recordKind, const std::string& endTag) {
  while (const std::string* next = Peek()) {
    if (*next == endTag || EdLineOpensAs(*next, recordKind)) return;
    hasPending_ = false;
  }
}

int EdPrompt(const std::string& text, int section) {
  return ReportLoadSaveError(LoadSaveErrorMode(), text.c_str(), section) ? 0 : kKvLoadSaveUserStopped;
}

void EdLineParser::Begin(const std::string& line) {
  previous_ = GetTextStream();
  one_.str(line);
  one_.clear();
  SetTextStream(&one_);
}

void EdLineParser::End() { SetTextStream(previous_); }

EdLineParser& TheLineParser() {
  static EdLineParser parser;
  return parser;
}

}  // namespace zeph
