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

TEST(DesignerBatchProcessTest, EndsWithZeroAfterAResaveAndMinusOneAfterAnInvalidLine)
{
    const std::string folder = ::testing::TempDir() + "batch_process\\";
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    std::filesystem::create_directories(folder);
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

}  // namespace
