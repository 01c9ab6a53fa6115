// The field tables whose fields other parts of the system fix: their forms, the script
// code written for them, the conversions of older files.
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scribe/catalogue.h"
#include "scribe/fielddesc.h"
#include "scribe/scribe.h"

namespace scribe {
namespace {

// The table of a slot (own or by structure id) or of a structure id.
const PBFieldDef* TableOf(int index) {
  const CatalogueRow* row = FindCatalogueRow(index);
  if (row == nullptr) return nullptr;
  if (row->StructId != 0) return StructureFieldTable(row->StructId)->Entries();
  static std::vector<std::unique_ptr<FieldTable>> own;
  own.push_back(BuildFieldTable(row->Fields, row->Layout, nullptr));
  return own.back()->Entries();
}

std::vector<std::string> Names(const PBFieldDef* t) {
  std::vector<std::string> names;
  for (int i = 0; !t[i].IsEnd(); ++i) names.emplace_back(t[i].Name);
  return names;
}

bool IsGotoRange(const PBFieldDef* t, int first, int last) {
  for (int i = first; i <= last; ++i) {
    if (!t[i].IsGoto()) return false;
  }
  return true;
}

bool IsPlainEditRange(const PBFieldDef* t, int first, int last) {
  for (int i = first; i <= last; ++i) {
    if (t[i].IsGoto() || t[i].UIElement != kUIEdit) return false;
  }
  return true;
}

TEST(SpecifiedTypes, MessagePlaysASentenceWithTwoGotos) {
  const PBFieldDef* t = TableOf(1);
  ASSERT_EQ(Names(t), (std::vector<std::string>{"Main Voice Sentence", "Message Parameters",
                                                "Goto on End of Message",
                                                "Goto on User Terminates"}));
  const int offsets[] = {4, 22, 40, 58};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(t[i].UIElement, kUIEdit);
    EXPECT_EQ(t[i].FieldRepresentation, kReprVariable);
    EXPECT_EQ(t[i].ScalarType, 3);
    EXPECT_EQ(t[i].FieldOffset, offsets[i]);
    EXPECT_EQ(t[i].CanFieldBeBlank, 0);
  }
  EXPECT_EQ(t[0].Allowed2, 0x8u);
  EXPECT_EQ(t[1].Allowed1, 0x2000u);
  EXPECT_STREQ(t[2].GotoStrs, "End of File");
  EXPECT_STREQ(t[3].GotoStrs, "User Terminates");
  EXPECT_EQ(t[2].Allowed2, 0x4u);
  EXPECT_EQ(t[3].CanFieldBeWrong, 1);
}

TEST(SpecifiedTypes, EntryFieldsSitWhereTheEntryFormExpectsThem) {
  const PBFieldDef* t = TableOf(2);
  struct F { const char* name; int ui, repr, type, offset; bool blank; } want[] = {
      {"Number Of Digits", 3, 3, 2, 4, false},
      {"Verification", 2, 1, 2, 2, false},
      {"Verify Range Min Val", 3, 3, 3, 22, false},
      {"Verify Range Max Val", 3, 3, 3, 40, false},
      {"Digits Entered (String)", 3, 2, 6, 58, false},
      {"Digits Entered (Number)", 3, 2, 5, 76, true},
      {"Entry Parameters", 3, 2, 3, 94, false},
      {"Main Voice Sentence", 3, 2, 3, 112, false},
      {"No Answer Voice Sentence", 3, 2, 3, 130, true},
      {"Last No Answer Voice Sentence", 3, 2, 3, 148, true},
      {"Wrong Answer Voice Sentence", 3, 2, 3, 166, true},
      {"Last Wrong Answer Voice Sentence", 3, 2, 3, 184, true},
      {"Goto on Valid Digs", 3, 2, 3, 202, false},
      {"Goto on Wrong Answer", 3, 2, 3, 220, false},
      {"Goto on Abort", 3, 2, 3, 238, false},
      {"Goto on No Ans", 3, 2, 3, 256, false},
      {"Verify DB", 3, 2, 3, 274, true},
      {"Verify User PBs", 3, 2, 3, 292, true},
  };
  ASSERT_EQ(CountFieldEntries(t), 18);
  for (int i = 0; i < 18; ++i) {
    EXPECT_STREQ(t[i].Name, want[i].name);
    EXPECT_EQ(t[i].UIElement, want[i].ui) << i;
    EXPECT_EQ(t[i].FieldRepresentation, want[i].repr) << i;
    EXPECT_EQ(t[i].ScalarType, want[i].type) << i;
    EXPECT_EQ(t[i].FieldOffset, want[i].offset) << i;
    EXPECT_EQ(t[i].CanFieldBeBlank != 0, want[i].blank) << i;
  }
  EXPECT_EQ(t[0].MaxValRange, 33);
  EXPECT_EQ(t[2].MaxValRange, 2764472319.0);
  EXPECT_EQ(t[1].NumRadioInArray, 4);
  EXPECT_STREQ(t[1].RadioNames, "None|Range|Database|User Function");
  EXPECT_EQ(t[4].Allowed1, (1u << 6) | (1u << 20));
  EXPECT_EQ(t[5].Allowed1, 0x3Eu);
  EXPECT_EQ(t[6].Allowed1, 1u << 14);
  EXPECT_EQ(t[16].Allowed1, 1u << 7);
  EXPECT_EQ(t[17].Allowed2, 0x4u);
  const char* labels[] = {"Valid", "Wrong Answer", "Abort", "No Answer"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_STREQ(t[12 + i].GotoStrs, labels[i]);
    EXPECT_EQ(t[12 + i].CanFieldBeWrong, 1);
  }
}

TEST(SpecifiedTypes, RecordHasItsTwentyThreeFields) {
  const PBFieldDef* t = TableOf(3);
  EXPECT_EQ(Names(t), (std::vector<std::string>{
                          "Max Record Length (Sec)", "Record Parameters", "Message Parameters",
                          "Msg Voice Sentence", "Voice Sent Continue", "File Parameters",
                          "File Name", "Goto On Silence", "Goto On Finished", "Goto On Max Len",
                          "Menu Parameters", "Menu Voice Sent", "Menu VS (Max Len)",
                          "No Answer Voice Sent", "Last No Answer Voice Sent",
                          "Wrong Answer Voice Sent", "Last Wrong Answer Voice Sent",
                          "Max No Answer", "Max Wrong Answer", "Max Menu Answered", "Hangup",
                          "Add to End of File", "Menu Supervision"}));
  EXPECT_EQ(t[21].UIElement, kUICheckBox);
  EXPECT_EQ(t[22].UIElement, kUICheckBox);
  EXPECT_EQ(t[22].FieldOffset, 2);         // the menu supervision switch
  EXPECT_EQ(t[3].FieldOffset, 78);         // the message voice sentence
  // Required unless menu supervision is off (or no message sentence is given).
  for (int i : {2, 5, 10, 11, 17, 18, 19}) EXPECT_EQ(t[i].CanFieldBeBlank, 0) << i;
}

TEST(SpecifiedTypes, OperatorFormsHaveTheirFieldsAndTypes) {
  const PBFieldDef* cmp = TableOf(26);
  EXPECT_EQ(Names(cmp), (std::vector<std::string>{"Compare", "With", "Goto if Greater",
                                                  "Goto if Less", "Goto if Equal"}));
  EXPECT_EQ(cmp[0].FieldRepresentation, kReprVariable);
  EXPECT_EQ(cmp[1].FieldRepresentation, kReprEither);
  EXPECT_EQ(cmp[0].ScalarType, 6);
  EXPECT_EQ(cmp[0].Allowed1, 0x18007Eu);
  EXPECT_STREQ(cmp[2].GotoStrs, "1 > 2");

  const PBFieldDef* assign = TableOf(27);
  EXPECT_EQ(Names(assign), (std::vector<std::string>{"Assign to", "The Value of", "Goto"}));
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(assign[i].Allowed1, 0xFFBFFF7Eu);
    EXPECT_EQ(assign[i].Allowed2, 0xFFFFF4F1u);
    EXPECT_EQ(assign[i].ScalarType, 6);
  }

