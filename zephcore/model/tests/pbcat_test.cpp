#include "model/pbcat.h"

#include <gtest/gtest.h>

#include <cctype>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "foundation/kvmsgbox.h"
#include "model/name_compare.h"
#include "model/symnames.h"

namespace zeph {
namespace {

std::string Text(const char* s) { return s != nullptr ? s : "<null>"; }

int TemplateArguments(const PBTemplatePair* tpl) {
  int n = 0;
  while (tpl != nullptr && tpl[n].Field != scribe::kTemplateEndField) ++n;
  return n;
}

TEST(PBCatalogue, EverySlotIsRegistered) {
  PBCatalogue& cat = TheCatalogue();
  for (int i = 0; i < kPBCatalogueSize; ++i) {
    const PBType* slot = cat.Slot(i);
    ASSERT_NE(slot, nullptr);
    ASSERT_NE(slot->InternalName, nullptr) << i;
    EXPECT_EQ(slot->TypeIndex, i);
    EXPECT_EQ(cat.InternalName(i), slot->InternalName);
    EXPECT_EQ(cat.DisplayName(i), slot->DisplayName);
    EXPECT_NE(slot->FieldTable, nullptr) << i << " " << slot->InternalName;
    EXPECT_NE(slot->ParmLayout, nullptr) << i;
    EXPECT_STREQ(slot->SpareText, "");
    EXPECT_EQ(slot->ReservedNumber, 0);
  }
  EXPECT_EQ(cat.Slot(kPBCatalogueSize), nullptr);
  EXPECT_EQ(cat.Slot(-1), nullptr);
  EXPECT_EQ(GetPBType(0), cat.Slot(0));
}

// Rows of the catalogue as its description shows them.
struct KeyRow {
  int index;
  const char* internal;
  const char* display;
  const char* group;
  int layoutKind;
  int structId;       // 0: own table
  int dialogKind;
  const char* resource;
  const char* keyword;
  const char* completed;
  const char* failed;
};

const KeyRow kKeyRows[] = {
    {0, "VMenu", "Menu", "V", 11, 5077, 4, "VQ_VCE_VCEMNU", "VOICEMENU2", nullptr, "Failed*"},
    {1, "VMessage", "VMessage", "bV", 2, 0, 0, "DIALOG_MSG", nullptr, nullptr, nullptr},
    {2, "bVEntry", "VEntry", "bV", 3, 0, 0, "DIALOG_ENTRY", nullptr, nullptr, nullptr},
    {7, "TWaitCall", "Wait for Call", "bV", 11, 5071, 4, "DIALOG_WAITCALL", "WAITCALL",
     "Completed*", "Failed*"},
    {9, "KKbdGetChar", "Get Character", "bV", 10, 0, 1, "DIALOG_2_2_C2", "GETCHARACTER",
     "Got Char*", "No Char*"},
    {26, "PCompare", "Compare Values", "P", 10, 0, 0, "DIALOG_2_3", "COMPAREVALUES", nullptr,
     nullptr},
    {109, "SStringFind", "Find String", "S", 10, 0, 1, "DIALOG_3_2", "FINDSTRING2", "Found*",
     "Not Found*"},
    {152, "XFaxAddCover", "Add Fax Cover", "bP", 11, 5004, 4, "DIALOG_FAXCOVER", "ADDFAXCV",
     nullptr, nullptr},
    {177, "SQLDefineDelete", "Define Delete", "bU", 11, 5026, 0, nullptr, "VLXDELETE", nullptr,
     nullptr},
    {180, "VEntry", "Enter Digits", "V", 11, 5027, 4, "VQ_VCE_ENTDIG", "ENTERDIGS2", "Valid*",
     "Invalid*"},
    {181, "PEndBlock", "End Block", "P", 0, 0, 0, nullptr, "ENDPAGE", nullptr, nullptr},
    {234, "VCloseFile", "Close Voice File", "Sys", 11, 5091, 4, "DIALOG_VCLOSEFILE",
     "CLOSEVCFILE", nullptr, nullptr},
    {246, "UBeginErrProcess", "Begin Error", "E", 10, 0, 1, "DIALOG_0_1", "UENDERRPROCESS",
     nullptr, nullptr},
    {247, "PReturnEvent", "Return Event", "E", 10, 0, 1, "DIALOG_0_0", "ENDPROGRAM", nullptr,
     nullptr},
    {251, "VRInit", "Init VR", "INVISIBLE", 11, 5111, 4, "DIALOG_0_1", "INITVR", nullptr, nullptr},
    {252, "VREchoFilter", "Set Echo Filter", "bNotSup", 11, 5112, 4, "DIALOG_0_1",
     "setechofilter", nullptr, nullptr},
    {391, "KvGAM_ASSIGNVSVAR", "Assign VSentVar", "P", 11, 5257, 4, "VQ_ASSIGNVSVAR", "UITEST",
     nullptr, nullptr},
    {27, "PAssign", "Assign", "P", 10, 0, 0, "DIALOG_2_1", "ASSIGN", nullptr, nullptr},
    {137, "PAdd", "Add", "P", 10, 0, 0, "DIALOG_3_1", "ADD2", nullptr, nullptr},
    {138, "PSubtract", "Subtract", "P", 10, 0, 0, "DIALOG_3_1", "SUBTRACT", nullptr, nullptr},
};

TEST(PBCatalogue, KeyRowsMatchTheirDescription) {
  for (const KeyRow& k : kKeyRows) {
    const PBType* s = GetPBType(k.index);
    ASSERT_NE(s, nullptr);
    EXPECT_STREQ(s->InternalName, k.internal);
    EXPECT_STREQ(s->DisplayName, k.display) << k.index;
    EXPECT_STREQ(s->GroupCode, k.group) << k.index;
    EXPECT_EQ(s->LayoutKind, k.layoutKind) << k.index;
    EXPECT_EQ(s->StructId, k.structId) << k.index;
    EXPECT_EQ(s->DialogKind, k.dialogKind) << k.index;
    EXPECT_EQ(Text(s->DialogResource), Text(k.resource)) << k.index;
    EXPECT_EQ(Text(s->Keyword), Text(k.keyword)) << k.index;
    EXPECT_EQ(Text(s->CompletedLabel), Text(k.completed)) << k.index;
    EXPECT_EQ(Text(s->FailedLabel), Text(k.failed)) << k.index;
  }
}

TEST(PBCatalogue, RulesAcrossTheTableHold) {
  std::map<std::string, int> groups;
  std::map<int, int> dialogKinds;
  int own = 0, ids = 0, noKeyword = 0, noTemplate = 0, vqOthers = 0;
  std::map<int, int> layoutByKind;
  for (int i = 0; i < 393; ++i) {
    const PBType* s = GetPBType(i);
    ++groups[s->GroupCode];
    ++dialogKinds[s->DialogKind];
    (s->StructId != 0 ? ids : own)++;
    if (s->Keyword == nullptr) ++noKeyword;
    if (s->ParmTemplate == nullptr) ++noTemplate;
    // Layout kind and parameter layout go together.
    const scribe::ParmLayout expected =
        s->LayoutKind == 10 ? scribe::ParmLayout::Standard
        : s->LayoutKind == 11 ? (i == 152 ? scribe::ParmLayout::FaxCover : scribe::ParmLayout::Extended)
        : s->LayoutKind == 2 ? scribe::ParmLayout::Message
        : s->LayoutKind == 3 ? scribe::ParmLayout::Entry
                             : scribe::ParmLayout::None;
    EXPECT_EQ(s->ParmLayout, ParmLayoutParts(expected)) << i;
    ++layoutByKind[s->LayoutKind];
    const bool kvgam = std::strncmp(s->InternalName, "KvGAM_", 6) == 0;
    const bool vq = s->DialogResource != nullptr && std::strncmp(s->DialogResource, "VQ_", 3) == 0;
    if (kvgam) {
      EXPECT_TRUE(vq) << i;
    } else if (vq) {
      ++vqOthers;
    }
    if (kvgam && (i >= 301 || (i >= 362 && i <= 367))) {
      EXPECT_STREQ(s->Keyword, "UITEST") << i;
    }
  }
  const std::map<std::string, int> expectedGroups = {
      {"bMMB", 29}, {"bU", 29}, {"bM", 28}, {"bMDL", 27}, {"bP", 27}, {"bNotSup", 27},
      {"Sys", 25}, {"bV", 22}, {"A", 19}, {"P", 18}, {"U", 14}, {"M", 14}, {"E", 12},
      {"O", 11}, {"bNotSup2", 11}, {"V", 10}, {"F", 10}, {"S", 10}, {"X", 10}, {"N/A", 10},
      {"T", 9}, {"VR", 6}, {"bF", 5}, {"MMB", 3}, {"bMPIN", 2}, {"bA", 2}, {"bT", 1},
      {"INVISIBLE", 1}, {"NA", 1}};
  EXPECT_EQ(groups, expectedGroups);
  EXPECT_EQ(dialogKinds, (std::map<int, int>{{0, 16}, {1, 132}, {3, 4}, {4, 241}}));
  EXPECT_EQ(own, 139);
  EXPECT_EQ(ids, 254);
  EXPECT_EQ(noKeyword, 88);
  EXPECT_EQ(vqOthers, 10);
  EXPECT_EQ(layoutByKind, (std::map<int, int>{{0, 1}, {2, 1}, {3, 1}, {10, 140}, {11, 250}}));
  // Types whose own code writes their whole script have no template.
  EXPECT_EQ(noTemplate, 17);
  const char* olderKeywords[] = {"OPENFILE", "CLOSEFILE", "CALLOUT", "DIALNO2", "DELETEFILE",
                                 "DOESFILEEXIST", "CALLXFER2", "SENDFAX", "RECFAX2",
                                 "PLAYVOICE3", "COMPLXFER2", "RECORDVC"};
  const int olderIndexes[] = {11, 12, 13, 14, 117, 119, 127, 158, 160, 178, 226, 229};
  for (int k = 0; k < 12; ++k) EXPECT_STREQ(GetPBType(olderIndexes[k])->Keyword, olderKeywords[k]);
  EXPECT_STREQ(GetPBType(246)->Keyword, GetPBType(144)->Keyword);
  for (int i : {163, 164, 175, 176, 177, 286}) {
    const PBType* s = GetPBType(i);
    EXPECT_EQ(s->DialogKind, 0);
    EXPECT_EQ(s->FormFactory, nullptr);
    EXPECT_EQ(s->DirectAction, nullptr);
  }
  const PBType* end = GetPBType(181);
  ASSERT_NE(end->ParmLayout, nullptr);
  EXPECT_EQ(end->ParmLayout[0].Kind, 0);   // nothing of its area is stored
}

TEST(PBCatalogue, ServiceBlocksAreRegistered) {
  const char* names[] = {
      "ULVO_vB_ANNOUNCE", "ULVO_vB_CALLEXT", "ULVO_vB_DAYSWITCH", "ULVO_vB_ENDSESSION",
      "ULVO_vS_EXPRSMSG", "ULVO_vB_FAX", "ULVO_vS_FIM", "ULVO_vS_RA", "ULVO_vB_RETURN",
      "ULVO_vB_MENU", "ULVO_vB_SETLANG", "ULVO_vS_SUBSCRMBX", "ULVO_vB_THRUDIAL",
      "ULVO_vB_TIMESWITCH", "ULVO_vS_VPM", "ULVO_vB_ROTARY", "ULVO_vS_IMPORT",
      "ULVO_vB_DATECONTROL", "ULVO_vB_CHECKPASSWORD", "ULVO_vS_FAXAUTOATTEND",
      "ULVO_vB_FAXSELECT", "ULVO_vS_SRMESSAGING", "ULVO_vS_SRTRAINING"};
  const char* keywords[] = {
      "ULVO_ANNOUNCEMENT", "ULVO_CALLTRANSFER", "ULVO_DAYCONTROL", "ULVO_END",
      "ULVO_EXPRESSMESSAGING", "ULVO_FAXSEND", "ULVO_FAXITEMMAINT", "ULVO_REMOTEACTIVATION",
      "ULVO_CONTINUE", "ULVO_MENU", "ULVO_SETLANGUAGE", "ULVO_IVFMESSAGING", "ULVO_THRUDIAL",
      "ULVO_TIMECONTROL", "ULVO_VOICEITEMMAINT", "ULVO_ROTARYDIAL", "ULVO_IMPORTEDAPP",
      "ULVO_DATECONTROL", "ULVO_PASSWORDCHECK", "ULVO_FAXAUTOATTEND", "ULVO_FAXSELECT",
      "ULVO_SRMESSAGING", "ULVO_SRTRAINING"};
  const char* groups = "vB vB vB Sys vS vB vS bvS Sys vB vB vS vB vB vS Sys Sys vB vB vS vB vS vS";
  std::string g(groups);
  for (int k = 0; k < 23; ++k) {
    const PBType* s = GetPBType(393 + k);
    EXPECT_STREQ(s->InternalName, names[k]);
    EXPECT_STREQ(s->Keyword, keywords[k]);
    EXPECT_EQ(s->LayoutKind, 11);
    EXPECT_EQ(s->StructId, 10271 + k);
    EXPECT_EQ(s->DialogKind, 4);
    // Each service block has a form template of its own, named after the block.
    std::string form = std::string("DIALOG_") + (names[k] + 5);
    for (char& c : form) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(s->DialogResource, form);
    EXPECT_EQ(s->CompletedLabel, nullptr);
    EXPECT_EQ(s->FailedLabel, nullptr);
    EXPECT_NE(s->ParmTemplate, nullptr) << 393 + k;
    const std::size_t space = g.find(' ');
    EXPECT_EQ(s->GroupCode, g.substr(0, space)) << 393 + k;
    g.erase(0, space == std::string::npos ? g.size() : space + 1);
  }
}

TEST(PBCatalogue, ReservedWordsHoldEveryTypeNameTwiceSorted) {
  const ReservedWordTable& words = TheCatalogue().ReservedWords();
  ASSERT_EQ(words.Count(), 1042);   // 210 + 2 x 416
  ASSERT_TRUE(words.IsSorted());
  for (int i = 1; i < words.Count(); ++i) {
    EXPECT_LE(CompareNames(words.Words()[i - 1], words.Words()[i]), 0) << i;
  }
  for (const char* w : {"bVEntry", "bVENTRY", "VMenu", "VMENU", "KVGAM_FILE_OPENFILE",
                        "ULVO_VB_ANNOUNCE", "string", "while"}) {
    EXPECT_TRUE(words.Contains(w)) << w;
    EXPECT_TRUE(IsReservedWord(w)) << w;
  }
  EXPECT_FALSE(words.Contains("BVENTRY"));   // the first character keeps its case
  EXPECT_FALSE(IsReservedWord("MyMenu"));
}

TEST(PBCatalogue, ChoiceListsAreRegisteredByNumber) {
  PBCatalogue& cat = TheCatalogue();
  for (int id = 0; id < kChoiceListCount; ++id) {
    const PBChoiceList* list = cat.ChoiceList(id);
    const bool defined = id == 1 || id >= 5;
    EXPECT_EQ(list->Texts != nullptr, defined) << id;
    EXPECT_EQ(list->Values != nullptr, defined) << id;
  }
  EXPECT_STREQ(cat.ChoiceList(51)->Texts[0], "DN");
  EXPECT_STREQ(cat.ChoiceList(51)->Texts[1], "Mailbox Number");
  EXPECT_EQ(cat.ChoiceList(70), nullptr);
}

TEST(PBCatalogue, TemplatesOfGeneratedCallsHaveTheirArity) {
  const std::map<int, int> arity = {{6, 0},   {16, 1},  {100, 2}, {112, 2},
                                    {115, 2}, {116, 2}, {121, 10}, {223, 1}};
  for (const auto& [index, n] : arity) {
    EXPECT_EQ(TemplateArguments(GetPBType(index)->ParmTemplate), n) << index;
  }
}

// A catalogue built piece by piece.
TEST(PBCatalogueRegistration, ServiceSlotsStayEmptyWithoutTheirModule) {
  PBCatalogue cat;
  RegisterTypeModule(cat);
  RegisterTypeModule2(cat);
  RegisterNewTypeModule(cat);
  EXPECT_EQ(cat.ReservedWords().Count(), 210 + 2 * 393);
  for (int i = 393; i < kPBCatalogueSize; ++i) {
    EXPECT_EQ(cat.Slot(i)->InternalName, nullptr);
    EXPECT_EQ(cat.Slot(i)->FieldTable, nullptr);
    EXPECT_EQ(cat.Slot(i)->ParmTemplate, nullptr);
  }
  EXPECT_NE(cat.Slot(392)->InternalName, nullptr);
}

TEST(PBCatalogueRegistration, FullReservedTableRefusesFurtherNames) {
  PBCatalogue cat;
  std::vector<std::string> messages;
  cat.SetMessageSink([&](const char* text) { messages.emplace_back(text); });
  static const char* filler = "filler";
  while (cat.ReservedWords().Count() + 2 < kReservedWordCapacity) {
    cat.ReservedWords().Append(filler);
  }
  const int before = cat.ReservedWords().Count();
  DefinePB a(cat, 5, "TOffHook", "Off Hook", "bV", "", 11, nullptr, 0, nullptr, nullptr, 4,
             nullptr, nullptr, nullptr, nullptr, 0, nullptr);
  DefinePB b(cat, 6, "TOnHook", "On Hook", "bV", "", 11, nullptr, 0, nullptr, nullptr, 4,
             nullptr, nullptr, nullptr, nullptr, 0, nullptr);
  EXPECT_EQ(cat.ReservedWords().Count(), before);
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], "Internal Error:  Too many reserverd words.");
  EXPECT_STREQ(cat.Slot(5)->InternalName, "TOffHook");   // the slot is still filled
  EXPECT_STREQ(cat.DisplayName(6), "On Hook");
  EXPECT_EQ(a.UpperCopy(), nullptr);
}

