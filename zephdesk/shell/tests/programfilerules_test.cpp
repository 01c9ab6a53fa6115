#include "editor/page/closerules.h"
#include "shell/frame/programfilerules.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgramFileRulesTest, RunFilePath) {
    EXPECT_EQ(RunFilePath("C:\\VLX\\UPROG\\sample.ed"), "C:\\VLX\\UPROG\\sample.run");
    EXPECT_EQ(RunFilePath("C:\\v.1\\sample"), "C:\\v.1\\sample.run");
    EXPECT_EQ(RunFilePath("a.b.ed"), "a.b.run");
}

TEST(ProgramFileRulesTest, RunFileAge) {
    EXPECT_TRUE(IsRunFileOlder(std::nullopt, 5));
    EXPECT_TRUE(IsRunFileOlder(4, 5));
    EXPECT_FALSE(IsRunFileOlder(5, 5));
    EXPECT_FALSE(IsRunFileOlder(6, 5));
    EXPECT_FALSE(IsRunFileOlder(std::nullopt, std::nullopt));
}

TEST(ProgramFileRulesTest, DocumentationAddress) {
    EXPECT_EQ(DocumentationAddress("srv1 (Vantora Server)"), "http://srv1/vnmgr/vndocs/en-us/default.asp");
    EXPECT_EQ(DocumentationAddress(""), "http://localhost/vnmgr/vndocs/en-us/default.asp");
    EXPECT_EQ(DocumentationAddress("srv1"), "http://localhost/vnmgr/vndocs/en-us/default.asp");
    EXPECT_EQ(DocumentationAddress(" srv1"), "http://localhost/vnmgr/vndocs/en-us/default.asp");
}

TEST(ProgramFileRulesTest, FoldersAndTitles) {
    EXPECT_EQ(ProgramFolder("D:\\VLX"), "D:\\VLX\\UPROG");
    EXPECT_EQ(ProgramFolder(nullptr), "\\VLX\\UPROG");
    EXPECT_EQ(ed::ProgramFileTitle("C:\\p\\Sample.ed"), "Sample");
    EXPECT_EQ(ed::ProgramFileTitle("Untitled"), "Untitled");
    EXPECT_EQ(TutorialPath("C:\\Flowsmith\\Help\\"), "C:\\Flowsmith\\Help\\fstutor.EXE");
    // Without a trailing separator the last component is lost.
    EXPECT_EQ(TutorialPath("C:\\Flowsmith\\Help"), "C:\\Flowsmith\\fstutor.EXE");
}

TEST(ProgramFileRulesTest, QualifiedNames) {
    struct Case {
        const char *name, *page, *block;
    } cases[] = {{"Greeting", "Main", "Greeting"}, {"Sub1$Play", "Sub1", "Play"}, {"a$b$c", "a$b", "c"}, {"$x", "", "x"}};
    for (const Case& c : cases) {
        const QualifiedName split = SplitQualifiedName(c.name);
        EXPECT_EQ(split.page, c.page) << c.name;
        EXPECT_EQ(split.block, c.block) << c.name;
    }
}

}  // namespace
