#include "shell/operations/localfiles.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "editor/canvas/program.h"
#include "foundation/kvvifpath.h"
#include "framework/definitions/defs_ids.h"
#include "shell/document/kvuserapp.h"
#include "shell/operations/documentframe.h"
#include "shell/operations/filecalls.h"

namespace fs = std::filesystem;

namespace {

bool SameNoCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

std::string KvProgramFolder()
{
    std::string folder = kvvif::ProgramFolder();
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    return folder;
}

std::vector<std::string> KvFilesOfName(const std::string& folder, const std::string& name)
{
    std::vector<std::string> files;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.empty() ? "." : folder, error)) {
        if (entry.is_regular_file(error) && SameNoCase(entry.path().stem().string(), name))
            files.push_back(entry.path().filename().string());
    }
    return files;
}

KvLocalFilesGuard::KvLocalFilesGuard(std::string folder, std::string name)
    : m_folder(std::move(folder)), m_name(std::move(name)), m_aside(m_folder + "~saveas")
{
    std::error_code error;
    for (const std::string& file : KvFilesOfName(m_folder, m_name)) {
        fs::create_directories(m_aside, error);
        fs::rename(m_folder + file, fs::path(m_aside) / file, error);
        if (!error)
            m_kept.push_back(file);
    }
}

KvLocalFilesGuard::~KvLocalFilesGuard() { Commit(); }

void KvLocalFilesGuard::Restore()
{
    if (m_done)
        return;
    m_done = true;
    std::error_code error;
    for (const std::string& file : KvFilesOfName(m_folder, m_name))
        fs::remove(m_folder + file, error);
    for (const std::string& file : m_kept)
        fs::rename(fs::path(m_aside) / file, m_folder + file, error);
    fs::remove(m_aside, error);
}

void KvLocalFilesGuard::Commit()
{
    if (m_done)
        return;
    m_done = true;
    std::error_code error;
    for (const std::string& file : m_kept)
        fs::remove(fs::path(m_aside) / file, error);
    fs::remove(m_aside, error);
}

std::string KvUserApp::GetLocalFilePath()
{
    return KvProgramFolder() + static_cast<const char*>(GetText(F_UA_NAME)) + ".ed";
}

void KvUserApp::DeleteLocalFiles(const char* name)
{
    const std::string base = name != nullptr && *name != '\0' ? name : static_cast<const char*>(GetText(F_UA_NAME));
    const std::string folder = KvProgramFolder();
    std::error_code error;
    for (const std::string& file : KvFilesOfName(folder, base))
        fs::remove(folder + file, error);
}

void KvUserApp::CopyRunToRll(const char* path)
{
    fs::path run(path != nullptr ? path : "");
    run.replace_extension("run");
    fs::path rll = run;
    rll.replace_extension("rll");
    std::error_code error;
    // A failed compile leaves no run file: the library of an earlier build must not be
    // sent in its place.
    if (fs::exists(run, error))
        fs::copy_file(run, rll, fs::copy_options::overwrite_existing, error);
    else
        fs::remove(rll, error);
}

int KvUserApp::WriteAndBuild(int build)
{
    StoreProgramHeader();
    KvDocumentFrame* frame = KvGetDocumentFrame();
    if (frame == nullptr || frame->SaveProgramFile() == 0)
        return 0;
    m_bBuildFailed = false;
    if (build == 0 || IsComplete() == 0 || m_pProgram == nullptr)
        return 1;
    const std::string path = GetLocalFilePath();
    frame->CheckLoops(*m_pProgram);
    m_bBuildFailed = frame->BuildProgram(path, GetInt(F_UA_CUSTOMER), GetInt(F_UA_ID)) != 0;
    if (IsExported() != 0)
        CopyRunToRll(path.c_str());
    return 1;
}

int KvUserApp::Close()
{
    KvFileCalls* calls = KvGetFileCalls();
    const int result = calls != nullptr ? calls->FileClose(1, GetInt(F_UA_ID)) : 60;
    if (result != 0)
        return 1;
    // The local copy goes only once the server has let the application go.
    KvDocumentFrame* frame = KvGetDocumentFrame();
    if (frame != nullptr && !frame->IsStandAlone())
        DeleteLocalFiles("");
    return 0;
}
