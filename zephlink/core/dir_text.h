// The text forms in which attributes, values and filters travel to the directory
// component: attribute strings "name~{value}~v~{attrib}~name2~{value}~v1~{mv}~v2", entry
// strings of values joined by "~{value}~", filters in prefix notation, attribute-name
// lists joined by ",", and a hexadecimal codec for binary values.
#pragma once
#include <cstdint>
#include <ctime>
#include <initializer_list>
#include <string>

namespace zlink {

inline constexpr const char kValueSep[] = "~{value}~";
inline constexpr const char kAttribSep[] = "~{attrib}~";
inline constexpr const char kMultiSep[] = "~{mv}~";

// True when text holds one of the three separators (it would split the attribute string).
bool HoldsSeparator(const std::string& text);

// An attribute string being built. A text value holding a separator marks the string as
// refused, so that the caller sends nothing.
class AttrString {
public:
    void Text(const char* name, const std::string& value, bool last = false);
    void Int(const char* name, std::int32_t value, bool last = false);
    void Short(const char* name, std::int16_t value, bool last = false) { Int(name, value, last); }
    void Time(const char* name, std::int64_t seconds, bool last = false);
    const std::string& str() const { return m_text; }
    bool Refused() const { return m_refused; }

private:
    void Append(const char* name, const std::string& value, bool last);
    std::string m_text;
    bool m_refused = false;
};

// Filter operators.
enum FilterOp { kEqual = 1, kAtLeast = 2, kAtMost = 3, kLessThan = 4, kGreaterThan = 5 };

// "(&(objectclass=X)...)" kept closed after every clause; text values are escaped
// (RFC 4515), and a value holding a separator marks the filter as refused.
class Filter {
public:
    explicit Filter(const char* objectClass = nullptr) { Reset(objectClass); }
    void Reset(const char* objectClass);
    void Add(FilterOp op, const char* attribute, std::int32_t value);
    void Add(FilterOp op, const char* attribute, const std::string& value);
    const std::string& str() const { return m_text; }
    bool Refused() const { return m_refused; }

private:
    void Clause(FilterOp op, const char* attribute, const std::string& value);
    std::string m_text;
    bool m_refused = false;
};

std::string EscapeFilterValue(const std::string& value);

// Attribute names for a search, joined by "," in at most 1023 characters.
class AttrList {
public:
    AttrList() = default;
    // All names in order; the name that does not fit and every later one are dropped.
    AttrList(std::initializer_list<const char*> names);
    // One name; no "," after the last. A name that does not fit is skipped (and logged).
    bool Add(const char* name, bool last);
    const std::string& str() const { return m_text; }

private:
    std::string m_text;
    bool m_full = false;
};

// Cuts the text before the first separator off the front of s (all of s when there is
// none) and removes it with the separator; false when s is empty.
bool TakeField(std::string& s, std::string& out, const char* separator = kValueSep);
bool TakeField(std::string& s, std::int32_t& out, const char* separator = kValueSep);
bool TakeField(std::string& s, std::int64_t& out, const char* separator = kValueSep);
// Copies at most limit characters into out (which holds limit + 1) and terminates it.
bool TakeField(std::string& s, char* out, std::size_t limit, const char* separator = kValueSep);
// The same with "~{mv}~", for the values of a multi-valued attribute.
template <class T>
bool TakeMultiField(std::string& s, T& out) { return TakeField(s, out, kMultiSep); }

// Two upper-case hexadecimal digits per byte, high half first.
std::string HexEncode(const unsigned char* bytes, std::size_t count);
// Pairs of digits into bytes (at most capacity); false at any other character or an odd tail.
bool HexDecode(const std::string& text, unsigned char* out, std::size_t capacity, std::size_t* length = nullptr);

// Seconds since 1970 as local broken-down time in nine ints; a value the conversion
// cannot take gives all zeros; -1 is read as 0.
void LocalTimeFields(std::int64_t seconds, std::int32_t fields[9]);
std::int64_t SecondsOfTimeFields(const std::int32_t fields[9]);

// Bounded copy: at most size - 1 characters, always terminated.
void CopyText(char* out, std::size_t size, const std::string& text);

}  // namespace zlink
