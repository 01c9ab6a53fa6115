// Document operations over real program files in a program folder of their own: a frame
// that reads and writes them through the editor and records what it was asked, a scripted
// server for the application calls and the lists, and the workspace with a scripted
// application picker.
#pragma once

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "../../editor/tests/canvas_fixture.h"
#include "complete_program.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/file/programfile.h"
#include "editor/samples/sampleprograms.h"
#include "editor/support/headlesshost.h"
#include "fake_link.h"
#include "foundation/kvreg.h"
#include "foundation/kvvif.h"
#include "framework/definitions/defs_ids.h"
#include "kvlink.h"
#include "shell/document/kvuserapp.h"
#include "shell/operations/documentframe.h"
#include "shell/operations/filecalls.h"
#include "scripted_picker.h"
#include "shell/workspace/kvwinapp.h"
#include "userapp_fixture.h"

class FakeFileCalls : public KvFileCalls {
public:
    std::map<std::string, int> results;  // call name -> result (0 when absent)
    std::vector<std::string> calls;
    int lastComplete = -1;
    std::string lastNewName;

    int FileOpen(KvAppListEntry* app, KvAppInfo* info) override { return Opened(app, Answer("FileOpen", info), info); }
    int FileNew(KvAppListEntry* app, KvAppInfo* info) override { return Opened(app, Answer("FileNew", info), info); }
    int FileOpenOnRecovery(KvRecoveryRecord*) override { return Answer("FileOpenOnRecovery", nullptr); }
    int FileClose(int, int) override { return Answer("FileClose", nullptr); }
    int FileSave(int, int, int complete, int kind, KvAppInfo* info) override
    {
        lastComplete = complete;
        // An accepted export or undo export changes what the server answers.
        if ((kind == 12 || kind == 13) && results["FileSave" + std::to_string(kind)] == 0)
            profile.importable = kind == 12 ? 1 : 0;
        return Answer("FileSave" + std::to_string(kind), info);
    }
    int FileSaveAs(int, int, int complete, int, int newId, const char* newName, int volume, int,
                   KvAppInfo* info) override
    {
        lastComplete = complete;
        lastNewName = newName;
        const int result = Answer("FileSaveAs", nullptr);
        if (result == 0) {
            profile.applicationId = newId;
            std::snprintf(profile.name, sizeof profile.name, "%s", newName);
            profile.volumeId = volume;
            *info = profile;
        }
        return result;
    }
    int FileDelete(int, int applicationId, const char*, int) override
    {
        return Answer("FileDelete " + std::to_string(applicationId), nullptr);
    }

    // What the server answers for the open application.
    KvAppInfo profile{};

private:
    int Answer(const std::string& call, KvAppInfo* info)
    {
        calls.push_back(call);
        auto it = results.find(call);
        const int result = it != results.end() ? it->second : 0;
        if (result == 0 && info != nullptr)
            *info = profile;
        return result;
    }
    int Opened(KvAppListEntry* app, int result, KvAppInfo* info)
    {
        if (result != 0)
            return result;
        profile = KvAppInfo{};
        profile.customerId = 1;
        profile.applicationId = app->applicationId;
        std::snprintf(profile.name, sizeof profile.name, "%s", app->name);
        profile.volumeId = app->volumeId;
        *info = profile;
        return 0;
    }
};

class RecordingFrame : public KvDocumentFrame {
public:
    explicit RecordingFrame(ed::EditorHost& host) : m_host(host) {}
    // The programs go before the model they are registered with.
    ~RecordingFrame() override { programs.clear(); }

