#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "fault_capture.h"
#include "foundation/kvfsys.h"
#include "foundation/kvreg.h"
#include "foundation/kvvif.h"

namespace fs = std::filesystem;

namespace {

// Which file system the operations run on: the portable one (drive C mapped into a
// scratch folder) on every target, the platform's own on Windows.
enum class Files { Portable, Platform };

std::string ReadHost(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteHost(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// A buffer with guard bytes on both sides, to catch any write past its end.
template <int N>
struct Guarded {
    char before[16];
    char text[N];
    char after[16];
    Guarded()
    {
        std::memset(before, 0x5A, sizeof(before));
        std::memset(text, 'q', sizeof(text));
        std::memset(after, 0x5A, sizeof(after));
    }
    bool Intact() const
    {
        return std::all_of(before, before + 16, [](char c) { return c == 0x5A; }) &&
               std::all_of(after, after + 16, [](char c) { return c == 0x5A; });
    }
};

class FoldersTest : public ::testing::TestWithParam<Files> {
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_root = fs::temp_directory_path() / ("kvvif-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        m_prog = m_root / "Progs";
        for (const char* sub : {"", "Export", "Voice", "Fax"})
            fs::create_directories(m_prog / sub);
        m_savedDir = fs::current_path();

        if (GetParam() == Files::Portable) {
            m_portable.MapDrive('C', m_root);
            KvSetFileSystem(&m_portable);
            m_progDir = "C:\\Progs\\";
        } else {
            KvSetFileSystem(nullptr);
            m_progDir = m_prog.string() + "\\";
        }
        m_registry.Set(kKvProductKey, "ProgDir", m_progDir);
        KvSetRegistry(&m_registry);
    }

    void TearDown() override
    {
        fs::current_path(m_savedDir);
        KvSetRegistry(nullptr);
        KvSetFileSystem(nullptr);
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }

    bool InProgramFolder() const { return fs::equivalent(fs::current_path(), m_prog); }

    FaultCapture m_capture;
    fs::path m_root;
    fs::path m_prog;
    fs::path m_savedDir;
    std::string m_progDir;
    KvPortableFileSystem m_portable;
    KvMemoryRegistry m_registry;
};

TEST_P(FoldersTest, FolderValuesFromTheRegistry)
{
    char dir[kKvPathMax];
    EXPECT_EQ(GetProgDir(dir), 1);
    EXPECT_STREQ(dir, m_progDir.c_str());

    m_registry.Set(kKvProductKey, "IncludeDir", "C:\\Inc");
    m_registry.Set(kKvProductKey, "HelpDir", "C:\\Help\\");
    EXPECT_EQ(GetIncludeDir(dir), 1);
    EXPECT_STREQ(dir, "C:\\Inc\\");  // a missing separator is added
    EXPECT_EQ(GetHelpDir(dir), 1);
    EXPECT_STREQ(dir, "C:\\Help\\");

    m_registry.Remove(kKvProductKey, "HelpDir");
    EXPECT_EQ(GetHelpDir(dir), 0);
    EXPECT_STREQ(dir, "");

    // Values that do not fit a path count as missing.
    m_registry.Set(kKvProductKey, "ProgDir", "C:\\" + std::string(256, 'x') + "\\");
    EXPECT_EQ(GetProgDir(dir), 0);
    EXPECT_STREQ(dir, "");
    m_registry.Set(kKvProductKey, "ProgDir", "C:\\" + std::string(256, 'x'));
    Guarded<kKvPathMax> exact;
    EXPECT_EQ(GetProgDir(exact.text), 0);
    EXPECT_TRUE(exact.Intact());
}

TEST_P(FoldersTest, ListsTheApplicationFilesOfTheProgramFolder)
{
    for (const char* name : {"a.ed", "B.ED", "c.txt", "d.edx"})
        WriteHost(m_prog / name, "x");
    fs::create_directory(m_prog / "folder.ed");

    std::set<std::string> found;
    char path[kKvPathMax];
    for (int more = FindFirstProgramFile(path); more; more = FindNextProgramFile(path)) {
        found.insert(path);
        EXPECT_TRUE(InProgramFolder());
    }
    EXPECT_EQ(found, (std::set<std::string>{m_progDir + "a.ed", m_progDir + "B.ED"}));
    EXPECT_STREQ(path, "");
    EXPECT_EQ(FindNextProgramFile(path), 0);
}

TEST_P(FoldersTest, AListingIsNotDisturbedByOtherLookups)
{
    for (const char* name : {"one.ed", "two.ed", "three.ed"})
        WriteHost(m_prog / name, "x");
    WriteProgramDescription("one", "first");
    WriteHost(m_prog / "Export" / "lib.rll", "r");

    std::set<std::string> found;
    char path[kKvPathMax];
    for (int more = FindFirstProgramFile(path); more; more = FindNextProgramFile(path)) {
        found.insert(path);
        EXPECT_EQ(ProgramDescriptionExists("one"), 1);
        char name[kKvPathMax], description[kKvDescriptionMax];
        FindFirstExport(name, description);
        char media[kKvDescriptionMax];
        ReadMediaDescription("v1", media);
    }
    EXPECT_EQ(found.size(), 3u);
}

TEST_P(FoldersTest, ProgramDescriptions)
{
    EXPECT_EQ(ProgramDescriptionExists("app"), 0);
    EXPECT_EQ(WriteProgramDescription("app", "first line\nsecond line"), 1);
    EXPECT_EQ(ReadHost(m_prog / "app.dsc"), std::string("first line\r\nsecond line\0", 24));
    EXPECT_EQ(ProgramDescriptionExists("app"), 1);
    EXPECT_EQ(ProgramDescriptionExists("APP"), 1);
    EXPECT_TRUE(InProgramFolder());

    // An existing description stays as it is.
    EXPECT_EQ(WriteProgramDescription("app", "other"), 0);
    EXPECT_EQ(ReadHost(m_prog / "app.dsc"), std::string("first line\r\nsecond line\0", 24));

    // Names with folder parts are refused.
    EXPECT_EQ(WriteProgramDescription("..\\escape", "x"), 0);
    EXPECT_EQ(WriteProgramDescription("../escape", "x"), 0);
    EXPECT_FALSE(fs::exists(m_root / "escape.dsc"));
}

TEST_P(FoldersTest, DeletesEveryFileOfTheBaseName)
{
    for (const char* name : {"app.ed", "app.dsc", "APP.tsl", "app", "app.v1.bak", "apple.ed", "app2.ed", "x.ed"})
        WriteHost(m_prog / name, "x");
    fs::current_path(m_root);
    EXPECT_NE(DeleteProgramFiles((m_progDir + "app.ed").c_str()), 0);
    EXPECT_TRUE(fs::equivalent(fs::current_path(), m_root));

    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(m_prog)) {
        if (entry.is_regular_file())
            left.insert(entry.path().filename().string());
    }
    EXPECT_EQ(left, (std::set<std::string>{"apple.ed", "app2.ed", "x.ed"}));
}

TEST_P(FoldersTest, ExportedLibraries)
{
    WriteHost(m_prog / "Export" / "rll.tpl", "template");
    EXPECT_NE(CreateExportRll("app.ed"), 0);
    EXPECT_EQ(ReadHost(m_prog / "Export" / "app.rll"), "template");
    EXPECT_TRUE(InProgramFolder());
    EXPECT_EQ(CreateExportRll("app.ed"), 0);
    EXPECT_EQ(CreateExportRll("..\\app"), 0);

    WriteProgramDescription("app", "Library of things\nmore");
    char name[kKvPathMax];
    char description[kKvDescriptionMax];
    EXPECT_EQ(FindFirstExport(name, description), 1);
    EXPECT_STREQ(name, "app");
    EXPECT_STREQ(description, "Library of things");
    EXPECT_TRUE(InProgramFolder());
    EXPECT_EQ(FindNextExport(name, description), 0);
    EXPECT_STREQ(name, "");
    EXPECT_STREQ(description, "");
    EXPECT_TRUE(InProgramFolder());
}

TEST_P(FoldersTest, ExportWithoutDescription)
{
    WriteHost(m_prog / "Export" / "lib.v2.rll", "r");
    char name[kKvPathMax];
    char description[kKvDescriptionMax];
    EXPECT_EQ(FindFirstExport(name, description), 1);
    EXPECT_STREQ(name, "lib");
    EXPECT_STREQ(description, "");
}

TEST_P(FoldersTest, MediaDescriptionsByFolder)
{
    EXPECT_EQ(WriteMediaDescription("voice1", "a voice item"), 1);
    EXPECT_EQ(WriteMediaDescription("Voice1", "a fax item"), 1);
    EXPECT_EQ(ReadHost(m_prog / "Voice" / "voice1.dsc"), std::string("a voice item\0", 13));
    EXPECT_EQ(ReadHost(m_prog / "Fax" / "Voice1.dsc"), std::string("a fax item\0", 11));
    EXPECT_TRUE(InProgramFolder());

    char description[kKvDescriptionMax];
    EXPECT_EQ(ReadMediaDescription("voice1", description), 1);
    EXPECT_STREQ(description, "a voice item");
    EXPECT_TRUE(InProgramFolder());

    // Writing again replaces; replacing needs an existing file.
    EXPECT_EQ(WriteMediaDescription("voice1", "new"), 1);
    EXPECT_EQ(ReplaceMediaDescription("voice1", "newer\nline"), 1);
    EXPECT_EQ(ReadMediaDescription("voice1", description), 1);
    EXPECT_STREQ(description, "newer");
    EXPECT_EQ(ReplaceMediaDescription("v2", "x"), 0);
    EXPECT_FALSE(fs::exists(m_prog / "Voice" / "v2.dsc"));

    DeleteMediaDescription("voice1");
    EXPECT_FALSE(fs::exists(m_prog / "Voice" / "voice1.dsc"));
    EXPECT_EQ(ReadMediaDescription("voice1", description), 0);
    EXPECT_STREQ(description, "");
    EXPECT_TRUE(InProgramFolder());
}

TEST_P(FoldersTest, DescriptionsReadBackTheirFirstLineUpTo99Characters)
{
    const std::string longLine(150, 'd');
    WriteMediaDescription("v1", longLine.c_str());
    char description[kKvDescriptionMax];
    EXPECT_EQ(ReadMediaDescription("v1", description), 1);
    EXPECT_EQ(std::string(description), longLine.substr(0, 99));

    // A file written elsewhere with LF line ends reads the same way.
    WriteHost(m_prog / "Fax" / "f1.dsc", "plain\nsecond");
    EXPECT_EQ(ReadMediaDescription("f1", description), 1);
    EXPECT_STREQ(description, "plain");
}

TEST_P(FoldersTest, PathsThatWouldNotFitFailWithoutOverrun)
{
    // A program folder of 250 characters leaves room for names of at most 5 characters
    // with ".dsc" (and none with "Export\").
    const std::string folder = m_progDir + std::string(250 - m_progDir.size() - 1, 'p') + "\\";
    ASSERT_EQ(folder.size(), 250u);
    m_registry.Set(kKvProductKey, "ProgDir", folder);

    EXPECT_EQ(WriteProgramDescription("abcdefghij", "x"), 0);
    EXPECT_EQ(ProgramDescriptionExists("abcdefghij"), 0);
    const std::string item = "v" + std::string(20, 'x');
    EXPECT_EQ(WriteMediaDescription(item.c_str(), "x"), 0);
    EXPECT_EQ(CreateExportRll("app"), 0);

    Guarded<kKvPathMax> path;
    EXPECT_EQ(FindFirstProgramFile(path.text), 0);
    EXPECT_TRUE(path.Intact());
    Guarded<kKvPathMax> name;
    Guarded<kKvDescriptionMax> description;
    EXPECT_EQ(FindFirstExport(name.text, description.text), 0);
    EXPECT_TRUE(name.Intact());
    EXPECT_TRUE(description.Intact());
}

TEST_P(FoldersTest, EntriesTooLongForAPathAreSkipped)
{
    WriteHost(m_prog / "short.ed", "x");
    // Folder and name come to 260 characters, one more than a path holds.
    const fs::path tooLong = m_prog / (std::string(260 - m_progDir.size() - 3, 'n') + ".ed");
    WriteHost(tooLong, "x");
    if (!fs::exists(tooLong))
        GTEST_SKIP() << "the host cannot hold the long name";
    std::set<std::string> found;
    Guarded<kKvPathMax> path;
    for (int more = FindFirstProgramFile(path.text); more; more = FindNextProgramFile(path.text))
        found.insert(path.text);
    EXPECT_TRUE(path.Intact());
    EXPECT_EQ(found, (std::set<std::string>{m_progDir + "short.ed"}));
}

INSTANTIATE_TEST_SUITE_P(Portable, FoldersTest, ::testing::Values(Files::Portable));
#if defined(_WIN32)
INSTANTIATE_TEST_SUITE_P(Platform, FoldersTest, ::testing::Values(Files::Platform));
#endif

// With no "ProgDir" value the default install folder is used.
TEST(FoldersDefault, WorksInTheDefaultInstallFolder)
{
    const fs::path root = fs::temp_directory_path() / "kvvif-default";
    const fs::path prog = root / "Tarvix" / "Ulvo" / "Uprog";
    fs::create_directories(prog);
    WriteHost(prog / "one.ed", "x");
    WriteHost(prog / "two.ed", "x");
    const fs::path saved = fs::current_path();

    KvPortableFileSystem files;
    files.MapDrive('C', root);
    KvMemoryRegistry registry;
    KvSetFileSystem(&files);
    KvSetRegistry(&registry);

    char dir[kKvPathMax];
    EXPECT_EQ(GetProgDir(dir), 0);
    std::set<std::string> found;
    char path[kKvPathMax];
    for (int more = FindFirstProgramFile(path); more; more = FindNextProgramFile(path))
        found.insert(path);
    EXPECT_EQ(found, (std::set<std::string>{"C:\\Tarvix\\Ulvo\\Uprog\\one.ed", "C:\\Tarvix\\Ulvo\\Uprog\\two.ed"}));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), prog));

    fs::current_path(saved);
    KvSetFileSystem(nullptr);
    KvSetRegistry(nullptr);
    fs::remove_all(root);
}

}  // namespace
