#include <gtest/gtest.h>

#include <string>

#include "fault_capture.h"
#include "foundation/kvassert.h"

namespace {

int Guarded(const int* p)
{
    if (!KV_ASSERT(p != nullptr))
        return -1;
    return *p;
}

TEST(Assert, HoldingConditionIsTrueAndReportsNothing)
{
    FaultCapture capture;
    const int value = 5;
    const int before = KvAssertFailureCount();
    EXPECT_TRUE(KV_ASSERT(value == 5));
    EXPECT_EQ(Guarded(&value), 5);
    EXPECT_EQ(KvAssertFailureCount(), before);
    EXPECT_TRUE(capture.presenter.Boxes().empty());
}

TEST(Assert, FailureReportsConditionFileAndLineThenTakesTheDefensivePath)
{
    FaultCapture capture;
    const int before = KvAssertFailureCount();
    const int line = __LINE__ + 1;
    const bool held = KV_ASSERT(1 + 1 == 3);
    EXPECT_FALSE(held);
    EXPECT_EQ(Guarded(nullptr), -1);
    EXPECT_EQ(KvAssertFailureCount(), before + 2);

    ASSERT_EQ(capture.presenter.Boxes().size(), 2u);
    const auto& box = capture.presenter.Boxes()[0];
    EXPECT_EQ(box.caption, "Output Log Message");
    EXPECT_EQ(box.style, 0x1010u);
    EXPECT_EQ(box.text, "Cause:\t256\nSeverity:\t0\nLog:\t(1 + 1 == 3)\nAction:\t0\nFile:\t" + std::string(__FILE__) +
                            "\nLine:\t" + std::to_string(line));
    EXPECT_EQ(capture.Assertions()[1], "(p != nullptr)");
}

TEST(Assert, WithoutAHandlerTheFailureStillReturnsFalse)
{
    KvFaultHandlerObj* previous = KvGetFaultHandler();
    KvSetFaultHandler(nullptr);
    testing::internal::CaptureStderr();
    const bool held = KV_ASSERT(false);
    const std::string err = testing::internal::GetCapturedStderr();
    KvSetFaultHandler(previous);
    EXPECT_FALSE(held);
    EXPECT_NE(err.find("(false)"), std::string::npos);
}

}  // namespace
