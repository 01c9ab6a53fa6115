// A block's outputs: shown and expanded sets, output groups, lines built from the model's
// connections in every mode, refreshing from the model, names and the deletion rules.
#include "canvas_fixture.h"

#include <cstring>

#include "model/datatypes.h"

namespace ed::test {
namespace {

// Outputs of a block of type 393 whose five model gotos are Done, Yes, No, Busy, Extra.
std::shared_ptr<TypeRecord> GroupedRecord(const char* firstName = "Done") {
  auto record = std::make_shared<TypeRecord>();
  record->typeName = "Announcement";
  record->label = "Announcement";
  record->typeCode = 393;
  auto add = [&](const char* name, std::uint8_t options, int bit, int group) {
    OutputEntry e;
    e.name = name;
    e.options = options;
    e.bitIndex = static_cast<std::int8_t>(bit);
    e.group = static_cast<std::int8_t>(group);
    record->outputs.push_back(e);
  };
  add(firstName, 0, 5, 0);
  add("Completed*", kOutputSummary, 1, 1);
  add("Yes", 0, 6, 1);
  add("No", 0, 7, 1);
  add("Failed*", kOutputSummary, 2, 2);
  add("Busy", 0, 8, 2);
  add("Extra", kOutputHiddenDefault, 9, 0);
  return record;
}

class OutputsTest : public CanvasTest {
 protected:
  VavurOrezo* Grouped(const char* name, const char* firstName = "Done") {
    int refused = 0;
    auto* block = new VavurOrezo(main, name, GroupedRecord(firstName), nullptr, 0, 0, refused);
    EXPECT_NE(block->Handle(), nullptr);
    main->AddVavurOrezo(block);
    other->Activate();
    return block;
  }
  std::vector<std::string> Shown(const VavurOrezo& b) {
    std::vector<std::string> out;
    for (const OutputEntry& e : b.Record()->outputs) {
      if (b.Shown().Test(e.bitIndex)) out.push_back(e.name);
    }
    return out;
  }
  std::string Target(const VavurOrezo& b, const char* output) {
    const Goto* line = b.FindGoto(output);
    if (line == nullptr) return "-";
    return line->EndBlock() != nullptr ? line->EndBlock()->Name() : "?";
  }
  // Connects the n-th model goto of the block in the model only.
  void ModelConnect(VavurOrezo* from, VavurOrezo* to, int n) {
    program->Activate();
    ASSERT_EQ(model.CreateGoto(from->Handle(), to->Handle(), n), 0);
    other->Activate();
  }
};

TEST_F(OutputsTest, ResetShowsPlainUngroupedAndSummaryOutputs) {
  VavurOrezo* b = Grouped("B");
  EXPECT_EQ(Shown(*b), (std::vector<std::string>{"Done", "Completed*", "Failed*"}));
  for (int bit = 1; bit <= 40; ++bit) EXPECT_FALSE(b->Expanded().Test(bit));
  // Bit b is bit (b - 1) mod 8 of byte (b - 1) div 8.
  EXPECT_EQ(b->Shown().Byte(0), 0x13);
  EXPECT_EQ(b->Shown().Byte(1), 0x00);
  ASSERT_EQ(b->GotoBlocks().size(), 7u);
  EXPECT_EQ(b->OutputsDiffer(), 0);
}

TEST_F(OutputsTest, ExpandAndCollapseGroups) {
  VavurOrezo* b = Grouped("B");
  VavurOrezo* x = Add(main, "X", 393);
  VavurOrezo* y = Add(main, "Y", 393);
  b->ExpandOutputGroup(1);
  EXPECT_EQ(Shown(*b), (std::vector<std::string>{"Done", "Yes", "No", "Failed*"}));
  EXPECT_TRUE(b->Expanded().Test(1));

  struct Case {
    const char* yes;   // target of the members' lines, null for none
    const char* no;
    int result;
    const char* summary;   // the summary's target afterwards
  };
  const Case cases[] = {
      {"X", "Y", 0, "-"},   // two targets: refused, nothing changes
      {"X", nullptr, 0, "-"},
      {"X", "X", 1, "X"},
      {nullptr, nullptr, 1, "-"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.yes ? c.yes : "-") + "/" + (c.no ? c.no : "-"));
    for (const char* out : {"Yes", "No", "Completed*"}) {
      if (Goto* line = b->FindGoto(out)) b->DeleteGoto(line);
    }
    b->ExpandOutputGroup(1);
    if (c.yes) ASSERT_NE(b->CreateGoto(c.yes[0] == 'X' ? x : y, "Yes", 1), nullptr);
    if (c.no) ASSERT_NE(b->CreateGoto(c.no[0] == 'X' ? x : y, "No", 1), nullptr);
    EXPECT_EQ(b->ShowOutputGroup(1), c.result);
    EXPECT_EQ(Target(*b, "Completed*"), c.summary);
    if (c.result) {
      EXPECT_EQ(Shown(*b), (std::vector<std::string>{"Done", "Completed*", "Failed*"}));
      EXPECT_FALSE(b->Expanded().Test(1));
    } else {
      EXPECT_TRUE(b->Expanded().Test(1));
      EXPECT_TRUE(b->Shown().Test(6));
    }
  }
}

TEST_F(OutputsTest, CollapsingWithoutTargetsRemovesTheSummaryLine) {
  VavurOrezo* b = Grouped("B");
  VavurOrezo* x = Add(main, "X", 393);
  ASSERT_NE(b->CreateGoto(x, "Completed*", 1), nullptr);   // the members' lines come with it
  EXPECT_EQ(Target(*b, "Yes"), "X");
  EXPECT_EQ(Target(*b, "No"), "X");
  EXPECT_TRUE(b->FindGoto("Completed*")->TestFlags(kGotoNoModel));
  b->ExpandOutputGroup(1);
  b->DeleteGoto(b->FindGoto("Yes"));
  b->DeleteGoto(b->FindGoto("No"));
  EXPECT_EQ(b->ShowOutputGroup(1), 1);
  EXPECT_EQ(b->FindGoto("Completed*"), nullptr);
}

TEST_F(OutputsTest, DeletingASummaryLineDeletesItsMembersLines) {
  VavurOrezo* b = Grouped("B");
  VavurOrezo* x = Add(main, "X", 393);
  ASSERT_NE(b->CreateGoto(x, "Completed*", 0), nullptr);
  ASSERT_NE(b->CreateGoto(x, "Busy", 0), nullptr);
  program->Activate();
  EXPECT_EQ(model.GetGotoConnection(b->Handle(), 1), x->Handle());   // Yes
  other->Activate();
  b->DeleteGoto(b->FindGoto("Completed*"));
  EXPECT_EQ(b->FindGoto("Yes"), nullptr);
  EXPECT_EQ(b->FindGoto("No"), nullptr);
  EXPECT_EQ(Target(*b, "Busy"), "X");
  // The summary has no model goto; the members' gotos are deleted by their names.
  EXPECT_EQ(model.deletedGotos, (std::vector<std::string>{"Yes", "No"}));
}

TEST_F(OutputsTest, ConnectGotosInEachMode) {
  struct Case {
    const char* name;
    int checkOnly, expandGroups, stubLines;
    int result;
    const char* done;    // target of "Done"/"Rotary" afterwards
    bool groupExpanded;
    std::uint32_t doneFlags;   // flags of the line made, masked with 0x30
  };
  // In each case the model connects the first goto and the group's "Yes" to X, while the
  // canvas has no lines yet (the group stays collapsed with a summary line to nowhere).
  const Case cases[] = {
      {"new block or load", 0, 0, 1, 1, "X", false, 0x30},
      {"property check", 1, 1, 0, 1, "-", false, 0},
      {"after properties", 0, 1, 0, 1, "X", true, 0},
      {"paste", 0, 0, 0, 1, "X", false, 0},
  };
  int serial = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string name = "B" + std::to_string(++serial);
    VavurOrezo* b = Grouped(name.c_str());
    VavurOrezo* x = Add(main, ("X" + std::to_string(serial)).c_str(), 393);
    ModelConnect(b, x, 0);
    ModelConnect(b, x, 1);
    const bool modifiedBefore = (program->ClearModified(), program->IsModified());
    EXPECT_EQ(b->ConnectGotos(c.checkOnly, c.expandGroups, c.stubLines), c.result);
    const std::string done = Target(*b, "Done");
    EXPECT_EQ(done == "-" ? "-" : "X", std::string(c.done));
    EXPECT_EQ(b->Expanded().Test(1), c.groupExpanded);
    if (c.checkOnly) {
      EXPECT_TRUE(b->Gotos().empty());
      EXPECT_FALSE(program->IsModified());
    } else {
      EXPECT_EQ(b->FindGoto("Done")->Flags() & 0x30, c.doneFlags);
      EXPECT_EQ(Target(*b, "Yes"), x->Name());
      EXPECT_TRUE(program->IsModified());
      EXPECT_EQ(b->ConnectGotos(1, 1, 0), c.groupExpanded ? 0 : 1);   // a collapsed group still differs
    }
    EXPECT_FALSE(modifiedBefore);
  }
}

