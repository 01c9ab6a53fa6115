#include "foundation/kvfsys.h"

#include <algorithm>
#include <cctype>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

KvFileSystem* g_current = nullptr;

bool SameNameNoCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsHiddenName(const std::string& name)
{
    return !name.empty() && name[0] == '.';
}

// An existing entry of folder whose name equals name without regard to case.
bool FindEntryNoCase(const fs::path& folder, const std::string& name, fs::path& found)
{
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (SameNameNoCase(entry, name)) {
            found = folder / entry;
            return true;
        }
    }
    return false;
}

// Follows each part of a relative Windows-form path below base.
fs::path Follow(fs::path base, const std::string& rest)
{
    std::string part;
    auto append = [&base](const std::string& name) {
        if (name.empty())
            return;
        std::error_code ec;
        fs::path exact = base / name;
        fs::path found;
        if (name == "." || name == ".." || fs::exists(exact, ec) || !FindEntryNoCase(base, name, found))
            base = exact;
        else
            base = found;
    };
    for (char c : rest) {
        if (c == '\\' || c == '/') {
            append(part);
            part.clear();
        } else {
            part.push_back(c);
        }
    }
    append(part);
    return base;
}

class VectorListing : public KvFileListing {
public:
    explicit VectorListing(std::vector<std::string> names) : m_names(std::move(names)) {}
    bool Next(std::string& name) override
    {
        if (m_next >= m_names.size())
            return false;
        name = m_names[m_next++];
        return true;
    }

private:
    std::vector<std::string> m_names;
    std::size_t m_next = 0;
};

}  // namespace

void KvPortableFileSystem::MapDrive(char letter, const fs::path& root)
{
    m_drives[static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))] = root;
}

bool KvPortableFileSystem::Translate(const char* path, fs::path& out) const
{
    if (path == nullptr || *path == '\0')
        return false;
    const std::string text(path);
    if (text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) && text[1] == ':') {
        const auto drive = m_drives.find(static_cast<char>(std::toupper(static_cast<unsigned char>(text[0]))));
        if (drive != m_drives.end()) {
            out = Follow(drive->second, text.substr(2));
            return true;
        }
#if defined(_WIN32)
        out = fs::path(text);
        return true;
#else
        return false;
#endif
    }
#if defined(_WIN32)
    out = fs::path(text);
#else
    if (text[0] == '/' || text[0] == '\\')
        out = Follow(fs::path("/"), text.substr(1));
    else
        out = Follow(fs::path(), text);
#endif
    return true;
}

bool KvPortableFileSystem::SetCurrentDir(const char* path)
{
    fs::path host;
    if (!Translate(path, host))
        return false;
    std::error_code ec;
    fs::current_path(host, ec);
    return !ec;
}

std::unique_ptr<KvFileListing> KvPortableFileSystem::List(const char* folder)
{
    std::vector<std::string> names;
    fs::path host;
    if (Translate(folder, host)) {
        std::error_code ec;
        for (fs::directory_iterator it(host, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code typeError;
            const std::string name = it->path().filename().string();
            if (it->is_regular_file(typeError) && !IsHiddenName(name))
                names.push_back(name);
        }
        std::sort(names.begin(), names.end());
    }
    return std::make_unique<VectorListing>(std::move(names));
}

bool KvPortableFileSystem::IsFile(const char* path)
{
    fs::path host;
    if (!Translate(path, host))
        return false;
    std::error_code ec;
    return fs::is_regular_file(host, ec) && !IsHiddenName(host.filename().string());
}

bool KvPortableFileSystem::CreateNew(const char* path)
{
    fs::path host;
    if (!Translate(path, host))
        return false;
    std::error_code ec;
    if (fs::exists(host, ec))
        return false;
    std::FILE* file = std::fopen(host.string().c_str(), "wb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

bool KvPortableFileSystem::CopyNew(const char* from, const char* to)
{
    fs::path source, target;
    if (!Translate(from, source) || !Translate(to, target))
        return false;
    std::error_code ec;
    if (!fs::is_regular_file(source, ec) || fs::exists(target, ec))
        return false;
    return fs::copy_file(source, target, fs::copy_options::none, ec) && !ec;
}

bool KvPortableFileSystem::Remove(const char* path)
{
    fs::path host;
    if (!Translate(path, host))
        return false;
    std::error_code ec;
    return fs::is_regular_file(host, ec) && fs::remove(host, ec);
}

std::FILE* KvPortableFileSystem::Open(const char* path, const char* mode)
{
    fs::path host;
    if (!Translate(path, host))
        return nullptr;
    return std::fopen(host.string().c_str(), mode);
}

KvFileSystem& KvGetFileSystem()
{
    return g_current != nullptr ? *g_current : KvPlatformFileSystem();
}

void KvSetFileSystem(KvFileSystem* fileSystem)
{
    g_current = fileSystem;
}
