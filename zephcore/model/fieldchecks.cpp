// Value checks of VavurOrezo fields: prompt names, DOS paths, dates, days and plain
// character classes.

#include "model/fieldchecks.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/constvalue.h"
#include "model/modelcodes.h"

namespace zeph {
namespace {

const char* SkipApostrophe(const char* text) { return (text && text[0] == '\'') ? text + 1 : text; }

bool IsEmpty(const char* text) { return text == nullptr || text[0] == 0; }

template <class Pred>
bool Every(const char* text, Pred pred) {
  for (const char* p = text; *p; ++p) {
    if (!pred(static_cast<unsigned char>(*p))) return false;
  }
  return true;
}

bool IsDigitText(const char* text) { return !IsEmpty(text) && Every(text, [](unsigned char c) { return std::isdigit(c) != 0; }); }

// Two-digit fields of an all-digit text.
int TwoDigits(const char* text, int at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); }

bool HasForbiddenNameChar(const char* text, const char* forbidden) {
  for (const char* p = text; *p; ++p) {
    if (std::strchr(forbidden, *p) != nullptr) return true;
  }
  return false;
}

// One path component: at most 8 characters, optionally "." and 1 to 3 more.
bool IsEightDotThree(const std::string& part) {
  std::size_t dot = part.find('.');
  if (dot == std::string::npos) return !part.empty() && part.size() <= 8;
  std::size_t ext = part.size() - dot - 1;
  return dot >= 1 && dot <= 8 && ext >= 1 && ext <= 3 && part.find('.', dot + 1) == std::string::npos;
}

}  // namespace

int CheckPromptName(const char* text) {
  if (IsEmpty(text)) return kErrBadPrompt;
  return HasForbiddenNameChar(text, "\"*+,/:;<=>?\\|") ? kErrBadPrompt : 0;
}

int CheckDosPath(const char* text, bool directory) {
  if (IsEmpty(text)) return 0;
  std::string path(text);
  if (path.size() > 47) return kErrPathTooLong;
  bool endsWithSlash = path.back() == '\\';
  if (directory && !endsWithSlash) return kErrDirNeedsBackslash;
  if (!directory && endsWithSlash) return kErrNeedFullFilespec;
  std::size_t pos = 0;
  if (path.size() >= 2 && path[1] == ':') {
    if (!std::isalpha(static_cast<unsigned char>(path[0]))) return kErrBadDrive;
    pos = 2;
  }
  std::string rest = path.substr(pos);
  if (!rest.empty() && rest.front() == '\\') rest.erase(0, 1);
  if (!rest.empty() && rest.back() == '\\') rest.pop_back();
  if (rest.empty()) return 0;
  std::size_t start = 0;
  while (true) {
    std::size_t end = rest.find('\\', start);
    std::string part = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (part.empty()) return kErrBadPath;
    if (part.size() > 12) return kErrPathTooLong;
    if (part != "." && part != "..") {
      if (HasForbiddenNameChar(part.c_str(), "\"*+,/:;<=>?[]|")) return kErrBadPath;
      if (!IsEightDotThree(part)) return kErrBadPath;
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return 0;
}

int CheckMonthDay(const char* text) {
  text = SkipApostrophe(text);
  if (IsEmpty(text) || std::strlen(text) != 4 || !IsDigitText(text)) return kErrNumberRange;
  int month = TwoDigits(text, 0), day = TwoDigits(text, 2);
  return (month >= 1 && month <= 12 && day >= 1 && day <= 31) ? 0 : kErrNumberRange;
}

int CheckMMDDYY(const char* text) {
  text = SkipApostrophe(text);
  if (IsEmpty(text) || std::strlen(text) != 6 || !IsDigitText(text)) return kErrNumberRange;
  int month = TwoDigits(text, 0), day = TwoDigits(text, 2);
  return (month >= 1 && month <= 12 && day >= 1 && day <= 31) ? 0 : kErrNumberRange;
}

int CheckDayOfWeek(const char* text) {
  static const char* const kDays[] = {"1", "2", "3", "4", "5", "6", "7", "SUN", "MON", "TUE",
                                      "WED", "THU", "FRI", "SAT", "SUNDAY", "MONDAY", "TUESDAY",
                                      "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY"};
  text = SkipApostrophe(text);
  if (IsEmpty(text)) return kErrNumberRange;
  std::string upper(text, std::min<std::size_t>(std::strlen(text), 32));
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const char* day : kDays) {
    if (upper == day) return 0;
  }
  return kErrNumberRange;
}

int CheckDayOfMonth(const char* text) {
  text = SkipApostrophe(text);
  if (IsEmpty(text) || std::strlen(text) > 2 || !IsDigitText(text)) return kErrNumberRange;
  int day = std::atoi(text);
  return (day >= 1 && day <= 31) ? 0 : kErrNumberRange;
}

int CheckYear(const char* text) {
  text = SkipApostrophe(text);
  if (IsEmpty(text)) return kErrNumberRange;
  std::size_t len = std::strlen(text);
  if (len == 2) return 0;
  if (len != 4 || !IsDigitText(text)) return kErrNumberRange;
  int year = std::atoi(text);
  return (year >= 1900 && year <= 2100) ? 0 : kErrNumberRange;
}

int CheckAlphaText(const char* text) {
  text = SkipApostrophe(text);
  if (IsEmpty(text)) return kErrNumberRange;
  return Every(text, [](unsigned char c) { return std::isalpha(c) != 0; }) ? 0 : kErrNumberRange;
}

int CheckAlnumText(const char* text) {
  text = SkipApostrophe(text);
  if (IsEmpty(text)) return kErrNumberRange;
  return Every(text, [](unsigned char c) { return std::isalnum(c) != 0; }) ? 0 : kErrNumberRange;
}

int CheckDigitText(const char* text) {
  text = SkipApostrophe(text);
  return IsDigitText(text) ? 0 : kErrNumberRange;
}

int CheckFieldValue(const char* text, int checkKind) {
  if (checkKind > 31 || checkKind < 0) return 0;
  if (checkKind == 0) return CheckPromptName(text) == 0 ? 0 : kErrBadPrompt;
  const char* value = SkipApostrophe(text ? text : "");
  switch (checkKind) {
    case 1:
      return IsIntegerInRange(value, 1, 9999) ? 0 : kErrIndexRange;
    case 7: case 22:
      return IsDigitText(value) ? 0 : kErrNotDigits;
    case 8: case 23:
      return (!IsEmpty(value) && Every(value, [](unsigned char c) { return std::isalnum(c) != 0; }))
                 ? 0 : kErrNotAlnum;
    case 9: case 10: case 24: case 25:
      return IsIntegerInRange(value, -999999999999.0, 999999999999.0) ? 0 : kErrNumberRange;
    case 12: case 13: case 14: case 15: case 16:
    case 27: case 28: case 29: case 30: case 31:
      return CheckDateTime14(value, false);
    default: {  // 2-6, 11, 17-21, 26: a number of any magnitude
      double v = 0;
      int status = 0;
      v = ParseDouble(value, &status);
      (void)v;
      return status == 0 ? 0 : kErrNumberRange;
    }
  }
}

}  // namespace zeph