    int OpenProgramFile(const std::string& path) override
    {
        log.push_back("open " + std::filesystem::path(path).filename().string());
        std::ostringstream messages;
        std::unique_ptr<ed::Program> program = ed::ProgramFile::Load(path, &messages, m_host, m_model, &m_imports);
        if (!program)
            return 1;
        current = program.get();
        programs.push_back(std::move(program));
        return 0;
    }
    int SaveProgramFile() override
    {
        log.push_back("write");
        if (failWrite || current == nullptr)
            return 0;
        std::ostringstream messages;
        return ed::ProgramFile::Save(current->GetFileName(), *current, &messages, "") == 1 ? 1 : 0;
    }
    ed::Program* CurrentProgram() override { return current; }
    ed::Page* ActivePage(ed::Program& program) override { return program.GetMainPage(); }
    void CloseProgram(ed::Program&) override {}
    int BuildProgram(const std::string& path, int, int) override
    {
        log.push_back("build");
        std::filesystem::path run(path);
        run.replace_extension("run");
        // As the build driver does: a failed compile leaves no run file.
        if (buildResult == 0)
            std::ofstream(run) << "run";
        else
            std::filesystem::remove(run);
        return buildResult;
    }
    void CheckLoops(ed::Program&) override { log.push_back("check loops"); }
    void WarnIncomplete() override { log.push_back("incomplete box"); }
    void StartAutoSave() override { log.push_back("auto-save"); }
    bool IsStandAlone() override { return standAlone; }

    std::vector<std::string> log;
    bool standAlone = false;
    bool failWrite = false;
    int buildResult = 0;
    ed::Program* current = nullptr;
    std::vector<std::unique_ptr<ed::Program>> programs;

private:
    ed::EditorHost& m_host;
    ed::VlxModel m_model;
    ed::VlxImports m_imports;
};

// The active application the workers see.
class ActiveApp : public ActiveApplication {
public:
    bool ActiveName(std::string& name) override
    {
        if (app == nullptr)
            return false;
        name = static_cast<const char*>(app->GetText(F_UA_NAME));
        return true;
    }
    KvUserApp* ActiveUserApp() override { return app; }
    KvUserApp* app = nullptr;
};

class OperationsTest : public UserAppTest {
protected:
    OperationsTest()
    {
        zeph::SetDialogModuleLoader(&ed::test::FakeDialogModule);
        zeph::EnsureLibraryStarted();
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        registry.Set(kKvProductKey, "ProgDir", folder);
        KvSetRegistry(&registry);
        KvSetDocumentFrame(&frame);
        KvSetFileCalls(&calls);
        workspace.SetAppPicker(&picker);
    }
    ~OperationsTest() override
    {
        for (KvUserApp* app : std::vector<KvUserApp*>(workspace.UserApps()))
            workspace.RemoveUserApp(app);
        KvSetFileCalls(nullptr);
        KvSetDocumentFrame(nullptr);
        KvSetRegistry(nullptr);
        zeph::SetDialogModuleLoader(nullptr);
    }

    static std::string LowerTestName()
    {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        for (char& c : name)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        return name;
    }
    // A program file of the folder: a new program, or a complete one (its Attendant
    // block removed, every other block leading to its End block).
    std::string WriteProgram(const std::string& name, bool complete = false)
    {
        const std::string path = folder + name + ".ed";
        std::ostringstream made;
        if (complete) {
            WriteCompleteProgram(path, host);
        } else {
            EXPECT_EQ(ed::WriteNewProgramFile(path, made), 1) << made.str();
        }
        return path;
    }
    // An application opened from its program file, in the workspace.
    KvUserApp* Open(const std::string& name, std::int32_t id, bool complete = false)
    {
        WriteProgram(name, complete);
        auto* app = new KvUserApp(name.c_str());
        app->SetInt(F_UA_ID, id);
        app->Commit();
        EXPECT_EQ(app->Load(KvUserApp::kLoadOpen), 0)
            << app->GetLocalFilePath() << " " << ::testing::PrintToString(frame.log)
            << ::testing::PrintToString(Messages());
        workspace.AddUserApp(app);
        return app;
    }
    bool Exists(const std::string& file) const { return std::filesystem::exists(folder + file); }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    const std::string folder = ::testing::TempDir() + "ops_" + LowerTestName() + "/";
    KvMemoryRegistry registry;
    ed::HeadlessHost host;
    RecordingFrame frame{host};
    FakeFileCalls calls;
    FakeLink link;
    ScopedLink scope{&link};
    ScriptedPicker picker;
    KvWinApp workspace{nullptr};
};
