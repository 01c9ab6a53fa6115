#include "dir_text.h"

#include <cstdlib>
#include <cstring>

#include "link_log.h"

namespace zlink {

bool HoldsSeparator(const std::string& text) {
    return text.find(kValueSep) != std::string::npos || text.find(kAttribSep) != std::string::npos ||
           text.find(kMultiSep) != std::string::npos;
}

void AttrString::Append(const char* name, const std::string& value, bool last) {
    m_text += name;
    m_text += kValueSep;
    m_text += value;
    if (!last) m_text += kAttribSep;
}

void AttrString::Text(const char* name, const std::string& value, bool last) {
    if (HoldsSeparator(value)) {
        m_refused = true;
        log_message(1, "AttrString - refused a value of %s holding a separator\n", name);
    }
    Append(name, value, last);
}

void AttrString::Int(const char* name, std::int32_t value, bool last) { Append(name, std::to_string(value), last); }

void AttrString::Time(const char* name, std::int64_t seconds, bool last) { Append(name, std::to_string(seconds), last); }

void Filter::Reset(const char* objectClass) {
    m_text.clear();
    m_refused = false;
    if (objectClass) m_text = std::string("(&(objectclass=") + objectClass + "))";
}

void Filter::Clause(FilterOp op, const char* attribute, const std::string& value) {
    if (m_text.empty()) return;
    m_text.pop_back();
    const std::string a = attribute;
    switch (op) {
        case kEqual: m_text += "(" + a + "=" + value + "))"; break;
        case kAtLeast: m_text += "(" + a + ">=" + value + "))"; break;
        case kAtMost: m_text += "(" + a + "<=" + value + "))"; break;
        case kLessThan: m_text += "(!(" + a + ">=" + value + ")))"; break;
        case kGreaterThan: m_text += "(!(" + a + "<=" + value + ")))"; break;
    }
}

void Filter::Add(FilterOp op, const char* attribute, std::int32_t value) { Clause(op, attribute, std::to_string(value)); }

void Filter::Add(FilterOp op, const char* attribute, const std::string& value) {
    if (HoldsSeparator(value)) {
        m_refused = true;
        log_message(1, "Filter - refused a value of %s holding a separator\n", attribute);
    }
    Clause(op, attribute, EscapeFilterValue(value));
}

std::string EscapeFilterValue(const std::string& value) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : value) {
        if (c == '*' || c == '(' || c == ')' || c == '\\' || c == 0) {
            out += '\\';
            out += digits[c >> 4];
            out += digits[c & 15];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

AttrList::AttrList(std::initializer_list<const char*> names) {
    std::size_t i = 0;
    for (const char* name : names) {
        if (m_full) break;
        Add(name, ++i == names.size());
        if (m_full) break;
    }
}

bool AttrList::Add(const char* name, bool last) {
    std::string next = m_text + name;
    if (!last) next += ",";
    if (next.size() >= 1024) {
        log_message(1, "CAttrList::Add - could not add attribute: %s to list", name);
        m_full = true;
        return false;
    }
    m_text = next;
    return true;
}

bool TakeField(std::string& s, std::string& out, const char* separator) {
    if (s.empty()) return false;
    const std::size_t at = s.find(separator);
    if (at == std::string::npos) {
        out = s;
        s.clear();
    } else {
        out = s.substr(0, at);
        s.erase(0, at + std::strlen(separator));
    }
    return true;
}

bool TakeField(std::string& s, std::int32_t& out, const char* separator) {
    std::string text;
    if (!TakeField(s, text, separator)) return false;
    out = static_cast<std::int32_t>(std::strtol(text.c_str(), nullptr, 10));
    return true;
}

bool TakeField(std::string& s, std::int64_t& out, const char* separator) {
    std::string text;
    if (!TakeField(s, text, separator)) return false;
    out = std::strtoll(text.c_str(), nullptr, 10);
    return true;
}

bool TakeField(std::string& s, char* out, std::size_t limit, const char* separator) {
    if (!out) return false;
    std::string text;
    if (!TakeField(s, text, separator)) return false;
    const std::size_t n = text.size() < limit ? text.size() : limit;
    std::memcpy(out, text.data(), n);
    out[n] = 0;
    return true;
}

std::string HexEncode(const unsigned char* bytes, std::size_t count) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < count; ++i) {
        out += digits[bytes[i] >> 4];
        out += digits[bytes[i] & 15];
    }
    return out;
}

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

bool HexDecode(const std::string& text, unsigned char* out, std::size_t capacity, std::size_t* length) {
    std::size_t n = 0;
    bool ok = true;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        if (i + 1 >= text.size()) { ok = false; break; }
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0 || n >= capacity) { ok = false; break; }
        out[n++] = static_cast<unsigned char>(high * 16 + low);
    }
    if (length) *length = n;
    return ok;
}

void LocalTimeFields(std::int64_t seconds, std::int32_t fields[9]) {
    for (int i = 0; i < 9; ++i) fields[i] = 0;
    if (seconds == -1) seconds = 0;
    if (seconds < 0) return;
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
#if defined(_WIN32)
    if (localtime_s(&tm, &t) != 0) return;
#else
    if (!localtime_r(&t, &tm)) return;
#endif
    const int values[9] = {tm.tm_sec, tm.tm_min, tm.tm_hour, tm.tm_mday, tm.tm_mon,
                           tm.tm_year, tm.tm_wday, tm.tm_yday, tm.tm_isdst};
    for (int i = 0; i < 9; ++i) fields[i] = values[i];
}

std::int64_t SecondsOfTimeFields(const std::int32_t fields[9]) {
    std::tm tm{};
    tm.tm_sec = fields[0];
    tm.tm_min = fields[1];
    tm.tm_hour = fields[2];
    tm.tm_mday = fields[3];
    tm.tm_mon = fields[4];
    tm.tm_year = fields[5];
    tm.tm_isdst = -1;
    if (tm.tm_mday == 0) return 0;
    const std::time_t t = std::mktime(&tm);
    return t < 0 ? 0 : static_cast<std::int64_t>(t);
}

void CopyText(char* out, std::size_t size, const std::string& text) {
    if (!out || size == 0) return;
    const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(out, text.data(), n);
    out[n] = 0;
}

}  // namespace zlink
