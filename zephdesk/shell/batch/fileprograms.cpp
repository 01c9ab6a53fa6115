#include "shell/batch/fileprograms.h"

#include <algorithm>

#include "editor/canvas/program.h"
#include "editor/file/programfile.h"
#include "model/interface/vlx.h"

FileBatchPrograms::FileBatchPrograms(ed::EditorHost& host, std::string serverVersion)
    : m_host(host), m_serverVersion(std::move(serverVersion))
{
}

FileBatchPrograms::~FileBatchPrograms() = default;

bool FileBatchPrograms::Load(const std::string& path, std::ofstream& log)
{
    m_pLoaded = ed::ProgramFile::Load(path, &log, m_host, m_model, &m_imports);
    m_pCurrent = m_pLoaded.get();
    return m_pCurrent != nullptr;
}

int FileBatchPrograms::Save(const std::string& path, std::ofstream& log)
{
    if (m_pCurrent == nullptr)
        return 0;
    return ed::ProgramFile::Save(path, *m_pCurrent, &log, m_serverVersion);
}

void FileBatchPrograms::ShowMainPage()
{
    if (m_pCurrent == nullptr)
        return;
    m_pCurrent->ClearModified();
    if (m_pLoaded)
        Show(std::move(m_pLoaded));
}

void FileBatchPrograms::Show(std::unique_ptr<ed::Program> program) { m_open.push_back(std::move(program)); }

void FileBatchPrograms::Close(ed::Program& program)
{
    m_open.erase(std::remove_if(m_open.begin(), m_open.end(),
                                [&](const std::unique_ptr<ed::Program>& open) { return open.get() == &program; }),
                 m_open.end());
}

int FileBatchPrograms::ImportLibraries(std::ofstream& log)
{
    return m_pCurrent != nullptr ? vlxImportAllRLLs(m_pCurrent->Handle(), &log) : 0;
}

void FileBatchPrograms::BuildLibraryGroups()
{
    if (m_pCurrent != nullptr)
        m_pCurrent->BuildImportGroups();
}

bool FileBatchPrograms::HasUnfinished(bool outsideMain)
{
    return m_pCurrent != nullptr && m_pCurrent->SearchPages(outsideMain ? 1 : 0) == 0;
}

bool FileBatchPrograms::HasPageBesideMain() { return m_pCurrent != nullptr && m_pCurrent->SearchPages(2) == 0; }

int FileBatchPrograms::BuildLibrary(const std::string& path, std::ofstream& log, const BatchOptions& options)
{
    if (m_pCurrent == nullptr)
        return 1;
    m_pCurrent->Activate();
    return vlxBuildLibrary(path.c_str(), 0, &log, options.logToTrace, options.useTemplates, options.useStubs);
}

int FileBatchPrograms::BuildRunFile(const std::string& path, std::ofstream& log, const BatchOptions& options)
{
    if (m_pCurrent == nullptr)
        return 1;
    m_pCurrent->Activate();
    const ed::ApplicationInfo& header = m_pCurrent->AppInfo();
    return vlxBuildProgram(path.c_str(), header.custID, header.appID, 0, &log, options.logToTrace,
                           options.useTemplates, options.useStubs);
}

void FileBatchPrograms::CloseCurrent()
{
    ed::Program* program = m_pCurrent;
    m_pCurrent = nullptr;
    if (m_pLoaded) {
        m_pLoaded.reset();
        return;
    }
    if (program != nullptr)
        Close(*program);
}
