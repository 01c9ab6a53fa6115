#include "programfile/edfile/edfile_context.h"

#include <cstring>
#include <streambuf>

#include "foundation/kvlserr.h"
#include "foundation/kvtextstm.h"
#include "model/loadsave_mode.h"
#include "programfile/edfile/edfile_fields.h"

namespace zeph {

EdLineSource::~EdLineSource() {
  // The bytes not given out go back, last first. They all lie in the stream buffer's
  // current get area (a block is taken only once the one before is used up), so each
  // put-back only steps the buffer back over the byte it holds.
  std::streambuf* buffer = in_.rdbuf();
  for (std::size_t i = block_.size(); i > at_; --i) {
    if (buffer == nullptr || std::istream::traits_type::eq_int_type(buffer->sputbackc(block_[i - 1]),
                                                                      std::istream::traits_type::eof())) {
      in_.setstate(std::ios_base::failbit);
      return;
    }
  }
}

// Takes what the stream's buffer holds now (filling it first when it is empty); false at
// the end of the stream. Never more than the get area holds, so that it can be put back.
bool EdLineSource::Refill() {
  block_.clear();
  at_ = 0;
  std::streambuf* buffer = in_.rdbuf();
  if (buffer == nullptr || !in_.good()) return false;
  if (std::istream::traits_type::eq_int_type(buffer->sgetc(), std::istream::traits_type::eof())) return false;
  const std::streamsize held = buffer->in_avail();
  if (held <= 0) return false;
  block_.resize(static_cast<std::size_t>(held));
  block_.resize(static_cast<std::size_t>(buffer->sgetn(block_.data(), held)));
  return !block_.empty();
}

// The next line as std::getline gives it, with the stream's state set as getline sets it
// at the end: eof after a last line without a line end, eof and fail when nothing is left.
bool EdLineSource::Fetch(std::string& line) {
  // Mostly the whole line, its end included, lies in the block taken.
  if (at_ < block_.size()) {
    const char* from = block_.data() + at_;
    if (const auto* end = static_cast<const char*>(std::memchr(from, '\n', block_.size() - at_))) {
      std::size_t length = static_cast<std::size_t>(end - from);
      at_ += length + 1;
      if (length > 0 && from[length - 1] == '\r') --length;
      line.assign(from, length);
      return true;
    }
  }
  return FetchAcrossBlocks(line);
}

// Fetch for a line that runs past the bytes taken so far, or when none are left.
bool EdLineSource::FetchAcrossBlocks(std::string& line) {
  line.clear();
  bool any = false;
  for (;;) {
    if (at_ < block_.size()) {
      const char* from = block_.data() + at_;
      const std::size_t rest = block_.size() - at_;
      const auto* end = static_cast<const char*>(std::memchr(from, '\n', rest));
      const std::size_t length = end != nullptr ? static_cast<std::size_t>(end - from) : rest;
      line.append(from, length);
      any = true;
      if (end != nullptr) {
        at_ += length + 1;
        break;
      }
      at_ = block_.size();
    }
    if (!Refill()) {
      in_.setstate(any ? std::ios_base::eofbit : std::ios_base::eofbit | std::ios_base::failbit);
      if (!any) return false;
      break;
    }
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
  if (hasPending_) {
    if (!EdLineOpensAs(pending_, recordKind)) return 0;
    hasPending_ = false;
    line.swap(pending_);
    return 1;
  }
  // Mostly the line is of the kind: it is taken straight into the caller's buffer, and
  // kept back only when it is not.
  if (!Fetch(line)) return -1;
  if (EdLineOpensAs(line, recordKind)) return 1;
  pending_.swap(line);
  hasPending_ = true;
  return 0;
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
