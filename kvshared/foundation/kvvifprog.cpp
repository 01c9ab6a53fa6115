// Application files and their descriptions in the program folder.
#include <memory>
#include <string>

#include "foundation/kvfsys.h"
#include "foundation/kvvif.h"
#include "foundation/kvvifpath.h"

using namespace kvvif;

namespace {

// The listing of application files in progress; no other operation touches it.
struct ProgramListing {
    std::string folder;
    std::unique_ptr<KvFileListing> files;
};
ProgramListing g_listing;

int NextProgramFile(char* path)
{
    if (path != nullptr)
        path[0] = '\0';
    if (!g_listing.files)
        return 0;
    KvGetFileSystem().SetCurrentDir(g_listing.folder.c_str());
    std::string name;
    while (g_listing.files->Next(name)) {
        if (!EndsWithNoCase(name, ".ed"))
            continue;
        const auto full = Compose({g_listing.folder.c_str(), name.c_str()});
        if (full && CopyOut(path, *full, kKvPathMax))
            return 1;
    }
    g_listing.files.reset();
    return 0;
}

}  // namespace

int FindFirstProgramFile(char* path)
{
    g_listing.folder = ProgramFolder();
    KvFileSystem& files = KvGetFileSystem();
    files.SetCurrentDir(g_listing.folder.c_str());
    g_listing.files = files.List(g_listing.folder.c_str());
    return NextProgramFile(path);
}

int FindNextProgramFile(char* path)
{
    return NextProgramFile(path);
}

int WriteProgramDescription(const char* name, const char* text)
{
    const std::string folder = ProgramFolder();
    KvGetFileSystem().SetCurrentDir(folder.c_str());
    if (!IsBareName(name))
        return 0;
    const auto path = Compose({folder.c_str(), name, ".dsc"});
    return path ? WriteDescriptionFile(*path, text) : 0;
}

int DeleteProgramFiles(const char* path)
{
    if (path == nullptr)
        return 0;
    // The base name: without folder and extension.
    std::string base = path;
    const auto slash = base.find_last_of("\\/:");
    if (slash != std::string::npos)
        base.erase(0, slash + 1);
    const auto dot = base.rfind('.');
    if (dot != std::string::npos)
        base.erase(dot);
    if (base.empty())
        return 0;

    const std::string folder = ProgramFolder();
    KvFileSystem& files = KvGetFileSystem();
    const auto listing = files.List(folder.c_str());
    std::string name;
    while (listing->Next(name)) {
        // base.* : the base itself with any extension, or without one.
        if (!EqualsNoCase(name, base) && !StartsWithNoCase(name, base + "."))
            continue;
        if (const auto full = Compose({folder.c_str(), name.c_str()}))
            files.Remove(full->c_str());
    }
    return 1;
}

int ProgramDescriptionExists(const char* name)
{
    const std::string folder = ProgramFolder();
    KvFileSystem& files = KvGetFileSystem();
    files.SetCurrentDir(folder.c_str());
    if (!IsBareName(name))
        return 0;
    const auto path = Compose({folder.c_str(), name, ".dsc"});
    return path && files.IsFile(path->c_str()) ? 1 : 0;
}