  const std::vector<std::string> add = {"Add Number/Date", "To Number/Date", "Store Result",
                                        "Goto"};
  const std::vector<std::string> sub = {"Initial Number/Date", "Minus Number/Date",
                                        "Store Result", "Goto"};
  EXPECT_EQ(Names(TableOf(137)), add);
  EXPECT_EQ(Names(TableOf(138)), sub);
  for (int type : {137, 138}) {
    const PBFieldDef* t = TableOf(type);
    EXPECT_EQ(t[0].FieldRepresentation, kReprEither);
    EXPECT_EQ(t[2].FieldRepresentation, kReprVariable);
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(t[i].ScalarType, 5);
      EXPECT_EQ(t[i].Allowed1, 0x18003Eu);
    }
  }
}

TEST(SpecifiedTypes, ChannelParametersAreTheMembersInOrder) {
  const PBFieldDef* t = TableOf(135);
  ASSERT_EQ(CountFieldEntries(t), 22);
  const char* members[] = {"DtmfDetect", "DtmfDelay", "SilenceDly", "NoAnswerRings",
                           "CallProgDly", "AbTimeout", "LcValid", "LcWait", "CabTimeout",
                           "BusyCycles", "Glitch", "Spike", "NumRings", "Silence", "LoopFlag",
                           "RecordBeep", "DtmfStart", "DtmfTimeout", "Sound", "Gain", "Rate"};
  for (int i = 0; i < 21; ++i) {
    EXPECT_STREQ(t[i].Name, members[i]);
    const bool byte = i == 0 || i == 3 || i == 9 || i == 11 || i == 16;
    EXPECT_EQ(t[i].ScalarType, byte ? 1 : 2) << members[i];
    EXPECT_EQ(t[i].CanFieldBeBlank, 1);
  }
  EXPECT_TRUE(t[21].IsGoto());
}

