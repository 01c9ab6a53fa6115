// The designer's paste at a page point under Wine, against the real model library: blocks
// with their line go from one program's page window into another's and are selected
// there; pasted into their own program the clashing names are settled through the
// conflict resolver and reach the model; a cancel over a conflict pastes nothing; text
// notes land moved by the point.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "editor/canvas/gotoline.h"
#include "editor/clipboard/clipboardprogram.h"
#include "editor/clipboard/kvcopyconflict.h"
#include "editor/drawn/displayobject.h"
#include "editor/notes/textnote.h"
#include "framework/kvnamed.h"
#include "framework/shellservices.h"
#include "pagewindows_fixture.h"
#include "shell/paste/designerpaste.h"
#include "shell/paste/pasteconflicts.h"

namespace {

// Every conflict is answered with the proposal (1) or with Cancel (2).
class AnsweringDialogs : public ed::ConflictDialogs {
public:
    int AskName(ed::KvCopyConflict&, int, bool&) override { return ++asked, answer; }
    int AskIdentical(ed::KvCopyConflict&, int, bool&, bool&, bool&) override { return ++asked, answer; }
    int answer = 1;
    int asked = 0;
};

// The model's conflicts settled by the real resolver over the designer's target, with
// the test's answers in place of the dialogs; the item pastes are counted.
class ResolvingShell : public ShellServices {
public:
    int GetAllNameConflicts(std::vector<zeph::TClipInfo>& conflicts) override
    {
        return vlxGetAllNameConflicts(conflicts);
    }
    int ResolveConflicts(std::vector<zeph::TClipInfo>& conflicts) override
    {
        DesignerConflictTarget target;
        ed::KvCopyConflict resolver(conflicts, target);
        return resolver.ResolveAll(dialogs);
    }
    void PasteClipboardVoiceItems(const std::vector<zeph::TClipInfo>&) override { ++itemPastes; }
    void PasteClipboardFaxItems(const std::vector<zeph::TClipInfo>&) override { ++itemPastes; }
    AnsweringDialogs dialogs;
    int itemPastes = 0;
};

class DesignerPasteTest : public PageWindowsFixture {
protected:
    DesignerPasteTest()
    {
        clip = std::make_unique<ed::ClipboardProgram>(host, model, &imports, clipboardModel, workspace);
        clipboardModel.EmptyClipboard();
        target = new ed::Program(host, model, &imports, "C:\\APPS\\OTHER.ed", 0);
        targetMain = new ed::Page(target, "Main", ed::kPageMain, 0);
        target->AddPage(targetMain);
        DesignerPaste::Site site;
        site.shell = &shell;
        site.pasteWorkspaceParts = [this] { ++workspaceParts; };
        site.windows = windows.get();
        paste = std::make_unique<DesignerPaste>(*clip, std::move(site));
    }
    ~DesignerPasteTest() override
    {
        clipboardModel.EmptyClipboard();
        paste.reset();
        windows.reset();
        clip.reset();
    }

    static std::vector<std::string> Names(const ed::Page& page)
    {
        std::vector<std::string> out;
        for (const auto& b : page.Blocks()) out.push_back(b->Name());
        return out;
    }
    // Each canvas block is its model block under its own name.
    void ExpectOneToOne(ed::Program& program, ed::Page& page)
    {
        program.Activate();
        page.Activate();
        for (const auto& block : page.Blocks()) {
            ASSERT_NE(block->Handle(), nullptr) << block->Name();
            EXPECT_EQ(model.FindVavurOrezo(block->Name().c_str(), 1, 0), block->Handle()) << block->Name();
        }
    }

