#include <gtest/gtest.h>

#include "fault_capture.h"
#include "foundation/kvx.h"

namespace {

class ExceptionTest : public ::testing::Test {
protected:
    ExceptionTest() { capture.table.Set(1553, "Cannot load resource"); }
    FaultCapture capture;
};

TEST_F(ExceptionTest, ErrorMessageNamesDescriptionFileAndLine)
{
    const KvException x(1553, CString("kvres.cpp"), 42);
    EXPECT_EQ(x.GetErrorMessage(),
              "Error# 1553\nCannot load resource\n\nDEBUG info:\n\n   File: \"kvres.cpp\"\n   Line: 42");
    const KvXMem mem(1501, CString("kvmem.cpp"), 7);
    EXPECT_EQ(mem.GetErrorMessage(), "Error# 1501\n\n\nDEBUG info:\n\n   File: \"kvmem.cpp\"\n   Line: 7");
    EXPECT_TRUE(capture.Assertions().empty());
}

TEST_F(ExceptionTest, ShownOnceButACopyMayBeShownAgain)
{
    KvException x(1553, CString("kvres.cpp"), 42);
    x.ShowMessage();
    ASSERT_EQ(capture.presenter.Boxes().size(), 1u);
    const auto& box = capture.presenter.Boxes()[0];
    EXPECT_EQ(box.caption, "Exception");
    EXPECT_EQ(box.style, 0u);
    EXPECT_EQ(box.owner, KvBoxOwner::None);
    EXPECT_EQ(box.text, std::string(x.GetErrorMessage()));
    EXPECT_EQ(x.IsMessageShown(), 1);

    KvException copy(x);
    EXPECT_EQ(copy.IsMessageShown(), 0);
    EXPECT_EQ(copy.GetDescription(), 1553);
    EXPECT_EQ(copy.GetFileName(), "kvres.cpp");
    EXPECT_EQ(copy.GetLine(), 42);

    x.ShowMessage();
    EXPECT_EQ(capture.Assertions(), (std::vector<std::string>{"(m_bMsgShown == 0)"}));
    copy.ShowMessage();
    EXPECT_EQ(capture.presenter.Boxes().size(), 3u);  // the first box, the log box, the copy's box
}

TEST_F(ExceptionTest, SystemText)
{
    const KvXSystem x(CString("Access denied."), CString("kvsys.cpp"), 9);
    EXPECT_EQ(x.GetDescription(), 0);
    EXPECT_EQ(x.GetSystemMessage(), "Access denied.\"\n\nFile: \"kvsys.cpp\"\nLine: 9");
    const KvXSystem copy(x);
    EXPECT_EQ(copy.GetSystemText(), "Access denied.");
    EXPECT_EQ(copy.GetSystemMessage(), x.GetSystemMessage());
}

TEST_F(ExceptionTest, ThrownByValue)
{
    try {
        throw KvXMem(1500, CString("kvwnd.cpp"), 11);
    } catch (const KvException& x) {
        EXPECT_EQ(x.GetDescription(), 1500);
        EXPECT_EQ(x.GetLine(), 11);
    }
}

TEST_F(ExceptionTest, MissingSourceIsReported)
{
    const KvException x(5, CString(""), 0);
    EXPECT_EQ(capture.Assertions(), (std::vector<std::string>{"(!(fileName.IsEmpty()) && nLine != 0)"}));
    const KvXSystem s(CString("t"), CString("f.cpp"), 1);
    s.GetErrorMessage();
    EXPECT_EQ(capture.Assertions().back(), "(m_nDescr != 0)");
}

}  // namespace
