#include "foundation/kvtextesc.h"

namespace {

const std::string kEnter = "^Enter^";
const std::string kExactOpen = "^Exact";

void ReplaceAll(std::string& text, const std::string& from, const std::string& to)
{
    std::size_t pos = 0;
    while ((pos = text.find(from, pos)) != std::string::npos) {
        text.replace(pos, from.size(), to);
        pos += to.size();
    }
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string KvEscapeFieldText(const std::string& value)
{
    std::string text = value;
    ReplaceAll(text, ",", "~,");
    ReplaceAll(text, "\r\n", kEnter);
    ReplaceAll(text, "\n", kEnter);
    if (!text.empty() && text.back() == '~')
        text += "~,";
    return text;
}

std::string KvRestoreLineEnds(const std::string& fieldText)
{
    std::string text = fieldText;
    ReplaceAll(text, kEnter, "\r\n");
    return text;
}

bool KvTakeFieldText(std::string& line, std::size_t& pos, const std::string& separator, std::string& fieldText)
{
    std::size_t from = pos;
    for (;;) {
        const std::size_t found = line.find(separator, from);
        if (found == std::string::npos)
            return false;
        if (found > pos && line[found - 1] == '~') {
            line.erase(found - 1, 1);
            from = found - 1 + (separator.empty() ? 1 : separator.size());
            continue;
        }
        fieldText = line.substr(pos, found - pos);
        pos = found + separator.size();
        return true;
    }
}

bool KvFieldTextIsExact(const std::string& value)
{
    std::string line = KvEscapeFieldText(value) + ",";
    std::size_t pos = 0;
    std::string fieldText;
    return KvTakeFieldText(line, pos, ",", fieldText) && KvRestoreLineEnds(fieldText) == value;
}

std::string KvFormatExactTail(const std::vector<KvExactValue>& values)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string tail;
    for (const KvExactValue& v : values) {
        tail += kExactOpen;
        tail += std::to_string(v.fieldIndex);
        tail += '=';
        for (unsigned char c : v.value) {
            tail += kHex[c >> 4];
            tail += kHex[c & 0x0F];
        }
        tail += '^';
    }
    return tail;
}

bool KvParseExactTail(const std::string& tail, std::vector<KvExactValue>& values)
{
    std::vector<KvExactValue> parsed;
    std::size_t pos = 0;
    while (pos < tail.size()) {
        if (tail.compare(pos, kExactOpen.size(), kExactOpen) != 0)
            return false;
        pos += kExactOpen.size();
        KvExactValue item;
        const std::size_t digitsStart = pos;
        while (pos < tail.size() && tail[pos] >= '0' && tail[pos] <= '9') {
            if (pos - digitsStart >= 5)
                return false;
            item.fieldIndex = item.fieldIndex * 10 + static_cast<std::size_t>(tail[pos] - '0');
            ++pos;
        }
        if (pos == digitsStart || pos >= tail.size() || tail[pos] != '=')
            return false;
        ++pos;
        for (;;) {
            if (pos >= tail.size())
                return false;
            if (tail[pos] == '^')
                break;
            if (pos + 1 >= tail.size())
                return false;
            const int hi = HexDigit(tail[pos]);
            const int lo = HexDigit(tail[pos + 1]);
            if (hi < 0 || lo < 0)
                return false;
            item.value += static_cast<char>((hi << 4) | lo);
            pos += 2;
        }
        ++pos;  // the closing "^"
        parsed.push_back(std::move(item));
    }
    values = std::move(parsed);
    return true;
}