TEST_F(OutputsTest, StubLinesOfAnOutputNamedRotaryStayDeletable) {
  VavurOrezo* b = Grouped("B", "Rotary");
  VavurOrezo* x = Add(main, "X", 393);
  ModelConnect(b, x, 0);
  ModelConnect(b, x, 3);   // Busy
  EXPECT_EQ(b->ConnectGotos(0, 0, 1), 1);
  EXPECT_EQ(b->FindGoto("Rotary")->Flags() & 0x30, 0x10u);
  EXPECT_EQ(b->FindGoto("Busy")->Flags() & 0x30, 0x30u);
  EXPECT_EQ(b->CanRemoveGoto(b->FindGoto("Rotary")), 1);
  EXPECT_EQ(b->CanRemoveGoto(b->FindGoto("Busy")), 0);
}

TEST_F(OutputsTest, ConnectGotosFollowsTheModelAndDropsStaleLines) {
  VavurOrezo* b = Grouped("B");
  VavurOrezo* x = Add(main, "X", 393);
  VavurOrezo* y = Add(main, "Y", 393);
  ASSERT_NE(b->CreateGoto(x, "Done", 0), nullptr);
  EXPECT_EQ(b->ConnectGotos(1, 1, 0), 0);
  // The model now leads Done elsewhere: check-only reports it and changes nothing.
  ModelConnect(b, y, 0);
  EXPECT_EQ(b->ConnectGotos(1, 1, 0), 1);
  EXPECT_EQ(Target(*b, "Done"), "X");
  EXPECT_EQ(b->ConnectGotos(0, 1, 0), 1);
  EXPECT_EQ(Target(*b, "Done"), "Y");
  // The replaced line went without touching the model's new connection.
  program->Activate();
  EXPECT_EQ(model.GetGotoConnection(b->Handle(), 0), y->Handle());
  other->Activate();
  // A line whose output is gone is removed.
  auto* stale = new Goto();
  stale->SetOutputName("Gone");
  b->AddGoto(stale);
  EXPECT_EQ(b->ConnectGotos(1, 1, 0), 1);
  EXPECT_EQ(b->ConnectGotos(0, 1, 0), 1);
  EXPECT_EQ(b->FindGoto("Gone"), nullptr);
}

