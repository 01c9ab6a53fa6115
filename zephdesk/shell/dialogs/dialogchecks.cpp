#include "shell/dialogs/dialogchecks.h"

#include <algorithm>
#include <cctype>
#include <cstring>

std::string CleanBlockName(const std::string& typed) {
    std::string name = typed.substr(0, std::min(typed.size(), kBlockNameMax));
    std::size_t first = 0;
    while (first < name.size() && std::isspace(static_cast<unsigned char>(name[first]))) ++first;
    std::size_t last = name.size();
    while (last > first && std::isspace(static_cast<unsigned char>(name[last - 1]))) --last;
    name = name.substr(first, last - first);
    for (char& c : name)
        if (c == ' ') c = '_';
    return name;
}

std::optional<std::int32_t> ParseZoomEntry(const std::string& entry) {
    if (entry.empty() || entry.size() > 4) return std::nullopt;
    if (!std::isdigit(static_cast<unsigned char>(entry[0]))) return std::nullopt;
    bool percent = false;
    std::int32_t value = 0;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        const char c = entry[i];
        if (std::isdigit(static_cast<unsigned char>(c)) && !percent)
            value = value * 10 + (c - '0');
        else if (c == '%' && !percent)
            percent = true;
        else
            return std::nullopt;
    }
    if (value < 35 || value > 100) return std::nullopt;
    return value;
}

bool IsValidProgramFileName(const std::string& name) {
    static constexpr char kRefused[] = "\"*+,./:;<=>?\\|";
    if (name.empty()) return false;
    for (char c : name)
        if (std::strchr(kRefused, c) != nullptr && c != '\0') return false;
    return true;
}

std::string AboutVersionLine(const std::string& version) {
    return "Flowsmith for Vantora (Build " + version.substr(0, std::min<std::size_t>(version.size(), 31)) + ")";
}

std::string SaveListLine(const std::string& baseName, const std::string& description) {
    return baseName + "\t" + description;
}

std::string SaveListName(const std::string& line) { return line.substr(0, line.find('\t')); }

WindowOrigin CentreOver(const WindowRect& window, const std::optional<WindowRect>& owner, std::int32_t screenWidth,
                        std::int32_t screenHeight) {
    const WindowRect area = owner.value_or(WindowRect{});
    // Integer division rounds towards zero, for negative differences too.
    WindowOrigin at{area.left + (area.Width() - window.Width()) / 2, area.top + (area.Height() - window.Height()) / 2};
    if (at.x < 0 || at.y < 0 || at.x + window.Width() > screenWidth || at.y + window.Height() > screenHeight)
        at = {(screenWidth - window.Width()) / 2, (screenHeight - window.Height()) / 2};
    return at;
}
