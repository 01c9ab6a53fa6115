// Typed constants: parsing, checking and formatting, number tests and date-times.

#include "model/constvalue.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "model/datatypes.h"

namespace zeph {
namespace {

const char* SkipApostrophe(const char* text) { return (text && text[0] == '\'') ? text + 1 : text; }

// Reads a floating number from the start of the text in plain decimal notation (optional
// leading blanks and sign, digits with an optional fraction, optional exponent); no hex,
// no infinities. Returns the characters read (0 when there is no number).
std::size_t ReadDecimal(const char* text, double* value) {
  const char* p = text;
  while (std::isspace(static_cast<unsigned char>(*p))) ++p;
  const char* start = p;
  if (*p == '+' || *p == '-') ++p;
  std::size_t digits = 0;
  while (std::isdigit(static_cast<unsigned char>(*p))) ++p, ++digits;
  if (*p == '.') {
    ++p;
    while (std::isdigit(static_cast<unsigned char>(*p))) ++p, ++digits;
  }
  if (digits == 0) return 0;
  if (*p == 'e' || *p == 'E') {
    const char* q = p + 1;
    if (*q == '+' || *q == '-') ++q;
    if (std::isdigit(static_cast<unsigned char>(*q))) {
      while (std::isdigit(static_cast<unsigned char>(*q))) ++q;
      p = q;
    }
  }
  std::string number(start, static_cast<std::size_t>(p - start));
  *value = std::strtod(number.c_str(), nullptr);
  return static_cast<std::size_t>(p - text);
}

// The whole text is one number.
bool ReadWholeNumber(const char* text, double* value) {
  if (text == nullptr) return false;
  std::size_t used = ReadDecimal(text, value);
  return used != 0 && text[used] == 0;
}

bool IsWhole(double v) { return std::floor(v) == v; }

template <class T>
void Store(void* buffer, T value) {
  std::memcpy(buffer, &value, sizeof value);
}

template <class T>
T Load(const void* buffer) {
  T value;
  std::memcpy(&value, buffer, sizeof value);
  return value;
}

bool AllDigits(const char* text) {
  if (text == nullptr || *text == 0) return false;
  for (const char* p = text; *p; ++p) {
    if (!std::isdigit(static_cast<unsigned char>(*p))) return false;
  }
  return true;
}

}  // namespace

double ParseDouble(const char* text, int* status) {
  double v = 0;
  if (ReadWholeNumber(text, &v)) {
    if (status) *status = 0;
    return v;
  }
  if (status) *status = kErrNumberFormat;
  return 0;
}

int ParseNumberOfType(const char* text, void* buffer, int code) {
  double v = 0;
  if (!ReadWholeNumber(text, &v)) return kErrNumberFormat;
  switch (code) {
    case kTypeCharacter:
      if (v < -128 || v > 127) return kErrNumberRange;
      if (!IsWhole(v)) return kErrNumberFormat;
      Store(buffer, static_cast<std::int8_t>(v));
      return 0;
    case kTypeSmallInteger:
    case kTypeBoolean:
      if (v < -32768 || v > 32767) return kErrNumberRange;
      if (!IsWhole(v)) return kErrNumberFormat;
      Store(buffer, static_cast<std::int16_t>(v));
      return 0;
    case kTypeInteger:
    case kTypeResPerm:
      if (v < -2147483648.0 || v > 2147483647.0) return kErrNumberRange;
      if (!IsWhole(v)) return kErrNumberFormat;
      Store(buffer, static_cast<std::int32_t>(v));
      return 0;
    case kTypeSmallNumber: {
      // A 32-bit float holds the value to its own precision (0.1 is fine); refused are
      // values beyond its range and non-zero values it can only hold as 0 or denormal.
      if (std::fabs(v) > FLT_MAX) return kErrNumberRange;
      float f = static_cast<float>(v);
      if (v != 0 && std::fabs(static_cast<double>(f) - v) > std::fabs(v) * FLT_EPSILON) {
        return kErrNumberRange;
      }
      Store(buffer, f);
      return 0;
    }
    case kTypeNumber:
      Store(buffer, v);
      return 0;
    default:
      return kErrNoConstants;
  }
}

int CheckCharConstant(const char* text) {
  if (text == nullptr) return kErrBadSymbolOrConstant;
  if (text[0] == '"') return (text[1] != 0 && text[2] == 0) ? 0 : kErrBadSymbolOrConstant;
  double v = 0;
  if (!ReadWholeNumber(SkipApostrophe(text), &v)) return kErrNumberFormat;
  if (v < -128 || v > 127) return kErrValueOutOfRange;
  return 0;
}

int ParseConstantValue(const char* text, void* buffer, int code, int length, int store) {
  if (text == nullptr) return kErrNumberFormat;
  unsigned char scratch[16];
  void* target = (store && buffer != nullptr) ? buffer : scratch;
  if (code == kTypeCharacter) {
    int rc = CheckCharConstant(text);
    if (rc != 0) return rc;
    if (text[0] == '"') {
      Store(target, static_cast<std::int8_t>(text[1]));
      return 0;
    }
    return ParseNumberOfType(SkipApostrophe(text), target, code);
  }
  text = SkipApostrophe(text);
  switch (code) {
    case kTypeString:
    case kTypeVoiceSentence: {
      std::size_t len = std::strlen(text);
      if (length < 1 || len > static_cast<std::size_t>(length - 1)) return kErrStringTooLong;
      if (store && buffer != nullptr) std::memcpy(buffer, text, len + 1);
      return 0;
    }
    case kTypeDateNumber: {
      std::int32_t t = 0;
      int rc = DateTimeToTime(text, &t);
      if (rc == 0 && store && buffer != nullptr) Store(buffer, t);
      return rc;
    }
    case kTypeDateString: {
      int rc = CheckDateTime14(text, false);
      if (rc == 0 && store && buffer != nullptr) std::memcpy(buffer, text, 15);
      return rc;
    }
    default:
      return ParseNumberOfType(text, target, code);
  }
}

int FormatConstantValue(std::string& out, const void* value, int code) {
  char buf[512];
  switch (code) {
    case kTypeCharacter:
      std::snprintf(buf, sizeof buf, "'%d", static_cast<int>(Load<std::int8_t>(value)));
      break;
    case kTypeSmallInteger:
    case kTypeBoolean:
      std::snprintf(buf, sizeof buf, "'%d", static_cast<int>(Load<std::int16_t>(value)));
      break;
    case kTypeInteger:
    case kTypeResPerm:
      std::snprintf(buf, sizeof buf, "'%d", static_cast<int>(Load<std::int32_t>(value)));
      break;
    case kTypeSmallNumber:
      std::snprintf(buf, sizeof buf, "'%f", static_cast<double>(Load<float>(value)));
      break;
    case kTypeNumber:
      std::snprintf(buf, sizeof buf, "'%lf", Load<double>(value));
      break;
    case kTypeString:
    case kTypeVoiceSentence:
    case kTypeDateString:
      out = "'";
      out += static_cast<const char*>(value);
      return 0;
    case kTypeDateNumber: {
      std::int32_t t = Load<std::int32_t>(value);
      out = "'" + (t == 0 ? std::string("19800101000000") : TimeToDateTime(t));
      return 0;
    }
    default:
      return -1;
  }
  out = buf;
  return 0;
}

int GuessConstantType(const char* text, void* buffer) {
  static const int kOrder[] = {kTypeSmallInteger, kTypeInteger, kTypeSmallNumber, kTypeNumber,
                               kTypeCharacter};
  for (int code : kOrder) {
    if (ParseNumberOfType(text, buffer, code) == 0) return code;
  }
  return 0;
}

bool IsNumberText(const char* text, double* value) {
  double v = 0;
  const char* t = SkipApostrophe(text);
  std::size_t used = t ? ReadDecimal(t, &v) : 0;
  if (value) *value = v;
  return v != 0 || (t != nullptr && used != 0 && t[used] == 0);
}

bool IsBlankText(const char* text) {
  if (text == nullptr) return true;
  for (const char* p = text; *p; ++p) {
    if (!std::isspace(static_cast<unsigned char>(*p))) return false;
  }
  return true;
}

bool IsNumberInRange(const char* text, double low, double high) {
  double v = 0;
  return ReadWholeNumber(text, &v) && v >= low && v <= high;
}

bool IsIntegerInRange(const char* text, double low, double high) {
  double v = 0;
  return ReadWholeNumber(text, &v) && v >= low && v <= high && IsWhole(v);
}

int CheckDateTime14(const char* text, bool floor) {
  if (text == nullptr || std::strlen(text) != 14 || !AllDigits(text)) return kErrDateFormat;
  if (floor && std::strcmp(text, "19800101000000") < 0) return kErrDateBefore1980;
  auto field = [&](int at, int len) { return std::atoi(std::string(text + at, static_cast<std::size_t>(len)).c_str()); };
  int month = field(4, 2), day = field(6, 2), hour = field(8, 2), minute = field(10, 2), second = field(12, 2);
  if (month < 1 || month > 12) return kErrMonth;
  if (day < 1 || day > 31) return kErrDayOfMonth;
  if (hour > 23) return kErrHour;
  if (minute > 59) return kErrMinute;
  if (second > 59) return kErrSecond;
  return 0;
}

int DateTimeToTime(const char* text, std::int32_t* time) {
  int rc = CheckDateTime14(text, true);
  if (rc != 0) return rc;
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
  std::sscanf(text, "%04d%02d%02d%02d%02d%02d", &y, &mo, &d, &h, &mi, &s);
  std::tm tm{};
  tm.tm_year = y - 1900;
  tm.tm_mon = mo - 1;
  tm.tm_mday = d;
  tm.tm_hour = h;
  tm.tm_min = mi;
  tm.tm_sec = s;
  tm.tm_isdst = -1;
  std::time_t t = std::mktime(&tm);
  // The value is kept in 32 bits: later dates cannot be stored.
  if (t == static_cast<std::time_t>(-1) || t < 0 || t > static_cast<std::time_t>(INT32_MAX)) {
    return kErrNumberRange;
  }
  if (time) *time = static_cast<std::int32_t>(t);
  return 0;
}

std::string TimeToDateTime(std::int32_t time) {
  std::time_t t = time;
  std::tm* tm = std::localtime(&t);
  if (tm == nullptr) return "19000100000000";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d", tm->tm_year + 1900, tm->tm_mon + 1,
                tm->tm_mday, tm->tm_hour, tm->tm_min, tm->tm_sec);
  return buf;
}

}  // namespace zeph