TEST_F(OutputsTest, ARefusedLineStaysOff) {
  VavurOrezo* b = Grouped("B");
  VavurOrezo* x = Add(main, "X", 393);
  model.refuseGotos = true;
  EXPECT_EQ(b->CreateGoto(x, "Done", 0), nullptr);
  EXPECT_TRUE(b->Gotos().empty());
  // A line built directly stays on the canvas without an end block.
  Goto line(b->FindOutput("Busy"), b, x, 0);
  EXPECT_EQ(line.EndBlock(), nullptr);
  EXPECT_TRUE(model.deletedGotos.empty());
}

TEST_F(OutputsTest, SummaryLinesNeverReachTheModel) {
  VavurOrezo* b = Grouped("B");
  VavurOrezo* x = Add(main, "X", 393);
  const int before = model.createdGotos;
  Goto* summary = b->CreateGoto(x, "Failed*", 0);
  ASSERT_NE(summary, nullptr);
  EXPECT_TRUE(summary->TestFlags(kGotoNoModel));
  EXPECT_EQ(model.createdGotos, before + 1);   // Busy only
  b->DeleteGoto(summary);
  EXPECT_EQ(model.deletedGotos, std::vector<std::string>{"Busy"});
}

TEST_F(OutputsTest, UpdateFromModelByType) {
  imports.superBlocks = std::make_unique<zeph::VlxPaletteGroup>();
  imports.superBlocks->Title = "SuperBlocks";
  imports.superBlocks->Entries[0].Name = "Sub";
  imports.superBlocks->Entries[0].Type = kTypeSuperBlockCall;
  imports.custom = std::make_unique<zeph::VlxPaletteGroup>();
  imports.custom->Entries[0].Name = "Cmd";
  imports.custom->Entries[0].Type = kTypeCustom;
  imports.libraries = {"LibA"};
  program->BuildImportGroups();

  auto canvasOnly = [&](int type, const char* typeName) {
    auto* block = new VavurOrezo();
    block->SetTypeCode(type);
    block->SetCustomTypeName(typeName);
    main->AddVavurOrezo(block);
    return block;
  };
  VavurOrezo* call = canvasOnly(kTypeSuperBlockCall, "Sub");
  VavurOrezo* gone = canvasOnly(kTypeSuperBlockCall, "Vanished");
  VavurOrezo* custom = canvasOnly(kTypeCustom, "Cmd");
  VavurOrezo* lostCustom = canvasOnly(kTypeCustom, "NoSuch");
  VavurOrezo* imported = canvasOnly(kTypeImported, "LibA");
  for (VavurOrezo* b : {call, gone, custom, lostCustom, imported}) b->UpdateFromModel(false);

  EXPECT_EQ(call->Record()->typeName, "Sub");
  EXPECT_EQ(call->Icon().get(), program->SuperBlockGroup(0)->Icons()[0].get());
  EXPECT_EQ(gone->Record()->typeName, "Obsoleted");
  EXPECT_EQ(gone->Record()->label, "Obseleted");
  EXPECT_EQ(gone->Record()->typeCode, kTypeObsoleted);
  EXPECT_TRUE(gone->Record()->outputs.empty());
  EXPECT_EQ(custom->Record()->typeName, "Cmd");
  EXPECT_EQ(lostCustom->Record(), nullptr);
  EXPECT_EQ(lostCustom->Icon(), nullptr);
  EXPECT_EQ(imported->Record()->typeName, "LibA");
  EXPECT_EQ(imported->Record()->typeCode, kTypeImported);

  // Without a custom group a custom block keeps what it has.
  imports.custom.reset();
  program->RebuildOwnGroups();
  const TypeRecord* before = custom->Record();
  custom->UpdateFromModel(false);
  EXPECT_EQ(custom->Record(), before);

  // Any other type takes a private copy refilled by the model.
  VavurOrezo* b = Grouped("B");
  const TypeRecord* shared = b->Record();
  b->UpdateFromModel(true);
  EXPECT_NE(b->Record(), shared);
  EXPECT_TRUE(b->Flags() & kBlockOwnsRecord);
  EXPECT_EQ(b->Record()->outputs.size(), palette->FindIcon(393)->Record()->outputs.size());
  EXPECT_EQ(b->Record()->outputs[0].name, "Done Playing");
  EXPECT_EQ(b->OutputsDiffer(), 1);
  b->CreateGotoBlocks();
  EXPECT_EQ(b->OutputsDiffer(), 0);
  EXPECT_EQ(Shown(*b), std::vector<std::string>{"Done Playing"});
}

