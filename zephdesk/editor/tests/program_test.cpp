// Programs and pages against the real model: ids, page searches, import groups, standard
// blocks of new pages, and what deleting a program, a block or a line asks of the model.
#include "canvas_fixture.h"

#include <cstring>

namespace ed::test {
namespace {

using ProgramTest = CanvasTest;

TEST_F(ProgramTest, IdsAreGivenLazilyInTheOrderAskedAndKept) {
  Page* page = new Page(program.get(), "Second", kPageSuperBlock, 0);
  program->AddPage(page);
  VavurOrezo* a = Add(main, "Alpha", 393);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(main->PeekID(), 0);
  EXPECT_EQ(page->PeekID(), 0);
  EXPECT_EQ(page->GetID(), 1);
  EXPECT_EQ(a->GetID(), 2);
  EXPECT_EQ(main->GetID(), 3);
  EXPECT_EQ(page->GetID(), 1);
  // The other program counts on its own.
  EXPECT_EQ(otherMain->GetID(), 1);
}

TEST_F(ProgramTest, SearchPagesModes) {
  // Blocks are unfinished until their parameters are set; "Main" holds one.
  ASSERT_NE(Add(main, "Alpha", 393), nullptr);
  ASSERT_EQ(main->HasUnfinishedBlock(), 1);
  EXPECT_EQ(program->SearchPages(0), 0);
  EXPECT_EQ(program->SearchPages(1), 1);   // the only unfinished block lies on "Main"
  EXPECT_EQ(program->SearchPages(2), 1);   // only "Main"
  EXPECT_EQ(program->SearchPages(7), 1);
  Page* sub = new Page(program.get(), "Sub", kPageSuperBlock, 0);
  program->AddPage(sub);
  EXPECT_EQ(program->SearchPages(2), 0);
  EXPECT_EQ(program->SearchPages(1), 1);
  ASSERT_NE(Add(sub, "Beta", 393), nullptr);
  EXPECT_EQ(program->SearchPages(1), 0);
}

TEST_F(ProgramTest, FindPageIsCaseSensitiveAndGetMainPageFindsTypeZero) {
  Page* sub = new Page(program.get(), "Sub", kPageSuperBlock, 0);
  program->AddPage(sub);
  EXPECT_EQ(program->FindPage("Main"), main);
  EXPECT_EQ(program->FindPage("main"), nullptr);
  EXPECT_EQ(program->FindPage("Sub"), sub);
  EXPECT_EQ(program->GetMainPage(), main);
}

TEST_F(ProgramTest, FindBlocksByNameAndHandleOverAllPages) {
  Page* sub = new Page(program.get(), "Sub", kPageSuperBlock, 0);
  program->AddPage(sub);
  VavurOrezo* a = Add(main, "Alpha", 393);
  VavurOrezo* b = Add(sub, "Beta", 393);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(program->FindVavurOrezo("Beta"), b);
  EXPECT_EQ(program->FindVavurOrezo("beta"), nullptr);
  EXPECT_EQ(program->FindVavurOrezoByHandle(a->Handle()), a);
  EXPECT_EQ(other->FindVavurOrezoByHandle(a->Handle()), nullptr);
}

// The designer's own adapter: the groups come from what the model itself holds.
TEST_F(ProgramTest, TheModelsImportsAndPagesMakeTheGroups) {
  VlxImports real;
  Program designed(host, model, &real, "Designed", 0);
  Page* mainPage = new Page(&designed, "Main", kPageMain, 0);
  designed.AddPage(mainPage);
  Page* sub = new Page(&designed, "Sub", kPageSuperBlock, 0);
  designed.AddPage(sub);
  ASSERT_STREQ(vlxImportRLL(designed.Handle(), "mylib.rll", nullptr), "MYLIB.RLL");

  designed.BuildImportGroups();
  GroupIcon* libraries = designed.FindGroup(kImportGroupName);
  ASSERT_NE(libraries, nullptr);
  ASSERT_EQ(libraries->Icons().size(), 1u);
  EXPECT_EQ(libraries->Icons()[0]->Record()->typeName, "MYLIB.RLL");

  designed.RebuildOwnGroups();
  GroupIcon* superBlocks = designed.SuperBlockGroup(0);
  ASSERT_NE(superBlocks, nullptr);
  ASSERT_NE(superBlocks->FindIconByTypeName("Sub"), nullptr);
  ASSERT_NE(designed.CustomGroup(), nullptr);
  EXPECT_TRUE(designed.CustomGroup()->Icons().empty()) << "no custom VavurOrezos yet";

  EXPECT_EQ(vlxRemoveRLL(designed.Handle(), "mylib.rll"), 0);
  designed.RebuildLibraryGroups();
  EXPECT_EQ(designed.FindGroup(kImportGroupName), nullptr);
}

TEST_F(ProgramTest, ImportGroupFollowsTheModelsLibraries) {
  ASSERT_NE(palette->FindIcon(kTypeImported), nullptr);
  imports.libraries = {"LibA", "LibB"};
  program->BuildImportGroups();
  ASSERT_EQ(program->ImportGroups().size(), 1u);
  GroupIcon* group = program->FindGroup(kImportGroupName);
  ASSERT_NE(group, nullptr);
  ASSERT_EQ(group->Icons().size(), 2u);
  EXPECT_EQ(group->Icons()[0]->Record()->typeName, "LibA");
  EXPECT_EQ(group->Icons()[1]->Record()->typeName, "LibB");
  EXPECT_EQ(group->Icons()[1]->TypeCode(), kTypeImported);
  // The palette's own icon keeps its name.
  EXPECT_NE(palette->FindIcon(kTypeImported)->Record()->typeName, "LibB");

  imports.libraries = {"LibB"};
  program->RebuildLibraryGroups();
  ASSERT_EQ(program->FindGroup(kImportGroupName), group);
  ASSERT_EQ(group->Icons().size(), 1u);

  std::shared_ptr<GroupIcon> kept = program->ImportGroups().front();
  imports.libraries.clear();
  program->RebuildLibraryGroups();
  EXPECT_TRUE(program->ImportGroups().empty());
  EXPECT_EQ(program->FindGroup(kImportGroupName), nullptr);

  imports.libraries = {"LibC"};
  program->UpdateLibraryGroup("LibC");
  ASSERT_EQ(program->ImportGroups().size(), 1u);
  EXPECT_NE(program->ImportGroups().front(), kept);   // a fresh group
  EXPECT_EQ(program->ImportGroups().front()->Icons()[0]->Record()->typeName, "LibC");
}

TEST_F(ProgramTest, ImportsRefreshSuperBlockCallsAndNeedThePalettesImportIcon) {
  auto* call = new VavurOrezo();
  call->SetTypeCode(kTypeSuperBlockCall);
  call->SetCustomTypeName("LibA");
  main->AddVavurOrezo(call);
  call->UpdateFromModel(false);
  EXPECT_EQ(call->Record()->typeName, "Obsoleted");
  imports.libraries = {"LibA"};
  program->BuildImportGroups();
  EXPECT_EQ(call->Record()->typeName, "LibA");   // found among the imports
  // Without the palette's icon of imported SuperBlocks a library gets no icon.
  host.palette = nullptr;
  program->BuildImportGroups();
  ASSERT_EQ(program->ImportGroups().size(), 1u);
  EXPECT_TRUE(program->ImportGroups().front()->Icons().empty());
  EXPECT_EQ(call->Record()->typeName, "Obsoleted");
}

TEST_F(ProgramTest, NewMainPageGetsTheStandardBlocksSnapped) {
  host.gridSize = 16;
  ASSERT_EQ(main->AddMainDefaultBlocks(), 1);
  struct Expected {
    const char* name;
    int type;
    std::int32_t x, y;
  };
  // x down to a multiple of 16, y down to a multiple of 8.
  const Expected expected[] = {
      {"Begin", kTypeBegin, 48, 48},
      {"End", kTypeEnd, 48, 496},
      {"Attendant", kTypeAttendant, 192, 416},
      {"Rotary", kTypeRotary, 48, 416},
  };
  ASSERT_EQ(main->Blocks().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const VavurOrezo& block = *main->Blocks()[i];
    SCOPED_TRACE(block.Name());
    EXPECT_EQ(block.Name(), expected[i].name);
    EXPECT_EQ(block.TypeCode(), expected[i].type);
    EXPECT_EQ(block.X(), expected[i].x);
    EXPECT_EQ(block.Y(), expected[i].y);
    EXPECT_NE(block.Handle(), nullptr);
  }
  VavurOrezo* rotary = main->FindVavurOrezo("Rotary");
  VavurOrezo* attendant = main->FindVavurOrezo("Attendant");
  Goto* done = rotary->FindGoto("Done");
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(done->EndBlock(), attendant);
  program->Activate();
  EXPECT_EQ(model.GetGotoConnection(rotary->Handle(), 0), attendant->Handle());
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(ProgramTest, DefaultPositionsComeFromTheSettingsAndStaySnapped) {
  host.settings = {{"Start X", 103}, {"Start Y", 37}};
  ASSERT_EQ(main->AddMainDefaultBlocks(), 1);
  EXPECT_EQ(main->FindVavurOrezo("Begin")->X(), 96);
  EXPECT_EQ(main->FindVavurOrezo("Begin")->Y(), 36);
  // Read once: a new program keeps the stored, snapped values.
  host.settings = {{"Start X", 300}};
  Page* page = new Page(other.get(), "Second", kPageSuperBlock, 0);
  other->AddPage(page);
  // "Begin" is taken on the other program's main page only by name on this page.
  ASSERT_EQ(otherMain->AddMainDefaultBlocks(), 1);
  EXPECT_EQ(otherMain->FindVavurOrezo("Begin")->X(), 96);
}

TEST_F(ProgramTest, AStartXOfZeroIsReadAgainForEveryProgram) {
  host.settings = {{"Start X", 0}};
  ASSERT_EQ(main->AddMainDefaultBlocks(), 1);
  EXPECT_EQ(main->FindVavurOrezo("Begin")->X(), 0);
  host.settings = {{"Start X", 200}};
  ASSERT_EQ(otherMain->AddMainDefaultBlocks(), 1);
  EXPECT_EQ(otherMain->FindVavurOrezo("Begin")->X(), 200);
}

TEST_F(ProgramTest, SuperBlockAndVerificationPagesGetTheirBlocks) {
  Page* sub = new Page(program.get(), "Sub", kPageSuperBlock, 0);
  program->AddPage(sub);
  Page* check = new Page(program.get(), "Check", kPageVerification, 0);
  program->AddPage(check);
  ASSERT_NE(sub->Handle(), nullptr);
  ASSERT_NE(check->Handle(), nullptr);
  ASSERT_EQ(sub->AddSuperBlockDefaultBlocks(kPageSuperBlock), 1);
  ASSERT_EQ(check->AddSuperBlockDefaultBlocks(kPageVerification), 1);
  ASSERT_EQ(sub->Blocks().size(), 1u);
  EXPECT_EQ(sub->Blocks()[0]->Name(), "Begin");
  ASSERT_EQ(check->Blocks().size(), 3u);
  const char* names[] = {"Begin", "Success", "Failure"};
  const std::int32_t xs[] = {48, 496, 496}, ys[] = {48, 48, 148};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(check->Blocks()[i]->Name(), names[i]);
    EXPECT_EQ(check->Blocks()[i]->X(), xs[i]);
    EXPECT_EQ(check->Blocks()[i]->Y(), ys[i]);
  }
  EXPECT_EQ(check->Blocks()[1]->TypeCode(), kTypeSubFlowEnd);
}

TEST_F(ProgramTest, ARefusedStandardBlockStopsWithItsMessageAndKeepsWhatWasMade) {
  model.refusedNames = {"Attendant"};
  EXPECT_EQ(main->AddMainDefaultBlocks(), 0);
  ASSERT_EQ(host.boxes, std::vector<int>{39});
  EXPECT_EQ(host.boxStyles[0], kBoxIconExclamation);
  ASSERT_EQ(main->Blocks().size(), 2u);   // Begin and End stay
  EXPECT_EQ(main->FindVavurOrezo("Attendant"), nullptr);
}

TEST_F(ProgramTest, ARefusedDefaultLineGivesItsMessage) {
  model.refuseGotos = true;
  EXPECT_EQ(main->AddMainDefaultBlocks(), 0);
  EXPECT_EQ(host.boxes, std::vector<int>{38});
  EXPECT_EQ(main->Blocks().size(), 4u);
  EXPECT_TRUE(main->FindVavurOrezo("Rotary")->Gotos().empty());
}

TEST_F(ProgramTest, RemovingABlockRemovesTheLinesThatReachIt) {
  VavurOrezo* target = Add(main, "Target", 393);
  VavurOrezo* a = Add(main, "A", 393);
  VavurOrezo* b = Add(main, "B", 404);
  VavurOrezo* c = Add(main, "C", 408);
  ASSERT_TRUE(target && a && b && c);
  ASSERT_NE(a->CreateGoto(target, "Done Playing", 0), nullptr);
  ASSERT_NE(b->CreateGoto(target, "Done", 0), nullptr);
  ASSERT_NE(c->CreateGoto(target, "Done", 0), nullptr);
  ASSERT_NE(target->CreateGoto(a, "Done Playing", 0), nullptr);
  other->Activate();
  main->RemoveVavurOrezo(target);
  EXPECT_EQ(main->Blocks().size(), 3u);
  EXPECT_TRUE(a->Gotos().empty());
  EXPECT_TRUE(b->Gotos().empty());
  EXPECT_TRUE(c->Gotos().empty());
  EXPECT_EQ(main->FindVavurOrezo("Target"), nullptr);
  program->Activate();
  EXPECT_EQ(model.FindVavurOrezo("Target", 1, 0), nullptr);
  EXPECT_NE(model.FindVavurOrezo("A", 1, 0), nullptr);
  // The finished state of each block that lost a line was reported again.
  EXPECT_GE(host.finishedReports, 3 + 4);
}

TEST_F(ProgramTest, DeletingAProgramLeavesPagesAndGotosToTheModel) {
  ASSERT_EQ(main->AddMainDefaultBlocks(), 1);
  Page* sub = new Page(program.get(), "Sub", kPageSuperBlock, 0);
  program->AddPage(sub);
  program.reset();
  EXPECT_EQ(model.removedPages, 0);
  EXPECT_TRUE(model.deletedGotos.empty());
  EXPECT_EQ(model.deletedBlocks, 0);
  EXPECT_EQ(model.removedPrograms, 1);
  EXPECT_TRUE(host.released.empty());
}

TEST_F(ProgramTest, DeletingOneLineDeletesItsGotoOnce) {
  ASSERT_EQ(main->AddMainDefaultBlocks(), 1);
  VavurOrezo* rotary = main->FindVavurOrezo("Rotary");
  Goto* done = rotary->FindGoto("Done");
  ASSERT_NE(done, nullptr);
  const int modifiedBefore = host.captionUpdates;
  rotary->DeleteGoto(done);
  EXPECT_EQ(model.deletedGotos, std::vector<std::string>{"Done"});
  EXPECT_TRUE(rotary->Gotos().empty());
  EXPECT_TRUE(program->IsModified());
  EXPECT_GT(host.captionUpdates, modifiedBefore);
  program->Activate();
  EXPECT_EQ(model.GetGotoConnection(rotary->Handle(), 0), nullptr);
}

TEST_F(ProgramTest, RemovingAPageAsksTheModelToRemoveIt) {
  Page* sub = new Page(program.get(), "Sub", kPageSuperBlock, 0);
  program->AddPage(sub);
  other->Activate();
  program->RemovePage(sub);
  EXPECT_EQ(model.removedPages, 1);
  EXPECT_EQ(program->FindPage("Sub"), nullptr);
  program->Activate();
  EXPECT_EQ(vlxFindPage("Sub"), nullptr);
}

TEST_F(ProgramTest, OwnGroupsComeFromTheModelsCustomAndPageEntries) {
  imports.custom = std::make_unique<zeph::VlxPaletteGroup>();
  imports.custom->Title = "Custom";
  imports.custom->Entries[0].Name = "MyCmd";
  imports.custom->Entries[0].Type = kTypeCustom;
  imports.superBlocks = std::make_unique<zeph::VlxPaletteGroup>();
  imports.superBlocks->Title = "SuperBlocks";
  imports.superBlocks->Entries[0].Name = "Sub";
  imports.superBlocks->Entries[0].Type = kTypeSuperBlockCall;
  Page* sub = new Page(program.get(), "Sub", kPageSuperBlock, 0);
  program->AddPage(sub);
  ASSERT_NE(program->CustomGroup(), nullptr);
  ASSERT_NE(program->SuperBlockGroup(0), nullptr);
  EXPECT_EQ(program->SuperBlockGroup(1), nullptr);
  EXPECT_EQ(program->CustomGroup()->FindIcon(kTypeCustom)->Record()->typeName, "MyCmd");
  EXPECT_EQ(program->SuperBlockGroup(0)->Icons().size(), 1u);
}

}  // namespace
}  // namespace ed::test