TEST(PBCatalogueRegistration, UpperCopyIsMadeOnlyWhenNoneIsGiven) {
  PBCatalogue cat;
  DefinePB made(cat, 2, "bVEntry", "VEntry", "bV", "", 3, nullptr, 0, nullptr, nullptr, 0,
                nullptr, nullptr, nullptr, nullptr, 0, nullptr);
  EXPECT_STREQ(made.UpperCopy(), "bVENTRY");
  DefinePB given(cat, 0, "VMenu", "Menu", "V", "", 11, nullptr, 0, nullptr, nullptr, 4, nullptr,
                 nullptr, nullptr, nullptr, 0, "MENU_WORD");
  EXPECT_EQ(given.UpperCopy(), nullptr);
  const ReservedWordTable& w = cat.ReservedWords();
  EXPECT_STREQ(w.Words()[w.Count() - 1], "MENU_WORD");
  EXPECT_STREQ(w.Words()[w.Count() - 2], "VMenu");
}

TEST(PBCatalogueRegistration, StructureIdReplacesTheTableAndHooksAreStored) {
  PBCatalogue cat;
  static const PBFieldDef ignored[1] = {};
  DefinePB reg(cat, 7, "TWaitCall", "Wait for Call", "bV", "", 11, ignored, 5071, nullptr,
               nullptr, 4, "DIALOG_WAITCALL", "WAITCALL", "Completed*", "Failed*", 0, nullptr);
  ASSERT_NE(cat.Slot(7)->FieldTable, nullptr);
  EXPECT_NE(cat.Slot(7)->FieldTable, ignored);
  EXPECT_STREQ(cat.Slot(7)->FieldTable[0].Name, "Timeout (mSec)");
  DefinePB missing(cat, 8, "KKbdGetString", "Get String", "bV", "", 11, ignored, 4999, nullptr,
                   nullptr, 4, nullptr, nullptr, nullptr, nullptr, 0, nullptr);
  EXPECT_EQ(cat.Slot(8)->FieldTable, nullptr);   // no table for that id
  auto emitter = [](void*, PBInstance*, PBInstance*, void*, char*, int, int) { return 3; };
  DefinePBHooks(cat, 7, emitter, nullptr, nullptr, nullptr);
  EXPECT_EQ(cat.Slot(7)->CodeEmitter, static_cast<PBCodeEmitter>(emitter));
  DefinePBHooks(cat, 500, emitter, nullptr, nullptr, nullptr);   // outside: ignored
}

