// A soft dialog's processing pass: first in, first out, and a notification posted twice in
// one pass runs once, so that reactions that raise notifications cannot loop.
#include <vector>

#include <gtest/gtest.h>

#include "../../../kvshared/foundation/tests/fault_capture.h"
#include "framework/softdlg/kvnotifq.h"

namespace {

constexpr WORD kDialog = 16004;

// Runs a pass as a soft dialog does, reacting to each notification with the ones the table
// gives for its (source, code); returns the notifications in the order they ran.
std::vector<KvNotification> RunPass(KvNotificationPass& pass,
                                const std::vector<std::pair<KvNotification, std::vector<KvNotification>>>& reactions)
{
    std::vector<KvNotification> ran;
    while (!pass.IsEmpty() && ran.size() < 20) {  // a pass that loops ends the test, not hangs it
        const KvNotification n = pass.Take();
        ran.push_back(n);
        for (const auto& [trigger, raised] : reactions) {
            if (trigger == n) {
                for (const KvNotification& r : raised)
                    pass.Post(r);
            }
        }
    }
    while (!pass.IsEmpty())
        pass.Take();
    pass.End();
    return ran;
}

}  // namespace

TEST(NotificationPassTest, ReactionsThatRaiseTheirOwnNotificationRunOnce)
{
    FaultCapture capture;
    KvNotificationPass pass;
    const KvNotification click(4002, kKvNotifChecked, 0);
    const KvNotification caption(kDialog, kKvNotifChanged, 0);
    const KvNotification edit(4003, kKvNotifChanged, 0);
    // The click sets the caption (which raises a change of the dialog) and an edit's text;
    // the dialog's change raises the click again, and the edit's change raises the caption.
    const std::vector<std::pair<KvNotification, std::vector<KvNotification>>> reactions = {
        {click, {caption, edit}}, {caption, {click}}, {edit, {caption}}};
    ASSERT_TRUE(pass.Post(click));
    EXPECT_EQ(RunPass(pass, reactions), (std::vector<KvNotification>{click, caption, edit}));
    EXPECT_EQ(pass.GetPostedCount(), 0);
    EXPECT_TRUE(capture.Assertions().empty());

    // The next pass takes the same notification again.
    EXPECT_TRUE(pass.Post(click));
    EXPECT_FALSE(pass.Post(click));
    EXPECT_TRUE(pass.Post(KvNotification(4002, kKvNotifChecked, 1)));  // other data: another one
    EXPECT_EQ(RunPass(pass, {}).size(), 2u);
}

TEST(NotificationPassTest, TheStartNotificationOutlivesTheNestedPassesOfTheStartUp)
{
    KvNotificationPass pass;
    const KvNotification start(kDialog, kKvNotifActivate, 0);
    const KvNotification change(4003, kKvNotifChanged, 0);
    pass.Post(start);
    EXPECT_EQ(pass.Take(), start);
    // The start-up transfer of each value runs a nested pass; the start stays recorded.
    pass.Post(change);
    EXPECT_EQ(pass.Take(), change);
    pass.EndKeeping(start);
    EXPECT_EQ(pass.GetPostedCount(), 1);
    EXPECT_FALSE(pass.Post(start));
    EXPECT_TRUE(pass.Post(change));
    EXPECT_EQ(pass.Take(), change);
    pass.End();
    EXPECT_EQ(pass.GetPostedCount(), 0);
    EXPECT_TRUE(pass.Post(start));  // a page activated again starts again
}