TEST_F(OutputsTest, CanDeleteRules) {
  ASSERT_EQ(main->AddMainDefaultBlocks(), 1);
  for (const char* fixed : {"Begin", "End", "Rotary"}) EXPECT_EQ(main->FindVavurOrezo(fixed)->CanDelete(), 0) << fixed;
  EXPECT_EQ(main->FindVavurOrezo("Attendant")->CanDelete(), 1);
  EXPECT_TRUE(host.boxes.empty());   // the fixed blocks are refused silently

  Page* check = new Page(program.get(), "Check", kPageVerification, 0);
  program->AddPage(check);
  ASSERT_EQ(check->AddSuperBlockDefaultBlocks(kPageVerification), 1);
  VavurOrezo* success = check->FindVavurOrezo("Success");
  EXPECT_EQ(success->CanDelete(), 0);
  ASSERT_EQ(host.boxes, std::vector<int>{44});
  EXPECT_EQ(host.boxStyles[0], kBoxIconStop);
  auto* third = new VavurOrezo();   // a third end block, on the canvas only
  third->SetName("Third");
  third->SetTypeCode(kTypeSubFlowEnd);
  check->AddVavurOrezo(third);
  EXPECT_EQ(success->CanDelete(), 1);
  EXPECT_EQ(check->FindVavurOrezo("Third")->CanDelete(), 1);
  // On a SuperBlock page an end block is an ordinary block.
  Page* sub = new Page(program.get(), "Sub", kPageSuperBlock, 0);
  program->AddPage(sub);
  ASSERT_EQ(sub->AddSuperBlockDefaultBlocks(kPageSuperBlock), 1);
  auto* out = new VavurOrezo();
  out->SetTypeCode(kTypeSubFlowEnd);
  sub->AddVavurOrezo(out);
  EXPECT_EQ(out->CanDelete(), 1);
}

