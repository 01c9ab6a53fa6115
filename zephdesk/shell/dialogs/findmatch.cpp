#include "shell/dialogs/findmatch.h"

#include <cstring>
#include <string>

namespace {

// Only a to z are folded: other bytes compare as they are.
char FoldLetter(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string Folded(const char* text, std::size_t length)
{
    std::string out(text, length);
    for (char& c : out)
        c = FoldLetter(c);
    return out;
}

}  // namespace

bool MatchesSearchText(const char* searchText, const char* symbolName)
{
    if (searchText == nullptr || symbolName == nullptr)
        return false;
    const char* name = symbolName;
    if (const char* dollar = std::strchr(name, '$'))
        name = dollar + 1;

    const char* text = searchText;
    while (*text != '\0' && *text != '*') {
        if (FoldLetter(*text) != FoldLetter(*name))
            return false;
        ++text;
        ++name;
    }
    if (*text == '\0')
        return *name == '\0';
    // *text is the star.
    const char* rest = text + 1;
    if (*rest == '\0')
        return true;
    std::size_t restLength = std::strlen(rest);
    const bool anywhere = rest[restLength - 1] == '*';
    if (anywhere)
        --restLength;
    const std::string wanted = Folded(rest, restLength);
    const std::string tail = Folded(name, std::strlen(name));
    if (anywhere)
        return tail.find(wanted) != std::string::npos;
    return tail.size() >= wanted.size() && tail.compare(tail.size() - wanted.size(), wanted.size(), wanted) == 0;
}
