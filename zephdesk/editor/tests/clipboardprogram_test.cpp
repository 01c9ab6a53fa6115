// The clipboard program against the real model library: copying blocks, lines, pages and
// notes into it and pasting them into another program, with canvas and model kept one to
// one.
#include "canvas_fixture.h"

#include <algorithm>
#include <cstdio>

#include "editor/clipboard/clipboardprogram.h"
#include "editor/clipboard/recordworkspace.h"
#include "foundation/tests/fault_capture.h"
#include "editor/notes/textnote.h"
#include "programfile/clipboard/clipinfo.h"

namespace ed::test {
namespace {

// Passes every call to the model's clipboard; can make the copy or the paste refuse.
class RecordingClipboard : public ClipboardModel {
 public:
  int SetClipType(int kind) override { return real.SetClipType(kind); }
  int CopyVavurorezos(const char* name) override {
    copied.emplace_back(name);
    if (refuseCopyOf == name) return -5;
    return real.CopyVavurorezos(name);
  }
  short PasteVavurorezos(int flag, int appId) override {
    pasteAppIds.push_back(appId);
    if (refusePaste) return -7;
    return real.PasteVavurorezos(flag, appId);
  }
  std::string WhatIsNewName(const char* name) override { return real.WhatIsNewName(name); }
  std::string CheckForSuperVerInCopy(const char* name) override { return real.CheckForSuperVerInCopy(name); }
  void PageToCopy(const char* page, short flag) override { real.PageToCopy(page, flag); }
  int AddSymToClipboard(const char* name) override { return real.AddSymToClipboard(name); }
  int IsSuperBeingPasted(const char* name) override { return real.IsSuperBeingPasted(name); }
  void EmptyClipboard() override {
    ++emptied;
    real.EmptyClipboard();
  }
  bool ImportLibrary(vlxHandleType program, const char* library) override {
    imported.emplace_back(library);
    return real.ImportLibrary(program, library);
  }
  int UpdatePBInfo(vlxHandleType block) override {
    ++updates;
    return real.UpdatePBInfo(block);
  }
  void ReferenceVariable(const char* name, int add) override { referenced.emplace_back(name); (void)add; }

  VlxClipboard real;
  std::string refuseCopyOf;
  bool refusePaste = false;
  std::vector<std::string> copied, imported, referenced;
  std::vector<int> pasteAppIds;
  int emptied = 0, updates = 0;
};

class RecordingWorkspace : public ClipboardWorkspace {
 public:
  void CopyItemsOf(VavurOrezo& block) override { itemCopies.push_back(block.Name()); }
  void AddItemRefsOf(VavurOrezo& block) override { itemRefs.push_back(block.Name()); }
  void AddClipboardImport(const std::string& name) override { imports.push_back(name); }
  void Report(int id, const std::string& argument) override { reports.emplace_back(id, argument); }
  std::vector<std::string> itemCopies, itemRefs, imports;
  std::vector<std::pair<int, std::string>> reports;
};

class RecordingSelection : public PasteSelection {
 public:
  void Select(ProgramObject* object) override { selected.push_back(object); }
  std::vector<ProgramObject*> selected;
};

class ClipboardProgramTest : public CanvasTest {
 protected:
  ClipboardProgramTest() {
    clip = std::make_unique<ClipboardProgram>(host, model, &imports, clipboardModel, workspace);
    clipboardModel.EmptyClipboard();
    clipboardModel.emptied = 0;
  }
  ~ClipboardProgramTest() override {
    clipboardModel.real.EmptyClipboard();
    clip.reset();
  }

  // Every canvas block of the page has its model block under its own name, and the
  // model finds no block of the page that the canvas lacks among the names given.
  void ExpectOneToOne(Program& p, Page& page) {
    p.Activate();
    page.Activate();
    for (const auto& block : page.Blocks()) {
      EXPECT_NE(block->Handle(), nullptr) << block->Name();
      const std::string name =
          page.PageType() != kPageMain ? page.Name() + "$" + block->Name() : block->Name();
      EXPECT_EQ(model.FindVavurOrezo(name.c_str(), 1, 0), block->Handle()) << name;
      EXPECT_EQ(std::count_if(page.Blocks().begin(), page.Blocks().end(),
                              [&](const auto& b) { return b->Handle() == block->Handle(); }),
                1)
          << block->Name();
    }
  }