TEST_F(OutputsTest, RenameGoesThroughTheModel) {
  VavurOrezo* a = Add(main, "Alpha", 393);
  ASSERT_NE(Add(main, "Beta", 393), nullptr);
  program->ClearModified();
  int refused = 0;
  EXPECT_EQ(a->Rename("Beta", refused), 0);
  EXPECT_EQ(refused, 1);
  EXPECT_EQ(a->Name(), "Alpha");
  EXPECT_FALSE(program->IsModified());
  EXPECT_EQ(a->Rename("Gamma", refused), 1);
  EXPECT_EQ(a->Name(), "Gamma");
  EXPECT_TRUE(program->IsModified());
  ASSERT_FALSE(host.sent.empty());
  EXPECT_EQ(host.sent.back().message, kMsgAfterRenameOrLine);
  EXPECT_EQ(host.sent.back().lParam, 1);
  program->Activate();
  EXPECT_EQ(model.FindVavurOrezo("Gamma", 0, 0), a->Handle());
}

TEST_F(OutputsTest, TheLocatedBlockIsForgottenWhenItGoes) {
  VavurOrezo* a = Add(main, "Alpha", 393);
  a->SetFlags(kBlockLocated);
  main->RemoveVavurOrezo(a);
  ASSERT_FALSE(host.sent.empty());
  EXPECT_EQ(host.sent.back().message, kMsgLocateVavurOrezo);
  EXPECT_EQ(host.sent.back().wParam, -1);
  EXPECT_EQ(host.released, std::vector<std::string>{"Alpha"});
}

// ---- Names ------------------------------------------------------------------------------