TEST(SpecifiedTypes, FieldIndexesOfTheScriptCodeHold) {
  const PBFieldDef* menu = TableOf(0);
  EXPECT_TRUE(IsGotoRange(menu, 0, 13));
  EXPECT_TRUE(menu[21].IsGoto());
  EXPECT_TRUE(menu[23].IsGoto());

  const PBFieldDef* events = TableOf(143);
  EXPECT_TRUE(IsPlainEditRange(events, 0, 9));
  EXPECT_TRUE(IsGotoRange(events, 10, 11));

  for (int type : {147, 148, 153}) {
    const PBFieldDef* t = TableOf(type);
    EXPECT_TRUE(IsPlainEditRange(t, 0, 7)) << type;
    EXPECT_TRUE(t[8].IsGoto()) << type;
    for (int i = 9; i <= 16; ++i) EXPECT_EQ(t[i].UIElement, kUIChoice) << type;
  }

  const PBFieldDef* multi = TableOf(261);
  EXPECT_TRUE(IsPlainEditRange(multi, 0, 0));
  EXPECT_TRUE(multi[1].IsGoto());
  EXPECT_TRUE(IsPlainEditRange(multi, 2, 16));
  EXPECT_TRUE(IsGotoRange(multi, 17, 31));

  const PBFieldDef* flag = TableOf(282);
  EXPECT_EQ(flag[0].Allowed2, 1u << (53 - 32));
  EXPECT_TRUE(flag[1].IsGoto());
  EXPECT_EQ(flag[2].UIElement, kUIRadioGroup);
  EXPECT_EQ(flag[2].NumRadioInArray, -3);   // stored 0 set, 1 clear, 2 toggle

  EXPECT_TRUE(IsGotoRange(TableOf(283), 1, 2));
  EXPECT_EQ(CountFieldEntries(TableOf(284)), 8);
  EXPECT_TRUE(TableOf(284)[7].IsGoto());
  EXPECT_EQ(CountFieldEntries(TableOf(285)), 9);
  EXPECT_TRUE(TableOf(285)[8].IsGoto());
  EXPECT_EQ(TableOf(291)[2].UIElement, kUIRadioGroup);
  EXPECT_TRUE(TableOf(291)[1].IsGoto());
  EXPECT_TRUE(TableOf(391)[2].IsGoto());
  EXPECT_TRUE(TableOf(409)[1].IsGoto());
  EXPECT_TRUE(IsGotoRange(TableOf(141), 2, 3));
  EXPECT_TRUE(TableOf(103)[1].IsGoto());
  EXPECT_FALSE(TableOf(103)[0].IsGoto());

  EXPECT_EQ(Names(TableOf(246)), (std::vector<std::string>{"Goto"}));
  for (int empty : {126, 181, 247, 273}) EXPECT_EQ(CountFieldEntries(TableOf(empty)), 0) << empty;
}

TEST(SpecifiedTypes, FormTablesHaveTheirCounts) {
  const PBFieldDef* listen = TableOf(218);
  int edits = 0, checks = 0;
  for (int i = 0; !listen[i].IsEnd(); ++i) {
    edits += listen[i].UIElement == kUIEdit;
    checks += listen[i].UIElement == kUICheckBox;
  }
  EXPECT_EQ(edits, 21);
  EXPECT_EQ(checks, 8);

  const PBFieldDef* multi = TableOf(21);
  EXPECT_TRUE(IsPlainEditRange(multi, 0, 11));
  EXPECT_TRUE(IsGotoRange(multi, 12, 20));
  EXPECT_STREQ(multi[5].Name, "Msg Intro Voice Sent ");
  EXPECT_STREQ(multi[6].Name, "Msg Intro Parameters");
}

