// Descriptions of voice and fax items.
#include <optional>
#include <string>

#include "foundation/kvfsys.h"
#include "foundation/kvvif.h"
#include "foundation/kvvifpath.h"

using namespace kvvif;

namespace {

// A name beginning with a lower-case 'v' is a voice item; every other a fax item.
std::optional<std::string> MediaFolder(const char* name)
{
    return SubFolder(name[0] == 'v' ? "Voice" : "Fax");
}

// The item's description path, with its folder made current; nothing for a name that
// is not a bare name or a path that would not fit.
std::optional<std::string> EnterMediaFolder(const char* name)
{
    if (!IsBareName(name))
        return std::nullopt;
    const auto folder = MediaFolder(name);
    if (!folder)
        return std::nullopt;
    KvGetFileSystem().SetCurrentDir(folder->c_str());
    return Compose({folder->c_str(), name, ".dsc"});
}

// Back to the program folder (the media folder's parent).
void LeaveMediaFolder()
{
    KvGetFileSystem().SetCurrentDir(ProgramFolder().c_str());
}

}  // namespace

int ReadMediaDescription(const char* name, char* description)
{
    if (description != nullptr)
        description[0] = '\0';
    const auto path = EnterMediaFolder(name);
    int result = 0;
    if (path && KvGetFileSystem().IsFile(path->c_str()))
        result = ReadDescriptionLine(*path, description) ? 1 : 0;
    LeaveMediaFolder();
    return result;
}

int ReplaceMediaDescription(const char* name, const char* text)
{
    const auto path = EnterMediaFolder(name);
    int result = 0;
    if (path && KvGetFileSystem().IsFile(path->c_str())) {
        KvGetFileSystem().Remove(path->c_str());
        result = WriteMediaDescription(name, text);
    }
    LeaveMediaFolder();
    return result;
}

int WriteMediaDescription(const char* name, const char* text)
{
    const auto path = EnterMediaFolder(name);
    int result = 0;
    if (path) {
        KvGetFileSystem().Remove(path->c_str());
        result = WriteDescriptionFile(*path, text);
    }
    LeaveMediaFolder();
    return result;
}

void DeleteMediaDescription(const char* name)
{
    if (const auto path = EnterMediaFolder(name))
        KvGetFileSystem().Remove(path->c_str());
    LeaveMediaFolder();
}
