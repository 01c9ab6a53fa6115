// Exported libraries (".rll") in the export folder.
#include <memory>
#include <string>

#include "foundation/kvfsys.h"
#include "foundation/kvvif.h"
#include "foundation/kvvifpath.h"

using namespace kvvif;

namespace {

// The listing of exported libraries in progress; no other operation touches it.
std::unique_ptr<KvFileListing> g_exports;

std::string CutAtFirstDot(const std::string& name)
{
    return name.substr(0, name.find('.'));
}

int NextExport(char* name, char* description)
{
    if (name != nullptr)
        name[0] = '\0';
    if (description != nullptr)
        description[0] = '\0';
    const std::string program = ProgramFolder();
    KvFileSystem& files = KvGetFileSystem();
    if (const auto folder = SubFolder("Export"))
        files.SetCurrentDir(folder->c_str());
    std::string found;
    bool have = false;
    while (g_exports && g_exports->Next(found)) {
        if (EndsWithNoCase(found, ".rll")) {
            have = true;
            break;
        }
    }
    files.SetCurrentDir(program.c_str());
    if (!have) {
        g_exports.reset();
        return 0;
    }
    const std::string base = CutAtFirstDot(found);
    CopyOut(name, base, kKvPathMax);
    if (const auto dsc = Compose({program.c_str(), base.c_str(), ".dsc"}))
        ReadDescriptionLine(*dsc, description);
    return 1;
}

}  // namespace

int CreateExportRll(const char* name)
{
    const auto folder = SubFolder("Export");
    if (!folder)
        return 0;
    KvFileSystem& files = KvGetFileSystem();
    files.SetCurrentDir(folder->c_str());
    int result = 0;
    if (IsBareName(name)) {
        const std::string base = CutAtFirstDot(name);
        const auto templ = Compose({folder->c_str(), "rll.tpl"});
        const auto target = Compose({folder->c_str(), base.c_str(), ".rll"});
        if (!base.empty() && templ && target)
            result = files.CopyNew(templ->c_str(), target->c_str()) ? 1 : 0;
    }
    files.SetCurrentDir(ProgramFolder().c_str());
    return result;
}

int FindFirstExport(char* name, char* description)
{
    const auto folder = SubFolder("Export");
    g_exports = folder ? KvGetFileSystem().List(folder->c_str()) : nullptr;
    return NextExport(name, description);
}

int FindNextExport(char* name, char* description)
{
    return NextExport(name, description);
}