TEST(SpecifiedTypes, RuleListsDriveTheirFields) {
  const PBFieldDef* rec = TableOf(229);
  EXPECT_STREQ(rec[2].Name, "Maximum Recording Time (mSec)");
  EXPECT_STREQ(rec[9].Name, "CNG Fax Tone Detected");
  EXPECT_TRUE(rec[9].IsGoto());
  EXPECT_STREQ(rec[10].Name, "Unlimited Recording Length");
  EXPECT_STREQ(rec[11].Name, "Accept CNG Fax Input");
  const GrayRule* unlimited = rec[10].GrayTab;
  ASSERT_NE(unlimited, nullptr);
  EXPECT_STREQ(unlimited[0].Value, "1");
  EXPECT_EQ(unlimited[0].Actions[0].Target, 2);
  EXPECT_EQ(unlimited[0].Actions[0].ControlState, 1);
  EXPECT_EQ(unlimited[0].Actions[0].BlankFlag, 1);
  EXPECT_EQ(unlimited[0].Actions[0].ChangeMask, 0);
  EXPECT_EQ(unlimited[1].Actions[0].ControlState, 0);
  EXPECT_EQ(unlimited[2].Kind, -1);
  const GrayRule* fax = rec[11].GrayTab;
  ASSERT_NE(fax, nullptr);
  EXPECT_EQ(fax[0].Actions[0].Target, 9);
  EXPECT_EQ(fax[0].Actions[0].ChangeMask, 32);
  EXPECT_EQ(fax[0].Actions[0].GotoNotOnIcon, 16);
  EXPECT_EQ(fax[1].Actions[0].GotoNotOnIcon, 7);
  EXPECT_EQ(fax[1].Actions[0].BlankFlag, 1);
  for (int i = 0; i < 12; ++i) {
    if (i != 10 && i != 11) {
      EXPECT_EQ(rec[i].GrayTab, nullptr) << i;
    }
  }

  const PBFieldDef* address = TableOf(303);
  EXPECT_STREQ(address[8].Name, "Input Type");
  EXPECT_EQ(address[8].UIElement, kUIChoice);
  EXPECT_EQ(address[8].NumRadioInArray, 51);
  const GrayRule* input = address[8].GrayTab;
  ASSERT_NE(input, nullptr);
  EXPECT_STREQ(input[0].Value, "DN");
  EXPECT_STREQ(input[0].Actions[0].CaptionText, "DN");
  EXPECT_EQ(input[0].Actions[1].Target, 6);
  EXPECT_EQ(input[0].Actions[1].BlankFlag, 0);
  EXPECT_STREQ(input[1].Actions[0].CaptionText, "Mailbox Number");
  EXPECT_EQ(input[1].Actions[1].ControlState, 1);
  EXPECT_EQ(input[1].Actions[1].BlankFlag, 1);
}

TEST(SpecifiedTypes, ServiceBlockFormsFindTheirControls) {
  auto kinds = [](const PBFieldDef* t, int kind) {
    int n = 0;
    for (int i = 0; !t[i].IsEnd(); ++i) n += t[i].UIElement == kind;
    return n;
  };
  const PBFieldDef* announce = TableOf(393);
  EXPECT_EQ(kinds(announce, kUIEdit), 7);        // edits 601-607, the file first
  EXPECT_EQ(kinds(announce, kUICheckBox), 6);     // 441-444, then the two the form leaves out
  EXPECT_EQ(kinds(announce, kUIChoice), 1);
  EXPECT_EQ(announce[14].NumRadioInArray, -2);   // radios 701, 702
  EXPECT_FALSE(announce[0].IsGoto());

  const PBFieldDef* fax = TableOf(398);
  EXPECT_EQ(kinds(fax, kUIEdit), 4);
  EXPECT_STREQ(fax[4].Name, "Check");

  const PBFieldDef* menu = TableOf(402);
  EXPECT_EQ(kinds(menu, kUIEdit), 19);           // edits 601-619
  EXPECT_TRUE(IsGotoRange(menu, 0, 8));
  EXPECT_TRUE(IsPlainEditRange(menu, 9, 13));    // 9-11 the voice files

  const PBFieldDef* thru = TableOf(405);
  EXPECT_FALSE(thru[0].IsGoto());
  EXPECT_EQ(kinds(thru, kUIEdit), 6);
  EXPECT_STREQ(thru[6].Name, "Use Fixed Length Numbers");   // check box 441
  EXPECT_EQ(thru[6].UIElement, kUICheckBox);
  EXPECT_EQ(thru[9].NumRadioInArray, -3);        // radios 701-703
  EXPECT_EQ(thru[10].NumRadioInArray, -3);       // radios 704-706
}

