// The notifier: window messages and control notifications become the notifications of a
// soft dialog, filtered by the busy flag, the activation state and the soft controls.
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include "../../../kvshared/foundation/tests/fault_capture.h"
#include "framework/softdlg/kvnotif.h"

namespace {

constexpr WORD kDialogDef = 15110;
constexpr UINT kWmNotify = 0x004E;
constexpr UINT kWmInitDialog = 0x0110;
constexpr UINT kWmCommand = 0x0111;

UINT Negative(int code)
{
    return static_cast<UINT>(code);
}

// A dialog with a push button 301, a check box 302, an edit 303, a combo 304, a list view
// 305 and a radio button 306 listed in group 1302; every control lets its notifications
// pass unless a test says otherwise.
class FakeDialog : public KvNotifierOwner {
public:
    std::map<WORD, std::uint32_t> styles = {{301, 0x0000}, {302, 0x0003}, {303, 0x0080},
                                            {304, 0x0003}, {305, 0x0001}, {306, 0x0009}};
    std::map<WORD, int> checks;
    std::map<WORD, int> answers;  // filter answers; controls missing here have no soft control
    std::vector<KvNotification> posted;
    int processed = 0;
    int helps = 0;
    bool serverView = false;
    KvNotifier* notifier = nullptr;
    std::vector<std::pair<WORD, WORD>> raisedWhileHandling;  // (code, source) to raise in the handling

    FakeDialog()
    {
        for (const auto& entry : styles)
            answers[entry.first] = 1;
        answers[1302] = 2;  // the group leaves it to the control
    }

    WORD GetDefinitionId() const override { return kDialogDef; }
    WORD GetGroupCtrlID(WORD ctrlId) const override { return ctrlId == 306 ? 1302 : 0; }
    int FilterNotification(WORD ctrlId, WORD, WORD, std::uintptr_t) override
    {
        const auto it = answers.find(ctrlId);
        return it == answers.end() ? -1 : it->second;
    }
    bool WinCtrlHasStyle(WORD ctrlId, std::uint32_t bits) const override
    {
        const auto it = styles.find(ctrlId);
        return it != styles.end() && (it->second & bits) == bits;
    }
    int GetCheck(WORD ctrlId) const override
    {
        const auto it = checks.find(ctrlId);
        return it == checks.end() ? 0 : it->second;
    }
    void PostNotification(const KvNotification& n) override { posted.push_back(n); }
    void ProcessNotifications() override
    {
        ++processed;
        for (const auto& raise : raisedWhileHandling)
            notifier->Notify(raise.first, raise.second, 0);
    }
    void ShowHelp() override { ++helps; }
    bool IsServerViewAttached() const override { return serverView; }
};

class NotifierTest : public ::testing::Test {
protected:
    NotifierTest() { dialog.notifier = &notifier; }

    void Command(WORD id, WORD code) { notifier.OnMessage(kWmCommand, (static_cast<std::uintptr_t>(code) << 16) | id, 0); }
    void Page(int code)
    {
        KvNotifyHeader header{nullptr, 0, Negative(code)};
        notifier.OnMessage(kWmNotify, 0, reinterpret_cast<std::intptr_t>(&header));
    }
    std::vector<WORD> Codes() const
    {
        std::vector<WORD> codes;
        for (const KvNotification& n : dialog.posted)
            codes.push_back(n.GetCode());
        return codes;
    }

    FaultCapture capture;
    FakeDialog dialog;
    KvNotifier notifier{&dialog};
};

}  // namespace

TEST_F(NotifierTest, CommandCodesBecomeNotifications)
{
    dialog.checks[302] = 1;
    struct Row {
        WORD id;
        WORD command;
        WORD expected;
    };
    const Row rows[] = {
        {301, 0, kKvNotifClicked},       {302, 0, kKvNotifChecked},     {303, 0x0100, kKvNotifSetFocus},
        {303, 0x0200, kKvNotifKillFocus}, {303, 0x0300, kKvNotifChanged}, {304, 1, kKvNotifChanged},
        {303, 0x0400, 0x0400},           {304, 0x0007, 0x0007},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        dialog.posted.clear();
        Command(row.id, row.command);
        ASSERT_EQ(dialog.posted.size(), 1u);
        EXPECT_EQ(dialog.posted[0].GetSource(), row.id);
        EXPECT_EQ(dialog.posted[0].GetCode(), row.expected);
    }
    dialog.posted.clear();
    dialog.checks[302] = 0;
    Command(302, 0);
    EXPECT_EQ(Codes(), std::vector<WORD>{kKvNotifUnchecked});
    dialog.checks[302] = 2;  // indeterminate counts as unchecked
    Command(302, 0);
    EXPECT_EQ(Codes(), (std::vector<WORD>{kKvNotifUnchecked, kKvNotifUnchecked}));
    EXPECT_TRUE(capture.Assertions().empty());
}

