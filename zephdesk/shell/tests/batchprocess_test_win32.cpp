// The designer program run as a command-line build: it ends by itself with exit code 0
// after a resave and -1 (255 to the shell) after an invalid line, showing no box on the
// way (a box would keep it running until the wait gives up).
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "complete_program.h"
#include "editor/samples/sampleprograms.h"

namespace {

std::string ProgramFolder()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().string() + "\\";
}

// The exit code of zephdesk.exe with the line; STILL_ACTIVE when it did not end in time.
DWORD RunDesigner(const std::string& line)
{
    std::string command = "\"" + ProgramFolder() + "zephdesk.exe\" " + line;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, ProgramFolder().c_str(),
                          &startup, &process))
        return DWORD(-2);
    DWORD code = STILL_ACTIVE;
    if (::WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(process.hProcess, &code);
    else
        ::TerminateProcess(process.hProcess, 3);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return code;
}

// A new, empty folder of the test's temporary folder, with a trailing "\\".
std::string EmptyFolder(const char* name)
{
    const std::string folder = ::testing::TempDir() + name + "\\";
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    std::filesystem::create_directories(folder);
    return folder;
}

TEST(DesignerBatchProcessTest, EndsWithZeroAfterAResaveAndMinusOneAfterAnInvalidLine)
{
    std::error_code error;
    const std::string folder = EmptyFolder("batch_process");
    std::ostringstream made;
    ASSERT_EQ(ed::WriteNewProgramFile(folder + "new.ed", made), 1) << made.str();

    EXPECT_EQ(RunDesigner("/build " + folder + "new.ed /resave " + folder + "copy.ed /output " + folder + "run.log"),
              DWORD(0));
    EXPECT_TRUE(std::filesystem::exists(folder + "copy.ed"));
    std::stringstream text;
    {
        std::ifstream log(folder + "run.log");
        text << log.rdbuf();
    }
    EXPECT_NE(text.str().find("Resave of " + folder + "new.ed  is complete."), std::string::npos) << text.str();

    EXPECT_EQ(RunDesigner("/build " + folder + "new.ed /bogus /output " + folder + "run.log"), DWORD(-1));
    std::filesystem::remove_all(folder, error);
}

std::string ReadLog(const std::string& path)
{
    std::ifstream log(path);
    std::stringstream text;
    text << log.rdbuf();
    return text.str();
}

// A broken copy of the sample, built despite the warning, fails to compile: the log gets
// the compiler's error and the designer ends with -1. (The exact lines, with the include
// files of the source tree, are the batch tests' golden log.)
TEST(DesignerBatchProcessTest, ABrokenSampleEndsWithItsErrorLinesAndMinusOne)
{
    std::error_code error;
    const std::string folder = EmptyFolder("batch_broken");
    ed::HeadlessHost host;
    const std::unique_ptr<ed::PaletteIconList> palette = LoadPalette(host);
    WriteBrokenSample(folder + "broken.ed", host);

    EXPECT_EQ(RunDesigner("/build " + folder + "broken.ed /targets unconditional /output " + folder + "broken.log"),
              DWORD(-1));
    const std::string log = ReadLog(folder + "broken.log");
    const std::size_t answer = log.find("PROGRAM RESPONSE TO WARNING: Yes\nERROR: Error @ ");
    const std::size_t failed = log.find("\n\nBuild of " + folder + "broken.ed  failed.\n");
    EXPECT_NE(answer, std::string::npos) << log;
    EXPECT_NE(failed, std::string::npos) << log;
    EXPECT_LT(answer, failed) << log;
    EXPECT_FALSE(std::filesystem::exists(folder + "broken.run"));
    std::filesystem::remove_all(folder, error);
}

}  // namespace
