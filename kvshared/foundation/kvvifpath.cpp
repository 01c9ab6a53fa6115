#include "foundation/kvvifpath.h"

#include <cctype>
#include <cstring>

#include "foundation/kvfsys.h"
#include "foundation/kvvif.h"

namespace kvvif {

namespace {

char Lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

}  // namespace

std::optional<std::string> Compose(std::initializer_list<const char*> parts)
{
    std::string out;
    for (const char* part : parts) {
        if (part == nullptr)
            return std::nullopt;
        out += part;
        if (out.size() + 1 > static_cast<std::size_t>(kKvPathMax))
            return std::nullopt;
    }
    return out;
}

bool CopyOut(char* dst, const std::string& text, std::size_t capacity)
{
    if (dst == nullptr || capacity == 0)
        return false;
    if (text.size() + 1 > capacity) {
        dst[0] = '\0';
        return false;
    }
    std::memcpy(dst, text.c_str(), text.size() + 1);
    return true;
}

bool IsBareName(const char* name)
{
    return name != nullptr && *name != '\0' && std::strpbrk(name, "\\/:") == nullptr;
}

bool EqualsNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    }
    return true;
}

bool StartsWithNoCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && EqualsNoCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithNoCase(const std::string& text, const char* suffix)
{
    const std::size_t n = std::strlen(suffix);
    return text.size() >= n && EqualsNoCase(text.substr(text.size() - n), suffix);
}

std::string ProgramFolder()
{
    char folder[kKvPathMax];
    if (GetProgDir(folder))
        return folder;
    return kKvDefaultProgDir;
}

std::optional<std::string> SubFolder(const char* sub)
{
    const std::string program = ProgramFolder();
    const char separator[2] = {program.back(), '\0'};
    return Compose({program.c_str(), sub, separator});
}

int WriteDescriptionFile(const std::string& path, const char* text)
{
    KvFileSystem& files = KvGetFileSystem();
    if (!files.CreateNew(path.c_str()))
        return 0;
    std::FILE* file = files.Open(path.c_str(), "wb");
    if (file == nullptr)
        return 0;
    bool ok = true;
    for (const char* p = text != nullptr ? text : ""; *p != '\0' && ok; ++p) {
        if (*p == '\n')
            ok = std::fputc('\r', file) != EOF;
        ok = ok && std::fputc(*p, file) != EOF;
    }
    ok = ok && std::fputc('\0', file) != EOF;
    ok = (std::fclose(file) == 0) && ok;
    return ok ? 1 : 0;
}

bool ReadDescriptionLine(const std::string& path, char* description)
{
    if (description == nullptr)
        return false;
    description[0] = '\0';
    std::FILE* file = KvGetFileSystem().Open(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    int n = 0;
    for (int c; n < kKvDescriptionMax - 1 && (c = std::fgetc(file)) != EOF && c != '\n' && c != '\0';)
        description[n++] = static_cast<char>(c);
    if (n > 0 && description[n - 1] == '\r')
        --n;
    description[n] = '\0';
    std::fclose(file);
    return true;
}

}  // namespace kvvif