TEST_F(NotifierTest, ListViewNotificationsCarryTheirHeader)
{
    KvListViewChange change{{nullptr, 305, Negative(-101)}, 0, 0, 2, 0, 8};
    struct Row {
        UINT code;
        WORD expected;
    };
    const Row rows[] = {{Negative(-101), kKvNotifItemChanged},
                        {Negative(-150), kKvNotifGetDispInfo},
                        {Negative(-108), kKvNotifColumnClick},
                        {Negative(-3), kKvNotifDblClick},
                        {Negative(-2), 0}};
    for (const Row& row : rows) {
        dialog.posted.clear();
        change.hdr.code = row.code;
        notifier.OnMessage(kWmNotify, 305, reinterpret_cast<std::intptr_t>(&change));
        ASSERT_EQ(dialog.posted.size(), 1u) << row.code;
        EXPECT_EQ(dialog.posted[0].GetCode(), row.expected) << row.code;
        EXPECT_EQ(dialog.posted[0].GetSource(), 305);
        EXPECT_EQ(dialog.posted[0].GetData(), reinterpret_cast<std::uintptr_t>(&change));
    }
    // A change of anything but the state is no item change.
    dialog.posted.clear();
    change.hdr.code = Negative(-101);
    change.uChanged = 1;
    notifier.OnMessage(kWmNotify, 305, reinterpret_cast<std::intptr_t>(&change));
    EXPECT_EQ(Codes(), std::vector<WORD>{0});
}

TEST_F(NotifierTest, ActivationIsNotifiedOncePerActivation)
{
    notifier.OnMessage(kWmInitDialog, 0, 0);
    EXPECT_EQ(Codes(), std::vector<WORD>{kKvNotifActivate});
    EXPECT_EQ(dialog.posted[0].GetSource(), kDialogDef);
    Page(-200);  // already active
    EXPECT_EQ(dialog.posted.size(), 1u);
    Page(-201);
    EXPECT_FALSE(notifier.IsActivated());
    Page(-200);
    Page(-200);
    EXPECT_EQ(Codes(), (std::vector<WORD>{kKvNotifActivate, kKvNotifActivate}));
    // The sheet's own page notifications are no notifications; help asks the dialog.
    for (int code : {-202, -203, -209})
        Page(code);
    Page(-205);
    EXPECT_EQ(dialog.posted.size(), 2u);
    EXPECT_EQ(dialog.helps, 1);
    EXPECT_EQ(dialog.processed, 2);
}

TEST_F(NotifierTest, NotificationsRaisedWhileHandlingAreDropped)
{
    // Setting an edit's text in a reaction sends EN_CHANGE while the click is handled.
    dialog.raisedWhileHandling = {{0x0300, 303}};
    Command(301, 0);
    EXPECT_EQ(Codes(), std::vector<WORD>{kKvNotifClicked});
    EXPECT_FALSE(notifier.IsBusy());
    dialog.raisedWhileHandling.clear();
    Command(303, 0x0300);
    EXPECT_EQ(Codes(), (std::vector<WORD>{kKvNotifClicked, kKvNotifChanged}));
}

TEST_F(NotifierTest, SoftControlsAndTheirGroupsFilter)
{
    struct Row {
        int group;    // the group's answer for radio 306
        int control;  // the radio's own answer
        bool passes;
    };
    const Row rows[] = {{1, 0, true}, {0, 1, false}, {2, 1, true}, {2, 0, false}, {-1, 1, true}};
    for (const Row& row : rows) {
        dialog.posted.clear();
        dialog.answers[1302] = row.group;
        dialog.answers[306] = row.control;
        Command(306, 0);
        EXPECT_EQ(dialog.posted.size(), row.passes ? 1u : 0u) << row.group << " " << row.control;
    }
    // A control without a soft control raises nothing; another dialog source neither.
    dialog.posted.clear();
    Command(399, 0);
    notifier.Notify(0x0300, kDialogDef, 0);
    EXPECT_TRUE(dialog.posted.empty());
}

TEST_F(NotifierTest, ServerMessagesComeFromTheServerSourceWhileAViewIsAttached)
{
    dialog.answers[kKvServerSource] = 1;
    notifier.OnMessage(kKvServerMessage, 0, 77);
    EXPECT_TRUE(dialog.posted.empty());
    dialog.serverView = true;
    notifier.OnMessage(kKvServerMessage, 0, 77);
    ASSERT_EQ(dialog.posted.size(), 1u);
    EXPECT_EQ(dialog.posted[0], KvNotification(kKvServerSource, kKvNotifServer, 77));
}

TEST_F(NotifierTest, ANotificationCodeOutOfRangeIsReported)
{
    KvNotification ok(301, kKvNotifChanged, 5);
    EXPECT_TRUE(capture.Assertions().empty());
    KvNotification bad(301, 0x0300, 5);
    EXPECT_EQ(capture.Assertions().size(), 1u);
    EXPECT_FALSE(ok == bad);
    bad.SetCode(kKvNotifChanged);
    EXPECT_TRUE(ok == bad);
}
