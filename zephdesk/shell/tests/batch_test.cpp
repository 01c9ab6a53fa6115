// The command-line build: its switches and option words, and the logs of whole runs over
// the sample program and a broken copy of it, compared with golden logs written at a fixed time.
#include <gtest/gtest.h>

#include <cstdlib>

#include "batch_fixture.h"

namespace {

struct LineCase {
    const char* line;
    bool valid;
    bool batchMode;
    const char* build;
    const char* resave;
};

TEST(BatchLineTest, SwitchesAndTheirValues)
{
    const LineCase cases[] = {
        // The value runs to the next "/", blanks before it included.
        {"/build x.ed /resave y.ed", true, true, "x.ed ", "y.ed"},
        // Only the switch letter is compared exactly.
        {"/bUILD x.ed", true, true, "x.ed", ""},
        {"/Build x.ed", false, false, "", ""},
        // Words beginning with "f" or "s" are passed over with their values.
        {"/fast 1 /build x.ed", true, true, "x.ed", ""},
        {"/silent /resave y.ed", true, false, "", "y.ed"},
        // A "/t..." word other than "targets" is no switch.
        {"/build x.ed /trace", false, true, "x.ed ", ""},
        {"/builder x.ed", false, false, "", ""},
        {"no switch here", false, false, "", ""},
        {"", true, false, "", ""},
        {"/voice_noerror", true, false, "", ""},
        {"/build x.ed\r\n", true, true, "x.ed", ""},
    };
    for (const LineCase& c : cases) {
        const BatchLine parsed = ParseBatchLine(c.line);
        EXPECT_EQ(parsed.valid, c.valid) << c.line;
        EXPECT_EQ(parsed.batchMode, c.batchMode) << c.line;
        EXPECT_EQ(parsed.build, c.build) << c.line;
        EXPECT_EQ(parsed.resave, c.resave) << c.line;
    }
}

struct OptionCase {
    const char* words;
    bool library, trace, templates, stubs, unconditional;
};

TEST(BatchLineTest, OptionWordsCountOnlyWhole)
{
    const OptionCase cases[] = {
        {"no_use_stubs log_trace", false, true, false, false, false},
        {"RLL Use_Templates use_stubs", true, false, true, true, false},
        {"payroll no_log_trace unconditionally", false, false, false, false, false},
        {"rll unconditional", true, false, false, false, true},
    };
    for (const OptionCase& c : cases) {
        const BatchOptions options = ParseOptionWords(c.words);
        EXPECT_EQ(options.libraryTarget, c.library) << c.words;
        EXPECT_EQ(options.logToTrace, c.trace) << c.words;
        EXPECT_EQ(options.useTemplates, c.templates) << c.words;
        EXPECT_EQ(options.useStubs, c.stubs) << c.words;
        EXPECT_EQ(options.unconditional, c.unconditional) << c.words;
    }
}

TEST(BatchLogTest, TimeInTheCLibraryForm)
{
    std::tm time{};
    time.tm_year = 126;
    time.tm_mon = 0;
    time.tm_mday = 5;
    time.tm_wday = 1;
    time.tm_hour = 7;
    time.tm_min = 3;
    time.tm_sec = 9;
    EXPECT_EQ(BatchTimeText(time), "Mon Jan  5 07:03:09 2026\n");
    EXPECT_EQ(DefaultBatchLogPath(nullptr), "\\VLX\\CMDLINE.LOG");
    EXPECT_EQ(DefaultBatchLogPath("D:\\vlx"), "D:\\vlx\\CMDLINE.LOG");
}

struct GoldenCase {
    const char* golden;  // file of tests/data/batch
    const char* line;
    int answer;          // RunCommandLine's
    bool error;          // the batch error flag afterwards
};

class BatchGoldenTest : public BatchTest {};

TEST_F(BatchGoldenTest, WholeRunsWriteTheirLogs)
{
    const GoldenCase cases[] = {
        {"build.log", "/build complete.ed /output run.log", 1, false},
        {"sample.log", "/build sample.ed /output run.log", 1, false},
        {"incomplete.log", "/build broken.ed /output run.log", 1, true},
        {"broken.log", "/build broken.ed /targets unconditional /output run.log", 1, true},
        {"library.log", "/build complete.ed /targets rll use_templates /output run.log", 1, true},
        {"resave.log", "/build complete.ed /resave copy.ed /output run.log", 1, false},
        {"input.log", "/input list.txt /output run.log", 1, true},
        {"invalid.log", "/build complete.ed /bogus /output run.log", 1, true},
        {"missing_input.log", "/input nothere.txt /output run.log", 1, true},
    };
    Complete();
    Sample();
    Broken();
    // A missing program that fails unconditionally, a complete one, then a line that the
    // failure before it stops.
    WriteText("list.txt", "missing.ed /targets unconditional\ncomplete.ed\nmissing.ed /targets rll\ncomplete.ed\n");
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.golden);
        std::filesystem::remove(folder + "run.log");
        g_nCmdLineBuildError = 0;
        _appErrorExists = 0;
        _UnconditionalBuild = 0;
        EXPECT_EQ(run.RunCommandLine((c.line)), c.answer);
        EXPECT_EQ(g_nCmdLineBuildError != 0, c.error);
        EXPECT_TRUE(g_bCmdLineExitAfterBuild);
        const std::string golden = std::string(ZEPH_TEST_DATA_DIR) + "/batch/" + c.golden;
        // ZEPH_WRITE_BATCH_LOGS=1 refreshes the golden logs after a deliberate change.
        if (const char* refresh = std::getenv("ZEPH_WRITE_BATCH_LOGS"); refresh && std::string(refresh) == "1")
            std::ofstream(golden, std::ios::binary) << Read(folder + "run.log");
        EXPECT_EQ(Read(folder + "run.log"), Read(golden));
        // Every line's program is closed again.
        EXPECT_TRUE(programs.OpenPrograms().empty());
    }
}

}  // namespace