TEST(SpecifiedTypes, OlderDefinitionsAreServedByNumber) {
  const struct {
    std::uint16_t id;
    const char* first;
  } variants[] = {{10297, "1"}, {10294, "Thru-Dial greeting"}, {10295, "Password Voice Item"},
                  {10296, "Fax Item"}};
  for (const auto& v : variants) {
    const auto* t = static_cast<const PBFieldDef*>(AssignPtrsInDLL1(v.id, nullptr));
    ASSERT_NE(t, nullptr) << v.id;
    EXPECT_STREQ(t[0].Name, v.first);
  }
  // The menu of old files.
  const auto* old = static_cast<const PBFieldDef*>(AssignPtrsInDLL1(5254, nullptr));
  ASSERT_NE(old, nullptr);
  ASSERT_EQ(CountFieldEntries(old), 21);
  EXPECT_EQ(old[0].UIElement, kUICheckBox);
  EXPECT_EQ(old[0].FieldOffset, 2);
  EXPECT_EQ(old[0].RadioCheckBase, 1);
  EXPECT_EQ(old[0].Allowed2, 0x4u);
  const char* keys = "1234567890*#";
  for (int k = 1; k <= 20; ++k) {
    EXPECT_EQ(old[k].FieldOffset, 4 + 18 * (k - 1)) << k;
    EXPECT_EQ(old[k].ScalarType, 3);
    EXPECT_EQ(old[k].NumRadioInArray, 0);
    EXPECT_EQ(old[k].FieldRepresentation, kReprVariable);
  }
  EXPECT_EQ(old[1].Allowed1, 0x1000u);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(old[7 + i].GotoStrs, std::string(1, keys[i]));
    EXPECT_EQ(old[7 + i].CanFieldBeBlank, 1);
  }
  EXPECT_STREQ(old[19].GotoStrs, "No Answer");
  EXPECT_EQ(old[19].CanFieldBeBlank, 0);
  EXPECT_EQ(old[20].CanFieldBeWrong, 1);
}

TEST(Library, AssignPtrsServesTablesAndChoiceListsByNumber) {
  std::uint16_t out = 77;
  const auto* wait = static_cast<const PBFieldDef*>(AssignPtrsInDLL1(5071, &out));
  ASSERT_NE(wait, nullptr);
  EXPECT_EQ(out, 0);
  EXPECT_STREQ(wait[0].Name, "Timeout (mSec)");
  EXPECT_EQ(AssignPtrsInDLL1(5071, nullptr), wait);   // the same constant data every time
  EXPECT_EQ(AssignPtrsInDLL1(5255, nullptr), nullptr);
  EXPECT_EQ(AssignPtrsInDLL1(4999, nullptr), nullptr);
  EXPECT_EQ(AssignPtrsInDLL1(2, nullptr), nullptr);
  const auto* texts = static_cast<const char* const*>(AssignPtrsInDLL1(51, nullptr));
  const auto* values = static_cast<const char* const*>(AssignPtrsInDLL1(1051, nullptr));
  ASSERT_NE(texts, nullptr);
  ASSERT_NE(values, nullptr);
  EXPECT_STREQ(texts[1], "Mailbox Number");
  EXPECT_STREQ(values[1], "cADR_Mailbox");
  EXPECT_EQ(texts[2], nullptr);
}

TEST(Library, HelpIdsByDialogAndTopicName) {
  EXPECT_EQ(FindHelpID("RecordParms"), 10003);
  EXPECT_EQ(FindHelpID("recordparms"), 10003);
  EXPECT_EQ(FindHelpID("Wait for Call"), 20007);
  EXPECT_EQ(FindHelpID("DIALOG_WAITCALL"), 20007);
  EXPECT_EQ(FindHelpID("DIALOG_0_1"), 0);      // shared by several types
  EXPECT_EQ(FindHelpID("No Such Dialog"), 0);
  EXPECT_EQ(FindHelpID(nullptr), 0);
  EXPECT_EQ(FindHelpID("Announcement"), 20393);
}

}  // namespace
}  // namespace scribe