TEST(PBCatalogueRegistration, GivenChoiceListsAreStoredAsTheyAre) {
  PBCatalogue cat;
  static const char* const texts[] = {"a", nullptr};
  static const char* const values[] = {"1", nullptr};
  DefineChoiceList(cat, 3, texts, values);
  EXPECT_EQ(cat.ChoiceList(3)->Texts, texts);
  EXPECT_EQ(cat.ChoiceList(3)->Values, values);
  DefineChoiceList(cat, 2, nullptr, nullptr);   // the library has no list 2
  EXPECT_EQ(cat.ChoiceList(2)->Texts, nullptr);
}

// Without a sink of its own the catalogue's reports are boxes with an empty title and the
// stop icon, never text on an error stream nobody reads.
TEST(PBCatalogue, ReportsWithoutASinkAreStopBoxes) {
  struct Recorder : KvMessagePresenter {
    int Show(const KvMessageBoxRequest& r) override {
      shown.push_back({r.text, r.caption, r.style});
      return kKvIdOk;
    }
    struct Box {
      std::string text, caption;
      std::uint32_t style;
    };
    std::vector<Box> shown;
  } recorder;
  KvScopedMessagePresenter scoped{recorder};
  PBCatalogue catalogue;
  catalogue.Report("Internal Error:  Too many reserverd words.");
  ASSERT_EQ(recorder.shown.size(), 1u);
  EXPECT_EQ(recorder.shown[0].text, "Internal Error:  Too many reserverd words.");
  EXPECT_EQ(recorder.shown[0].caption, "");
  EXPECT_EQ(recorder.shown[0].style, kKvMbOk | kKvMbIconHand);
}

}  // namespace
}  // namespace zeph