namespace {

TEST_F(BatchTest, TheRunFileTargetBuildsAndAFailedBuildFailsTheLine)
{
    Sample();
    Broken();
    EXPECT_EQ(run.RunCommandLine("/build sample.ed /output run.log"), 1);
    EXPECT_TRUE(Exists("sample.tsl"));
    EXPECT_TRUE(Exists("sample.run"));
    EXPECT_EQ(g_nCmdLineBuildError, 0);
    // Built despite the warning, the broken copy does not compile.
    EXPECT_EQ(run.RunCommandLine("/build broken.ed /targets unconditional /output run.log"), 1);
    EXPECT_FALSE(Exists("broken.run"));
    EXPECT_NE(g_nCmdLineBuildError, 0);
    EXPECT_NE(Read("run.log").find("PROGRAM RESPONSE TO WARNING: Yes\nERROR: "), std::string::npos) << Read("run.log");
    EXPECT_NE(Read("run.log").find("Build of broken.ed  failed."), std::string::npos);
}

TEST_F(BatchTest, AnEmptyResaveNameResavesUnderTheBuildName)
{
    Complete();
    EXPECT_EQ(run.RunCommandLine("/build complete.ed /resave /output run.log"), 1);
    EXPECT_NE(Read("run.log").find("Resaving complete.ed  as complete.ed \n"), std::string::npos) << Read("run.log");
    // The writer keeps the file it replaced.
    EXPECT_TRUE(Exists("complete.BAK"));
    EXPECT_FALSE(Exists("complete.run"));
    EXPECT_EQ(g_nCmdLineBuildError, 0);
}

TEST_F(BatchTest, LoadKeepsEveryReadableProgramOpenAndShowsTheFrame)
{
    Complete();
    Complete("second.ed");
    WriteText("list.txt", "complete.ed\nmissing.ed\nsecond.ed\n");
    EXPECT_EQ(run.RunCommandLine("/load list.txt /output run.log"), 0);
    EXPECT_EQ(programs.OpenPrograms().size(), 2u);
    EXPECT_EQ(window.shown, std::vector<bool>{true});
    EXPECT_TRUE(status.events.empty());
    EXPECT_NE(Read("run.log").find("\nLoad of second.ed is complete.\n"), std::string::npos) << Read("run.log");
    EXPECT_FALSE(Exists("complete.run"));
}

TEST_F(BatchTest, NoExitShowsTheFrameAfterTheBuild)
{
    Complete();
    EXPECT_EQ(run.RunCommandLine("/build complete.ed /no_exit /output run.log"), 0);
    EXPECT_EQ(window.shown, (std::vector<bool>{false, true}));
    EXPECT_TRUE(g_bCmdLineExitAfterBuild);
}

TEST_F(BatchTest, ALogThatWillNotOpenStopsTheListAtItsFirstLine)
{
    Complete();
    WriteText("list.txt", "complete.ed\ncomplete.ed /targets unconditional\n");
    std::filesystem::create_directories(folder + "blocked.log");
    EXPECT_EQ(run.RunCommandLine("/input list.txt /output blocked.log"), 1);
    EXPECT_NE(g_nCmdLineBuildError, 0);
    EXPECT_NE(errors.str().find("blocked.log"), std::string::npos);
    EXPECT_EQ(status.events, (std::vector<std::string>{
                                 "open", "Command Line Build - complete.ed | Now processing:\n\ncomplete.ed", "close"}));
    EXPECT_FALSE(Exists("complete.run"));
}

TEST_F(BatchTest, ListLinesCarryTheirOwnOptionsAndTheStatusNamesEachLine)
{
    Complete();
    WriteText("list.txt", "Complete.ed /targets log_trace\r\ncomplete.ed\n");
    EXPECT_EQ(run.RunCommandLine("/input list.txt /output run.log"), 1);
    EXPECT_EQ(status.events,
              (std::vector<std::string>{"open",
                                        "Command Line Build - Complete.ed /targets log_trace | Now processing:\n\n"
                                        "Complete.ed /targets log_trace",
                                        "Command Line Build - complete.ed | Now processing:\n\ncomplete.ed", "close"}));
    const std::string log = Read("run.log");
    // The line is lower-cased; the second line starts from all options off again.
    const std::size_t first = log.find("Building complete.ed \n");
    const std::size_t second = log.find("Building complete.ed\n");
    ASSERT_NE(first, std::string::npos) << log;
    ASSERT_NE(second, std::string::npos) << log;
    EXPECT_EQ(log.find("Log to Trace Buffer is on.", first), log.find("Log to Trace Buffer is on."));
    EXPECT_LT(log.find("Log to Trace Buffer is on."), second);
    EXPECT_EQ(log.find("Log to Trace Buffer is on.", second), std::string::npos);
    EXPECT_EQ(g_nCmdLineBuildError, 0);
}

TEST_F(BatchTest, AnInvalidLineIsNamedOnTheErrorStream)
{
    EXPECT_EQ(run.RunCommandLine("/build x.ed /tragets rll /output run.log"), 1);
    EXPECT_NE(errors.str().find("/tragets"), std::string::npos);
    EXPECT_NE(errors.str().find("ERROR: Invalid command line parameter(s).  Build aborted."), std::string::npos);
    EXPECT_TRUE(g_bCmdLineExitAfterBuild);
    EXPECT_EQ(DesignerExitCode(0, false), -1);
    EXPECT_FALSE(Exists("x.run"));
}

TEST_F(BatchTest, SwitchesSetTheModelFlags)
{
    Complete();
    EXPECT_EQ(run.RunCommandLine("/build complete.ed /voice_noerror /targets unconditional /output run.log"), 1);
    EXPECT_EQ(_IgnoreVoiceSentenceError, 1);
    EXPECT_NE(Read("run.log").find("Build Unconditionally is on."), std::string::npos);
}

}  // namespace
