#include "dialog_fixture.h"

#include <filesystem>
#include <memory>
#include <string>

namespace {

std::filesystem::path ProgramFolder()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

}  // namespace

TModule& TestProgramModule()
{
    static TModule module("foundation_tests", ::GetModuleHandleA(nullptr));
    return module;
}

TModule& PaneModule()
{
    static TModule module("zephpane.dll");
    return module;
}

// The copy is named after the process, since test processes run side by side, and is
// removed again when the process ends.
TModule& PaneCopyModule()
{
    struct Copy {
        Copy()
        {
            path = std::filesystem::temp_directory_path() /
                   ("zephpane_copy_" + std::to_string(::GetCurrentProcessId()) + ".dll");
            std::error_code ignored;
            std::filesystem::copy_file(ProgramFolder() / "zephpane.dll", path,
                                       std::filesystem::copy_options::overwrite_existing, ignored);
            module = std::make_unique<TModule>(path.string().c_str());
        }
        ~Copy()
        {
            module.reset();
            std::error_code ignored;
            std::filesystem::remove(path, ignored);
        }
        std::filesystem::path path;
        std::unique_ptr<TModule> module;
    };
    static Copy copy;
    return *copy.module;
}

TestProgramModules::TestProgramModules(TModule* mainModule, TModule* dialogLibrary)
    : m_main(mainModule), m_library(dialogLibrary), m_previous(KvGetDialogModules())
{
    KvSetDialogModules(this);
}

TestProgramModules::~TestProgramModules()
{
    KvSetDialogModules(m_previous);
}

RecordingHelpEngine::RecordingHelpEngine(bool starts) : m_starts(starts)
{
    KvSetHelpEngine(this);
}

RecordingHelpEngine::~RecordingHelpEngine()
{
    KvSetHelpEngine(nullptr);
}

bool RecordingHelpEngine::Show(HWND window, const char* path, UINT command, std::uintptr_t data)
{
    m_requests.push_back({window, path != nullptr ? path : "", command, data});
    return m_starts;
}