  // What resolving the paste's conflicts leaves in the model's entries: the End block is
  // kept, every other name that clashes in the current program gets a new one.
  static void RenameClashes(const std::string& page = "Main") {
    for (zeph::TClipInfo& entry : *vlxGetClipboardList()) {
      const std::string name = zeph::SymbolPartOf(entry.Name);
      if (name == "End") {
        entry.UseExisting = 1;
      } else if (vlxFindSymbol(name.c_str()) != nullptr || vlxFindSymbol((page + "$" + name).c_str()) != nullptr) {
        std::snprintf(entry.NewName, sizeof entry.NewName, "%s2", name.c_str());
      }
    }
  }

  static std::vector<std::string> Names(const Page& page) {
    std::vector<std::string> out;
    for (const auto& b : page.Blocks()) out.push_back(b->Name());
    return out;
  }

  RecordingClipboard clipboardModel;
  RecordingWorkspace workspace;
  std::unique_ptr<ClipboardProgram> clip;
};

TEST_F(ClipboardProgramTest, BlocksAndTheirLineArePastedAtThePastePointUnderFreeNames) {
  VavurOrezo* a = Add(main, "Greeting", 393, 100, 200);
  VavurOrezo* b = Add(main, "Choice", 404, 300, 150);
  ASSERT_TRUE(a && b);
  ASSERT_NE(a->CreateGoto(b, "Done Playing", 0), nullptr);

  ASSERT_EQ(clip->CopySelection({a, b}, main), 0);
  EXPECT_EQ(Names(*clip->ClipboardPage()), (std::vector<std::string>{"Greeting", "Choice"}));
  EXPECT_EQ(clip->Minima(), (Point{100, 150}));
  EXPECT_EQ(clip->SourceProgramId(), program->GetID());
  EXPECT_EQ(workspace.itemCopies, (std::vector<std::string>{"Greeting", "Choice"}));
  // The clipboard's line is a canvas copy only.
  ASSERT_EQ(clip->ClipboardPage()->FindVavurOrezo("Greeting")->Gotos().size(), 1u);
  const Goto& clipLine = *clip->ClipboardPage()->FindVavurOrezo("Greeting")->Gotos()[0];
  EXPECT_EQ(clipLine.EndBlock(), clip->ClipboardPage()->FindVavurOrezo("Choice"));
  EXPECT_TRUE(clipLine.TestFlags(kGotoNoModel));

  // Into the other program: the names are free there.
  RecordingSelection window;
  clip->SetPastePoint(40, 60);
  other->AppInfo().appID = 77;
  ASSERT_EQ(clip->PasteInto(otherMain, &window, 0), 0);
  EXPECT_EQ(clipboardModel.pasteAppIds, std::vector<int>{77});
  VavurOrezo* pastedA = otherMain->FindVavurOrezo("Greeting");
  VavurOrezo* pastedB = otherMain->FindVavurOrezo("Choice");
  ASSERT_TRUE(pastedA && pastedB);
  EXPECT_EQ((Point{pastedA->X(), pastedA->Y()}), (Point{40, 110}));
  EXPECT_EQ((Point{pastedB->X(), pastedB->Y()}), (Point{240, 60}));
  EXPECT_EQ(window.selected, (std::vector<ProgramObject*>{pastedA, pastedB}));
  EXPECT_EQ(workspace.itemRefs, (std::vector<std::string>{"Greeting", "Choice"}));
  ExpectOneToOne(*other, *otherMain);
  ASSERT_NE(pastedA->FindGoto("Done Playing"), nullptr);
  EXPECT_EQ(pastedA->FindGoto("Done Playing")->EndBlock(), pastedB);
  other->Activate();
  EXPECT_EQ(model.GetGotoConnection(pastedA->Handle(), 0), pastedB->Handle());
  EXPECT_TRUE(other->IsModified());

  // A pasted line is the model's: deleting it deletes the model's goto.
  pastedA->DeleteGoto(pastedA->FindGoto("Done Playing"));
  EXPECT_EQ(model.deletedGotos, std::vector<std::string>{"Done Playing"});

  // Pasted again into the source program, the names clash: the model chooses new ones
  // and the canvas takes them.
  program->Activate();
  RenameClashes();
  ASSERT_EQ(clip->PasteInto(main, nullptr, 0), 0);
  EXPECT_EQ(Names(*main), (std::vector<std::string>{"Greeting", "Choice", "Greeting2", "Choice2"}));
  ExpectOneToOne(*program, *main);
  for (const auto& block : main->Blocks()) EXPECT_EQ(block->Name().find('$'), std::string::npos);
}

TEST_F(ClipboardProgramTest, TheEndBlockGoesAlongAndIsPastedOnlyOnce) {
  Page* sub = new Page(program.get(), "Sub", kPageSuperBlock, 0);
  program->AddPage(sub);
  VavurOrezo* end = Add(sub, "End", kTypeSubFlowEnd, 200, 300);
  ASSERT_NE(end, nullptr);
  ASSERT_EQ(end->TypeCode(), kTypeSubFlowEnd);
  VavurOrezo* a = Add(sub, "Play", 393, 50, 80);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(a->CreateGoto(end, "Done Playing", 0), nullptr);

  ASSERT_EQ(clip->CopySelection({a}, sub), 0);
  EXPECT_TRUE(clip->HoldsEndBlock());
  EXPECT_EQ(Names(*clip->ClipboardPage()), (std::vector<std::string>{"End", "Play"}));

  // Back onto the same page: the kept "End" is the page's own, and the pasted line
  // reaches it.
  const std::size_t before = sub->Blocks().size();
  program->Activate();
  sub->Activate();
  RenameClashes("Sub");
  ASSERT_EQ(clip->PasteInto(sub, nullptr, 0), 0);
  EXPECT_EQ(sub->Blocks().size(), before + 1);
  EXPECT_EQ(std::count_if(sub->Blocks().begin(), sub->Blocks().end(),
                          [](const auto& b) { return b->Name() == "End"; }),
            1);
  VavurOrezo* pasted = sub->Blocks().back().get();
  EXPECT_NE(pasted->Name(), "Play");
  ASSERT_NE(pasted->FindGoto("Done Playing"), nullptr);
  EXPECT_EQ(pasted->FindGoto("Done Playing")->EndBlock(), end);
}

TEST_F(ClipboardProgramTest, AModelRefusalEndsTheCopyAndAFailedPasteRemovesItsPages) {
  VavurOrezo* a = Add(main, "First", 393, 10, 10);
  VavurOrezo* b = Add(main, "Second", 393, 20, 20);
  ASSERT_TRUE(a && b);
  clipboardModel.refuseCopyOf = "First";
  EXPECT_EQ(clip->CopySelection({a, b}, main), -5);
  EXPECT_EQ(clipboardModel.copied, std::vector<std::string>{"First"});
  EXPECT_TRUE(clip->ClipboardPage()->Blocks().empty());

  clipboardModel.refuseCopyOf.clear();
  ASSERT_EQ(clip->Empty(), 0);
  ASSERT_EQ(clip->CopySelection({b}, main), 0);
  clipboardModel.refusePaste = true;
  const std::size_t pages = other->Pages().size();
  EXPECT_EQ(clip->PasteInto(otherMain, nullptr, 0), -7);
  EXPECT_EQ(other->Pages().size(), pages);
  EXPECT_EQ(otherMain->Blocks().size(), 0u);
}

TEST_F(ClipboardProgramTest, AnImportBlockOfTheTargetApplicationIsNotPasted) {
  VavurOrezo* a = Add(main, "Keep", 393, 10, 10);
  ASSERT_NE(a, nullptr);
  ASSERT_EQ(clip->CopySelection({a}, main), 0);
  // An imported-application block as a copy would leave it on the clipboard page.
  auto record = std::make_shared<TypeRecord>();
  record->typeCode = kTypeImported;
  record->typeName = "Orders.1234";
  int refused = 0;
  static int handle;
  auto* imported = new VavurOrezo(clip->ClipboardPage(), "Orders", record, nullptr, 30, 30, refused, &handle, 1);
  clip->ClipboardPage()->AddVavurOrezo(imported);

  other->AppInfo().appID = 1234;
  ASSERT_EQ(clip->PasteInto(otherMain, nullptr, 0), 0);
  EXPECT_EQ(workspace.reports, (std::vector<std::pair<int, std::string>>{{kMsgSelfImportPaste, "1234"}}));
  EXPECT_EQ(Names(*otherMain), std::vector<std::string>{"Keep"});
}

TEST_F(ClipboardProgramTest, NotesAreMovedByThePastePointAndEmptyLeavesTheClipboardPageAlone) {
  auto* first = new KvTextUI(main, 100, 200, 300, 340, nullptr, nullptr);
  first->Base().SetText("first note");
  NoteFontSpec spec;
  spec.face = "Arial";
  spec.height = -13;
  first->SetFontSpec(spec);
  auto* second = new KvTextUI(main, 50, 90, 400, 420, nullptr, nullptr);
  second->Base().SetText("second");
  main->AddTextNote(first);
  main->AddTextNote(second);

  ASSERT_EQ(clip->CopyTextNotes({first, second}, main, false), 0);
  EXPECT_EQ(clip->Minima(), (Point{50, 300}));
  RecordingSelection window;
  clip->SetPastePoint(0, 0);
  clip->PasteTextNotes(otherMain, &window);
  ASSERT_EQ(otherMain->Notes().size(), 2u);
  const KvTextUI& pasted = *otherMain->Notes()[0];
  std::int32_t l = 0, r = 0, t = 0, b = 0;
  pasted.GetRect(l, r, t, b);
  EXPECT_EQ((std::vector<std::int32_t>{l, r, t, b}), (std::vector<std::int32_t>{50, 150, 0, 40}));
  EXPECT_EQ(pasted.Base().Text(), "first note");
  EXPECT_EQ(pasted.FontSpec().face, "Arial");
  EXPECT_EQ(pasted.FontSpec().height, -13);
  EXPECT_EQ(window.selected.size(), 2u);
  // The originals are untouched.
  first->GetRect(l, r, t, b);
  EXPECT_EQ((std::vector<std::int32_t>{l, r, t, b}), (std::vector<std::int32_t>{100, 200, 300, 340}));

  ASSERT_EQ(clip->Empty(), 0);
  ASSERT_EQ(clip->Pages().size(), 1u);
  EXPECT_EQ(clip->Pages()[0]->Name(), kClipboardPageName);
  EXPECT_TRUE(clip->ClipboardPage()->Notes().empty());
  EXPECT_TRUE(clip->ClipboardPage()->Blocks().empty());
  EXPECT_EQ(clip->SourceProgramId(), -1);
  EXPECT_EQ(clipboardModel.emptied, 1);
}

TEST_F(ClipboardProgramTest, ASuperBlockPageAndItsCallArePastedIntoAnotherProgram) {
  Page* sub = new Page(program.get(), "Billing", kPageSuperBlock, 0);
  program->AddPage(sub);
  ASSERT_EQ(sub->AddSuperBlockDefaultBlocks(kPageSuperBlock), 1);
  sub->SetComment("bills");
  VavurOrezo* inner = Add(sub, "Charge", 393, 70, 90);
  ASSERT_NE(inner, nullptr);
  auto record = std::make_shared<TypeRecord>();
  record->typeCode = kTypeSuperBlockCall;
  record->typeName = "Billing";
  int refused = 0;
  main->Activate();
  auto* call = new VavurOrezo(main, "Billing1", record, nullptr, 10, 10, refused);
  if (call->Handle() == nullptr) {
    delete call;
    GTEST_SKIP() << "the model makes no SuperBlock call without its palette entry";
  }
  main->AddVavurOrezo(call);

  ASSERT_EQ(clip->CopySelection({call}, main), 0);
  ASSERT_NE(clip->FindPage("Billing"), nullptr);
  EXPECT_EQ(clip->FindPage("Billing")->Comment(), "bills");
  ASSERT_EQ(clip->PasteInto(otherMain, nullptr, 0), 0);
  Page* pastedPage = other->FindPage("Billing");
  ASSERT_NE(pastedPage, nullptr);
  EXPECT_EQ(pastedPage->Comment(), "bills");
  EXPECT_NE(pastedPage->FindVavurOrezo("Charge"), nullptr);
  ExpectOneToOne(*other, *pastedPage);
  ASSERT_EQ(otherMain->Blocks().size(), 1u);
  EXPECT_EQ(otherMain->Blocks()[0]->CustomTypeName(), "Billing");
}

TEST(RecordClipboardWorkspaceTest, TheSelfImportMessageNamesTheIdAndImportsAreHandedOn) {
  FaultCapture faults;
  faults.table.Set(kMsgSelfImportPaste,
                   "The import block for AppID = %1 cannot be pasted \nas its ID matches the current application.");
  std::vector<std::string> kept;
  RecordClipboardWorkspace workspace([&](const std::string& name) { kept.push_back(name); });
  workspace.Report(kMsgSelfImportPaste, "1234");
  workspace.AddClipboardImport("Orders.1234");
  ASSERT_EQ(faults.presenter.Boxes().size(), 1u);
  EXPECT_EQ(faults.presenter.Boxes()[0].text,
            "The import block for AppID = 1234 cannot be pasted \nas its ID matches the current application.");
  EXPECT_EQ(kept, std::vector<std::string>{"Orders.1234"});
}

}  // namespace
}  // namespace ed::test
