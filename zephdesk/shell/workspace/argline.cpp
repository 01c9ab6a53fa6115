#include "shell/workspace/argline.h"

#include <cctype>
#include <cstdint>

namespace {

constexpr char kSeparator[] = " : ";
constexpr std::size_t kSeparatorLength = 3;

std::string CutField(std::string& line) {
    std::size_t at = line.find(kSeparator);
    std::string field = at == std::string::npos ? std::string() : line.substr(0, at);
    line = StripField(line);
    return field;
}

std::int32_t NumberOf(const std::string& text) {
    std::string t = TrimLine(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
    std::int64_t value = 0;
    for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i) {
        value = value * 10 + (t[i] - '0');
        if (value > INT32_MAX) value = std::int64_t(INT32_MAX) + 1;  // saturates below
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return std::int32_t(value);
}

}  // namespace

std::string TrimLine(const std::string& line) {
    const char* blanks = " \t\r\n\f\v";
    std::size_t b = line.find_first_not_of(blanks);
    if (b == std::string::npos) return {};
    return line.substr(b, line.find_last_not_of(blanks) - b + 1);
}

std::string StripField(const std::string& line) {
    std::size_t at = line.find(kSeparator);
    return at == std::string::npos ? std::string() : line.substr(at + kSeparatorLength);
}

std::int32_t TakeNumberField(std::string& line) { return NumberOf(CutField(line)); }

std::int32_t TakeTextField(std::string& line, std::string& text) {
    text = CutField(line);
    return NumberOf(text);
}

LoginFields ReadLoginFields(const std::string& commandLine) {
    LoginFields f;
    std::string line = TrimLine(commandLine);
    std::string unused;
    TakeTextField(line, unused);                // 1: product name
    TakeTextField(line, f.systemValue);         // 2
    TakeTextField(line, f.serverName);          // 3
    TakeNumberField(line);                      // 4
    TakeTextField(line, f.serverAddress);       // 5
    f.startFlag = TakeNumberField(line);        // 6
    TakeTextField(line, unused);                // 7
    TakeTextField(line, unused);                // 8
    TakeTextField(line, f.userId);              // 9
    TakeNumberField(line);                      // 10
    f.customer = TakeNumberField(line);         // 11
    TakeNumberField(line);                      // 12
    TakeTextField(line, f.password);            // 13
    TakeTextField(line, f.locationId);          // 14
    TakeTextField(line, f.contextId);           // 15
    f.sslPort = TakeNumberField(line);          // 16
    f.sslLevel = TakeNumberField(line);         // 17
    f.launchNumber = TakeNumberField(line);     // 18
    return f;
}
