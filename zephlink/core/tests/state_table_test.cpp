#include "flowsmith_app.h"
#include "standin_link.h"

namespace zlink::testing {
namespace {

// What each handler does, by row and action: a refusal code, "?M"/"?E" a question
// (answered No: 59), "!20" a note then 20, "S" a save routine runs, "C" a copy runs.
struct Row {
    int complete, lock, usage;
    const char* actions[kActionCount];
};
const Row kExpected[] = {
    {1, 2, 3, {"2", "4", "67", "C", "10", "12", "14"}},
    {1, 2, 1, {"2", "4", "67", "C", "10", "12", "14"}},
    {1, 2, 2, {"2", "4", "67", "C", "10", "12", "14"}},
    {1, 2, 0, {"2", "4", "?M", "C", "10", "12", "14"}},
    {0, 2, 0, {"2", "4", "C", "C", "10", "12", "14"}},
    {1, 1, 3, {"2", "4", "20", "!20", "10", "12", "14"}},
    {1, 1, 1, {"2", "4", "20", "!20", "10", "12", "14"}},
    {1, 1, 2, {"2", "4", "20", "!20", "10", "12", "14"}},
    {1, 1, 0, {"2", "4", "20", "!20", "10", "12", "14"}},
    {0, 1, 0, {"2", "4", "20", "!20", "10", "12", "14"}},
    {1, 0, 3, {"68", "S", "5", "7", "S", "22", "23"}},
    {1, 0, 1, {"68", "S", "5", "7", "S", "22", "S"}},
    {0, 0, 1, {"68", "S", "5", "7", "S", "22", "23"}},
    {1, 0, 2, {"68", "S", "5", "7", "?E", "22", "23"}},
    {1, 0, 0, {"?M", "S", "5", "7", "S", "?M", "S"}},
    {0, 0, 0, {"S", "S", "5", "7", "S", "S", "S"}},
};

TEST_F(LinkTest, EveryRowAndActionOfTheStateTable) {
    ASSERT_EQ(Start(), 0);
    int count = 0;
    StateRows(count);
    ASSERT_EQ(count, 16);
    const std::string makeIncomplete = "You are making a complete application incomplete, do you want to continue?";
    const std::string exportImported = "You are exporting an imported application, do you want to continue?";
    const std::string targetLocked = "YOU MUST DO SAVE AS INSTEAD CUZ THE Target App IS Locked by another PC";
    for (const Row& row : kExpected) {
        for (int action = 0; action < kActionCount; ++action) {
            // An application and a target the server does not know: a save finds no
            // profile (36), a copy cannot lock the target (60).
            KvFlowsmithApp app;
            app.customerId = 1;
            app.applicationId = 990;
            app.state = KvAppState(row.complete, row.lock, row.usage);
            KvStateBehaviour& table = KvStateBehaviour::Instance();
            const StateRow* selected = table.Lookup(app.state);
            ASSERT_NE(selected, nullptr);
            StateAction arguments;
            arguments.app = &app;
            arguments.targetCustomerId = 1;
            arguments.targetApplicationId = 991;
            arguments.targetName = "Target";
            arguments.targetUsage = 2;
            boxes.shown.clear();
            boxes.answers = {kKvIdNo};
            const int rc = table.Dispatch(static_cast<StateActionKind>(action), arguments);
            const std::string expected = row.actions[action];
            const std::string where = std::string(selected->name) + " action " + std::to_string(action);
            if (expected == "S") {
                EXPECT_EQ(rc, 36) << where;
                EXPECT_TRUE(boxes.shown.empty()) << where;
            } else if (expected == "C") {
                EXPECT_EQ(rc, 60) << where;
                EXPECT_TRUE(boxes.shown.empty()) << where;
            } else if (expected[0] == '?') {
                EXPECT_EQ(rc, 59) << where;
                ASSERT_EQ(boxes.shown.size(), 1u) << where;
                EXPECT_EQ(boxes.shown[0], expected == "?M" ? makeIncomplete : exportImported) << where;
            } else if (expected == "!20") {
                EXPECT_EQ(rc, 20) << where;
                ASSERT_EQ(boxes.shown.size(), 1u) << where;
                EXPECT_EQ(boxes.shown[0], targetLocked) << where;
            } else {
                EXPECT_EQ(rc, std::stoi(expected)) << where;
                EXPECT_TRUE(boxes.shown.empty()) << where;
            }
            // Nothing changes the marks when nothing was saved.
            EXPECT_EQ(app.state.exported, 0) << where;
            EXPECT_EQ(app.state.complete, row.complete) << where;
        }
    }
}

TEST(StateTableTest, RowsMatchOnCompleteLockAndUsageOnly) {
    KvStateBehaviour& table = KvStateBehaviour::Instance();
    KvAppState state(1, 0, 1);
    state.exported = 1;
    state.exists = 0;
    const StateRow* row = table.Lookup(state);
    ASSERT_NE(row, nullptr);
    EXPECT_STREQ(row->name, "LockedByMe+Assigned");
    EXPECT_EQ(row->key.complete, 1);
    // Incomplete, in use and not locked by me: no row, and dispatch gives 30.
    for (const KvAppState& none : {KvAppState(0, 2, 1), KvAppState(0, 1, 3), KvAppState(0, 2, 2)}) {
        EXPECT_EQ(table.Lookup(none), nullptr);
        StateAction a;
        EXPECT_EQ(table.Dispatch(kSaveComplete, a), 30);
    }
    KvStateBehaviour::Destroy();
}

TEST(StateTableTest, LockAndUsageValues) {
    struct Case { const char* user; const char* pc; int lock; };
    const Case cases[] = {{"", "", 2}, {"4711", "1.1.1.1", 0}, {"U0001", "", 1}, {"", "1.1.1.1", 0},
                          {"sysadmin", "10.0.0.9", 1}, {"47110", "", 1}};
    for (const Case& c : cases) EXPECT_EQ(LockOf(c.user, c.pc, "4711"), c.lock) << c.user << "/" << c.pc;
    EXPECT_EQ(LockOf("AbC", "", "abc"), 0);
    KvAppState s;
    EXPECT_EQ(s.lock, 2);
    EXPECT_EQ(s.exists, 1);
    s.SetLock(7);
    EXPECT_EQ(s.lock, 2);
    s.SetUsage(true, true);
    EXPECT_EQ(s.usage, 3);
    s.SetUsage(false, true);
    EXPECT_EQ(s.usage, 2);
    EXPECT_TRUE(s.IsImported());
    EXPECT_FALSE(s.IsAssigned());
}

}  // namespace
}  // namespace zlink::testing