    ed::VlxClipboard clipboardModel;
    ed::test::QuietClipboardWorkspace workspace;
    ResolvingShell shell;
    int workspaceParts = 0;
    std::unique_ptr<ed::ClipboardProgram> clip;
    ed::Program* target = nullptr;  // deleted by its last page window
    ed::Page* targetMain = nullptr;
    std::unique_ptr<DesignerPaste> paste;
};

TEST_F(DesignerPasteTest, BlocksGoIntoAnotherProgramAndClashingNamesAreSettledInTheirOwn)
{
    ed::VavurOrezo* a = Add(openedMain, "Greeting", 393, 100, 200);
    ed::VavurOrezo* b = Add(openedMain, "Choice", 404, 300, 150);
    ASSERT_TRUE(a && b);
    ASSERT_NE(a->CreateGoto(b, "Done Playing", 0), nullptr);
    ed::EditChild* source = windows->CreateEditWindow(*opened, openedMain);
    ed::EditChild* into = windows->CreateEditWindow(*target, targetMain);
    ASSERT_TRUE(source && into);
    opened->Activate();
    ASSERT_EQ(clip->CopySelection({a, b}, openedMain), 0);

    // Into the other program: the names are free there.
    const ed::Point at = into->Canvas().Scale().PageToCanvas(ed::Point{40, 60});
    ASSERT_TRUE(paste->PasteAt(into->Canvas(), at));
    EXPECT_EQ(Names(*targetMain), (std::vector<std::string>{"Greeting", "Choice"}));
    ed::VavurOrezo* pastedA = targetMain->FindVavurOrezo("Greeting");
    ed::VavurOrezo* pastedB = targetMain->FindVavurOrezo("Choice");
    ASSERT_TRUE(pastedA && pastedB);
    EXPECT_EQ((ed::Point{pastedA->X(), pastedA->Y()}), (ed::Point{40, 110}));
    ASSERT_NE(pastedA->FindGoto("Done Playing"), nullptr);
    EXPECT_EQ(pastedA->FindGoto("Done Playing")->EndBlock(), pastedB);
    EXPECT_EQ(into->Canvas().SelectionCount(), 2);
    EXPECT_TRUE(into->Canvas().IsSelected(pastedA));
    ExpectOneToOne(*target, *targetMain);
    EXPECT_EQ(shell.itemPastes, 2);
    EXPECT_EQ(workspaceParts, 1);
    // The window shows what was pasted.
    EXPECT_NE(into->Canvas().FindDrawnObject(pastedB, ed::kDrawnVavurOrezo), nullptr);

    // Back into its own program the names clash: each gets the resolver's proposal, which
    // the model follows.
    shell.dialogs.asked = 0;
    ASSERT_TRUE(paste->PasteAt(source->Canvas(), source->Canvas().Scale().PageToCanvas(ed::Point{400, 300})));
    EXPECT_EQ(shell.dialogs.asked, 2);
    EXPECT_EQ(Names(*openedMain), (std::vector<std::string>{"Greeting", "Choice", "Greeting1", "Choice1"}));
    ExpectOneToOne(*opened, *openedMain);
    ed::VavurOrezo* copyA = openedMain->FindVavurOrezo("Greeting1");
    ASSERT_NE(copyA, nullptr);
    ASSERT_NE(copyA->FindGoto("Done Playing"), nullptr);
    EXPECT_EQ(copyA->FindGoto("Done Playing")->EndBlock(), openedMain->FindVavurOrezo("Choice1"));

    // Cancelled over the first conflict: nothing is pasted.
    shell.dialogs.answer = 2;
    const std::size_t before = openedMain->Blocks().size();
    EXPECT_FALSE(paste->PasteAt(source->Canvas(), source->Canvas().Scale().PageToCanvas(ed::Point{400, 300})));
    EXPECT_EQ(openedMain->Blocks().size(), before);
}

TEST_F(DesignerPasteTest, TextNotesLandMovedByThePoint)
{
    auto font = std::make_shared<FontObject>("", "Arial", -13, 400, 0);
    auto* note = new ed::KvTextUI(openedMain, 100, 300, 50, 90, font, font->GetFont());
    note->Base().SetText("Call back later");
    openedMain->AddTextNote(note);
    windows->CreateEditWindow(*opened, openedMain);
    ed::EditChild* into = windows->CreateEditWindow(*target, targetMain);
    ASSERT_EQ(clip->CopyTextNotes({note}, openedMain, false), 0);

    ASSERT_TRUE(paste->PasteAt(into->Canvas(), into->Canvas().Scale().PageToCanvas(ed::Point{20, 30})));
    ASSERT_EQ(targetMain->Notes().size(), 1u);
    const ed::KvTextUI& pasted = *targetMain->Notes()[0];
    EXPECT_EQ(pasted.Base().Text(), "Call back later");
    std::int32_t left = 0, right = 0, top = 0, bottom = 0;
    pasted.GetRect(left, right, top, bottom);
    EXPECT_EQ((std::vector<std::int32_t>{left, right, top, bottom}), (std::vector<std::int32_t>{20, 220, 30, 70}));
    EXPECT_TRUE(targetMain->Blocks().empty());
    EXPECT_EQ(into->Canvas().SelectionCount(), 1);
}

// The settled copies replace the clipboard's entries of the same name and kind only.
TEST(PasteConflictsTest, DecisionsReplaceTheEntriesOfTheSameNameAndKind)
{
    std::vector<zeph::TClipInfo> clipboard{zeph::TClipInfo("Greeting", zeph::kClipVavurOrezo),
                                           zeph::TClipInfo("Greeting", zeph::kClipSentence),
                                           zeph::TClipInfo("End", zeph::kClipVavurOrezo)};
    zeph::TClipInfo renamed("Greeting", zeph::kClipVavurOrezo);
    renamed.SetNewName("Greeting1");
    zeph::TClipInfo kept("End", zeph::kClipVavurOrezo);
    kept.UseExisting = 1;
    zeph::TClipInfo gone("Missing", zeph::kClipVavurOrezo);
    gone.SetNewName("Other");
    KvApplyConflictDecisions({renamed, kept, gone}, clipboard);
    EXPECT_STREQ(clipboard[0].NewName, "Greeting1");
    EXPECT_STREQ(clipboard[1].NewName, "");
    EXPECT_EQ(clipboard[2].UseExisting, 1);
    EXPECT_EQ(clipboard.size(), 3u);
}

}  // namespace