TEST_F(OutputsTest, DefaultNamesSkipWhatTheModelHolds) {
  VavurOrezoIcon* mailbox = palette->FindIcon(404);
  ASSERT_NE(mailbox, nullptr);
  char name[20];
  program->Activate();
  for (int n = 1; n <= 9; ++n) {
    int refused = 0;
    ASSERT_NE(model.CreateVavurOrezo(404, ("MultimediaMsg" + std::to_string(n)).c_str(), refused, nullptr), nullptr);
  }
  other->Activate();
  mailbox->MakeDefaultName(*program, name);
  EXPECT_STREQ(name, "MultimediaMsg10");
  program->Activate();
  for (int n = 10; n <= 99; ++n) {
    int refused = 0;
    const std::string taken = std::string("MultimediaMsg").substr(0, n < 10 ? 13 : 13) + std::to_string(n);
    ASSERT_NE(model.CreateVavurOrezo(404, taken.c_str(), refused, nullptr), nullptr) << taken;
  }
  other->Activate();
  mailbox->MakeDefaultName(*program, name);
  EXPECT_STREQ(name, "MultimediaMs100");
  EXPECT_EQ(std::strlen(name), 15u);

  auto end = palette->FindIconShared(kTypeEnd);
  ASSERT_NE(end, nullptr);
  end->MakeDefaultName(*program, name);
  EXPECT_STREQ(name, "Block1");
  program->Activate();
  ASSERT_EQ(vlxAddVariable("Block1", zeph::kTypeInteger, 4, 0, 1, 0), 0);
  other->Activate();
  end->MakeDefaultName(*program, name);
  EXPECT_STREQ(name, "Block2");
  // The other program knows nothing of either.
  end->MakeDefaultName(*other, name);
  EXPECT_STREQ(name, "Block1");
}

TEST_F(OutputsTest, DefaultNamePrefixes) {
  EXPECT_STREQ(DefaultNamePrefix(393), "Announcement");
  EXPECT_STREQ(DefaultNamePrefix(409), "ImportedPB");
  EXPECT_STREQ(DefaultNamePrefix(415), "Custom_Cmds");
  EXPECT_STREQ(DefaultNamePrefix(396), "Block");
  EXPECT_STREQ(DefaultNamePrefix(-101), "Block");
}

TEST_F(OutputsTest, SuperBlockRenameReachesEveryReferringBlockOnly) {
  Page* sub = new Page(program.get(), "Sub", kPageSuperBlock, 0);
  program->AddPage(sub);
  auto canvasOnly = [&](Page* page, const char* name, const char* typeName) {
    auto* block = new VavurOrezo();
    block->SetName(name);
    block->SetTypeCode(kTypeSuperBlockCall);
    block->SetCustomTypeName(typeName);
    page->AddVavurOrezo(block);
    return block;
  };
  VavurOrezo* one = canvasOnly(main, "CallOne", "Billing");
  VavurOrezo* two = canvasOnly(sub, "CallTwo", "Billing");
  VavurOrezo* third = canvasOnly(main, "CallOther", "Billing2");
  VavurOrezo* plain = Add(main, "Plain", 393);
  host.notices.clear();
  PageNamePair names("Billing", "Payments");
  program->ForEachPage([](Page* p, void* arg) { p->RenameSuperBlockRefs(*static_cast<PageNamePair*>(arg)); }, &names);
  EXPECT_EQ(one->CustomTypeName(), "Payments");
  EXPECT_EQ(two->CustomTypeName(), "Payments");
  EXPECT_EQ(third->CustomTypeName(), "Billing2");
  EXPECT_EQ(plain->CustomTypeName(), "");
  ASSERT_EQ(host.notices.size(), 2u);
  EXPECT_EQ(host.notices[0].object, one);
  EXPECT_EQ(host.notices[1].object, two);
  EXPECT_EQ(host.notices[0].kind, 2);
}

}  // namespace
}  // namespace ed::test
