// The programs of a command-line build read and written as program files through the
// editor, with the model library's builds. Without windows the loaded program is kept
// here; the designer's variant shows it in page windows instead.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/canvas/modelport.h"
#include "editor/support/headlesshost.h"
#include "shell/batch/batchports.h"

namespace ed {
class EditorHost;
class Program;
}  // namespace ed

class FileBatchPrograms : public BatchPrograms {
public:
    // host answers the editor's questions while a file is read; serverVersion chooses the
    // layout version a resave writes.
    FileBatchPrograms(ed::EditorHost& host, std::string serverVersion);
    ~FileBatchPrograms() override;

    bool Load(const std::string& path, std::ofstream& log) override;
    int Save(const std::string& path, std::ofstream& log) override;
    void ShowMainPage() override;
    int ImportLibraries(std::ofstream& log) override;
    void BuildLibraryGroups() override;
    bool HasUnfinished(bool outsideMain) override;
    bool HasPageBesideMain() override;
    int BuildLibrary(const std::string& path, std::ofstream& log, const BatchOptions& options) override;
    int BuildRunFile(const std::string& path, std::ofstream& log, const BatchOptions& options) override;
    void CloseCurrent() override;

    // The programs loaded and left open ("/load").
    const std::vector<std::unique_ptr<ed::Program>>& OpenPrograms() const { return m_open; }

protected:
    ed::Program* Current() const { return m_pCurrent; }
    // Hands the loaded program to whoever shows it; here it is kept in the open list.
    virtual void Show(std::unique_ptr<ed::Program> program);
    // Closes what shows the current program; here it is dropped from the open list.
    virtual void Close(ed::Program& program);

private:
    ed::EditorHost& m_host;
    std::string m_serverVersion;
    ed::VlxModel m_model;
    ed::VlxImports m_imports;
    std::unique_ptr<ed::Program> m_pLoaded;
    ed::Program* m_pCurrent = nullptr;
    std::vector<std::unique_ptr<ed::Program>> m_open;
};
