// A command-line build over real program files in a folder of its own: the editor reads
// and writes them, the model library builds them, the clock is fixed and the status
// dialog and main window record what they were asked.
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
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
#include "foundation/kvreg.h"
#include "foundation/kvvif.h"
#include "programfile/build/include_files.h"
#include "model/interface/vlx.h"
#include "shell/app/cmdlinestate.h"
#include "shell/batch/batchrun.h"
#include "shell/batch/fileprograms.h"

class FixedBatchClock : public BatchClock {
public:
    // Fri Dec 11 12:00:00 2026
    std::tm Now() override
    {
        std::tm time{};
        time.tm_year = 126;
        time.tm_mon = 11;
        time.tm_mday = 11;
        time.tm_wday = 5;
        time.tm_hour = 12;
        return time;
    }
};

class RecordingBatchStatus : public BatchStatus {
public:
    void Open() override { events.push_back("open"); }
    void Show(const std::string& text, const std::string& caption) override
    {
        events.push_back(caption + " | " + text);
    }
    void Close() override { events.push_back("close"); }
    std::vector<std::string> events;
};

class RecordingBatchWindow : public BatchWindow {
public:
    void Show(bool visible) override { shown.push_back(visible); }
    std::vector<bool> shown;
};

class BatchTest : public ::testing::Test {
protected:
    BatchTest()
    {
        zeph::SetDialogModuleLoader(&ed::test::FakeDialogModule);
        palette = LoadPalette(host);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        // Switches are separated by "/", so the runs name their files without folders.
        std::filesystem::current_path(folder);
        // The builds find the system include files in the test's folder.
        registry.Set(kKvProductKey, "IncludeDir", folder);
        KvSetRegistry(&registry);
        EXPECT_EQ(zeph::WriteIncludeFiles(folder), 0);
        ResetBatchFlags();
    }
    ~BatchTest() override
    {
        ResetBatchFlags();
        KvSetRegistry(nullptr);
        zeph::SetDialogModuleLoader(nullptr);
        std::filesystem::current_path(m_previousFolder);
    }

    // The flags a run leaves for the exit code and the model library's process-wide ones.
    static void ResetBatchFlags()
    {
        g_bCmdLineExitAfterBuild = false;
        g_nCmdLineBuildError = 0;
        _appErrorExists = 0;
        _clbFailure = 0;
        _UnconditionalBuild = 0;
        _IgnoreVoiceSentenceError = 0;
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    void WriteText(const std::string& name, const std::string& text)
    {
        std::ofstream out(folder + name);
        out << text;
    }
    std::string Sample(const std::string& name = "sample.ed")
    {
        std::ostringstream made;
        EXPECT_EQ(ed::WriteSampleProgramFile(folder + name, made), 1) << made.str();
        return folder + name;
    }
    // A complete program: a new program without its Attendant block, whose Begin and
    // Rotary blocks lead to its End block.
    std::string Complete(const std::string& name = "complete.ed")
    {
        WriteCompleteProgram(folder + name, host);
        return name;
    }
    std::string Broken(const std::string& name = "broken.ed")
    {
        WriteBrokenSample(folder + name, host);
        return name;
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(folder + name); }

    // Lower-case, since an input file's lines are lower-cased before they are used.
    static std::string LowerTestName()
    {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        for (char& c : name)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        return name;
    }
    const std::string folder = ::testing::TempDir() + "batch_" + LowerTestName() + "/";
    KvMemoryRegistry registry;
    const std::filesystem::path m_previousFolder = std::filesystem::current_path();
    ed::HeadlessHost host;
    std::unique_ptr<ed::PaletteIconList> palette;
    FileBatchPrograms programs{host, ""};
    FixedBatchClock clock;
    RecordingBatchStatus status;
    RecordingBatchWindow window;
    std::ostringstream errors;
    BatchRun run{BatchContext{programs, status, window, clock, folder + "CMDLINE.LOG", errors}};
};
