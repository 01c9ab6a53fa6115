#include "shell/states/commandfacts.h"
#include "shell/states/commandstates.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Commands whose state follows the selection rather than the application alone.
const std::set<std::uint16_t> kSelectionCommands = {4138, 4139, 4141, 4150, 4202, 4154, 4174, 4222, 4249};
const std::set<std::uint16_t> kDocumentCommands = {4228, 4203, 4229, 4140};

struct StateCase {
    const char* name;
    WorkspaceFacts workspace;
    bool app;
    ActiveAppFacts document;
    PageSelectionFacts page;
    // Commands of the selection and document groups expected enabled; the others of those
    // groups are expected disabled. Application-wide commands follow `app`.
    std::set<std::uint16_t> enabled;
    bool paletteChecked = false;
    bool fullScreenChecked = false;
};

const ActiveAppFacts kPlainApp{"No", 0, true};

const StateCase kCases[] = {
    {"NothingOpen", {true, true, true}, false, {}, {SelectionKind::Block, 1, true}, {}, true, true},
    {"NothingOpenNoMarks", {false, false, false}, false, {}, {}, {}, false, false},
    {"AppNothingSelected", {}, true, kPlainApp, {}, {4203}},
    {"BlocksHeldEnablePaste", {false, false, true}, true, kPlainApp, {}, {4203, 4140}},
    {"TwoBlocks", {}, true, kPlainApp, {SelectionKind::Block, 2}, {4203, 4138, 4139, 4141}},
    {"OneBlock", {}, true, kPlainApp, {SelectionKind::Block, 1}, {4203, 4138, 4139, 4141, 4150, 4202}},
    {"OneNote", {}, true, kPlainApp, {SelectionKind::Note, 1}, {4203, 4138, 4139, 4141, 4222, 4249}},
    {"TwoNotes", {}, true, kPlainApp, {SelectionKind::Note, 2}, {4203, 4138, 4139, 4141, 4222}},
    {"GotoLineFirst", {}, true, kPlainApp, {SelectionKind::Line, 3}, {4203, 4141, 4154, 4174}},
    // A mixed selection is judged by its first object: a line first, then blocks.
    {"MixedLineFirst", {}, true, kPlainApp, {SelectionKind::Line, 1}, {4203, 4141, 4154, 4174}},
    {"PasteWhileNoteEdited", {}, true, kPlainApp, {SelectionKind::None, 0, true}, {4203, 4140}},
    {"UnfinishedBlock", {}, true, {"No", 0, false}, {}, {}},
    {"Exported", {}, true, {"Yes", 0, true}, {}, {4229}},
    {"WithImports", {}, true, {"No", 2, true}, {}, {4203, 4228}},
};

class CommandStatesTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(CommandStatesTest, PassSetsEveryCommandByItsRule) {
    const StateCase& c = GetParam();
    KvCommandHandler handler;
    handler.UpdateCommands(MakeCommandFacts(c.workspace, c.app ? &c.document : nullptr, c.page));
    for (const CommandStateRow& row : CommandStateRows()) {
        bool expected;
        if (row.id == kCmPalette || row.id == kCmFullScreen)
            expected = true;
        else if (kSelectionCommands.count(row.id) || kDocumentCommands.count(row.id))
            expected = c.enabled.count(row.id) != 0;
        else
            expected = c.app;
        EXPECT_EQ(handler.IsEnabled(row.id), expected) << "command " << row.id;
    }
    EXPECT_EQ(handler.IsChecked(kCmPalette), c.paletteChecked);
    EXPECT_EQ(handler.IsChecked(kCmFullScreen), c.fullScreenChecked);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandStatesTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandHandlerTest, TableRegistersFortyOneDistinctCommands) {
    std::set<std::uint16_t> ids;
    for (const CommandStateRow& row : CommandStateRows()) ids.insert(row.id);
    EXPECT_EQ(ids.size(), CommandStateRows().size());
    EXPECT_EQ(ids.size(), KvCommandHandler::kCommandCount);
}

TEST(CommandHandlerTest, UnknownIdsReadFalseAndIgnoreWrites) {
    KvCommandHandler handler;
    CommandFacts all;
    all.app = all.complete = all.hasImports = all.blocksHeld = true;
    all.selection = SelectionKind::Block;
    all.singleSelection = true;
    handler.UpdateCommands(all);
    handler.SetEnabled(4128, true);
    handler.SetChecked(4128, true);
    EXPECT_FALSE(handler.IsEnabled(4128));
    EXPECT_FALSE(handler.IsChecked(4128));
    EXPECT_TRUE(handler.IsEnabled(4202));
}

TEST(CommandHandlerTest, StatesStartDisabledAndSettersReachKnownIds) {
    KvCommandHandler handler;
    for (const CommandStateRow& row : CommandStateRows()) {
        EXPECT_FALSE(handler.IsEnabled(row.id));
        EXPECT_FALSE(handler.IsChecked(row.id));
    }
    handler.SetChecked(4130, true);
    handler.SetEnabled(4130, true);
    EXPECT_TRUE(handler.IsChecked(4130));
    EXPECT_TRUE(handler.IsEnabled(4130));
}

// Selection facts never count without an application, even when a caller sets them.
TEST(CommandHandlerTest, SelectionFactsNeedAnApplication) {
    CommandFacts facts;
    facts.selection = SelectionKind::Note;
    facts.singleSelection = true;
    facts.blocksHeld = true;
    KvCommandHandler handler;
    handler.UpdateCommands(facts);
    EXPECT_FALSE(handler.IsEnabled(4249));
    EXPECT_FALSE(handler.IsEnabled(4141));
    EXPECT_FALSE(handler.IsEnabled(4140));
}

}  // namespace
