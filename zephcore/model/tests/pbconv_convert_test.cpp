// Converting the parameters of VavurOrezos of older files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "model/modelcodes.h"
#include "model/pbconv.h"
#include "model/pbconv_callbacks.h"
#include "model/pbconv_tables.h"
#include "pbaccess_testutil.h"

namespace zeph {
namespace {

class PBConvert : public test::ModelFixture {
 protected:
  PBConvert() {
    TheParmVersionTables();
    SetConversionReportSink([this](const std::string& text) { reports.push_back(text); });
  }
  ~PBConvert() override { SetConversionReportSink(nullptr); }

  // The entry for a file of the version, with a scratch VavurOrezo of the old definition.
  const PBConversion& Entry(int type, float fileVersion) {
    const PBConversion* e = ConversionForFile(type, fileVersion);
    EXPECT_NE(e, nullptr) << type << " " << fileVersion;
    old.Type = static_cast<std::int16_t>(type);
    old.Name = "Block";
    fresh.Name = "Block";
    if (e != nullptr) fresh.Type = static_cast<std::int16_t>(e->NewType);
    return *e;
  }
  PBFieldAccessor Old(const PBConversion& e) { return PBFieldAccessor(&old, 0, e.OldFields, 0); }
  PBFieldAccessor New() { return PBFieldAccessor(&fresh, 0, nullptr, 0); }
  std::string NewText(const char* field) {
    std::string text = "unset";
    EXPECT_NE(New().GetEntryText(field, text), nullptr) << field;
    return text;
  }
  void SetOld(const PBConversion& e, const char* field, const char* text) {
    ASSERT_EQ(Old(e).SetEntryText(field, text), 1) << field;
  }
  int Convert(const PBConversion& e) { return ConvertVavurOrezoParameters(e, old, fresh); }

  PBInstance old;
  PBInstance fresh;
  std::vector<std::string> reports;
};

TEST_F(PBConvert, OldMenuMovesIntoTheCurrentMenu) {
  const PBConversion& e = Entry(0, 1.4f);
  AddPB("One", 134);
  Var("Params", kTypeMenuParms);
  SetOld(e, "Log Menu Selection", "1");
  SetOld(e, "Menu Parameters", "Params");
  SetOld(e, "Goto on 1", "One");
  SetOld(e, "Goto on *", "Star");   // a VavurOrezo not drawn yet
  SetOld(e, "Goto on Wrong Answer", "One");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(fresh.Type, 0);
  EXPECT_EQ(NewText("Log Menu Selection"), "1");
  EXPECT_EQ(NewText("Menu Parameters"), "Params");
  EXPECT_EQ(NewText("Key 1"), "One");
  EXPECT_EQ(NewText("Key *"), "Star");
  EXPECT_EQ(NewText("Invalid Entry"), "One");
  EXPECT_EQ(NewText("Key 2"), "");
  EXPECT_TRUE(reports.empty());
}

// What the current Menu cannot hold is reported, one line per value; nothing silently.
TEST_F(PBConvert, OldMenuReportsWhatItCannotKeep) {
  const PBConversion& e = Entry(0, 1.4f);
  AddPB("One", 134);
  Var("Again", kTypeVoiceSentence);
  SetOld(e, "Goto on #", "One");
  SetOld(e, "Last Wrong Answer Voice Sentence", "Again");
  ASSERT_EQ(Convert(e), 0);
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_NE(reports[0].find("\"Last Wrong Answer Voice Sentence\" (Again)"), std::string::npos);
  EXPECT_NE(reports[1].find("\"Goto on #\" (One)"), std::string::npos);
  EXPECT_EQ(reports[1].rfind("Block: ", 0), 0u);
}

TEST_F(PBConvert, OldEntryBecomesEnterDigitsUnlessItKeepsItsOwnWays) {
  const PBConversion& e = Entry(2, 1.0f);
  SetOld(e, "Number Of Digits", "'4");
  SetOld(e, "Verification", "2");
  SetOld(e, "Verify Range Min Val", "'100");
  SetOld(e, "Verify Range Max Val", "'999");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(fresh.Type, 180);
  EXPECT_EQ(NewText("Number Of Digits"), "'4");
  EXPECT_EQ(NewText("Verification"), "Range of Numbers");
  EXPECT_EQ(NewText("Verify Range Max Val"), "'999");

  PBInstance database;
  database.Type = 2;
  Var("Accounts", kTypeDBInfo);
  PBFieldAccessor(&database, 0, e.OldFields, 0).SetEntryText("Verification", "3");
  PBFieldAccessor(&database, 0, e.OldFields, 0).SetEntryText("Verify DB", "Accounts");
  PBInstance converted;
  ASSERT_EQ(ConvertVavurOrezoParameters(e, database, converted), 0);
  std::string text;
  PBFieldAccessor(&converted, 0, nullptr, 0).GetEntryText("Verification", text);
  EXPECT_EQ(text, "Database");
  PBFieldAccessor(&converted, 0, nullptr, 0).GetEntryText("Verify DB", text);
  EXPECT_EQ(text, "Accounts");
}

TEST_F(PBConvert, EntryVerifiedByAUserFunctionStaysAnOldEntry) {
  const PBConversion& e = Entry(2, 1.0f);
  SetOld(e, "Verification", "4");
  SetOld(e, "Number Of Digits", "'6");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(fresh.Type, 2);
  std::string text;
  PBFieldAccessor(&fresh, 0, e.OldFields, 0).GetEntryText("Number Of Digits", text);
  EXPECT_EQ(text, "'6");
  EXPECT_EQ(fresh.Area.Word(e.OldFields[1].FieldOffset), old.Area.Word(e.OldFields[1].FieldOffset));

  PBInstance numbered;
  numbered.Type = 2;
  PBFieldAccessor(&numbered, 0, e.OldFields, 0).SetEntryText("Digits Entered (Number)", "Amount");
  PBInstance converted;
  ASSERT_EQ(ConvertVavurOrezoParameters(e, numbered, converted), 0);
  EXPECT_EQ(converted.Type, 2);
}

TEST_F(PBConvert, WaitCallSecondsBecomeMilliseconds) {
  struct Case {
    const char* timeout;
    const char* expected;
    const char* forever;
  } cases[] = {{"'30", "'30000", "0"}, {"'-1", "'-1000", "1"}, {"", "", "0"}};
  for (const Case& c : cases) {
    old = PBInstance();
    fresh = PBInstance();
    const PBConversion& e = Entry(7, 1.0f);
    SetOld(e, "Timeout (Sec)", c.timeout);
    SetOld(e, "Call Arrived", "Next");
    ASSERT_EQ(Convert(e), 0);
    EXPECT_EQ(NewText("Timeout (mSec)"), c.expected) << c.timeout;
    EXPECT_EQ(NewText("Wait Forever"), c.forever) << c.timeout;
    EXPECT_EQ(NewText("Call Arrived"), "Next");
  }
}

TEST_F(PBConvert, ScalingAReferenceCopiesItAsItIs) {
  Symbol* seconds = Var("Seconds", kTypeInteger);
  const PBConversion& e = Entry(7, 1.0f);
  SetOld(e, "Timeout (Sec)", "Seconds");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("Timeout (mSec)"), "Seconds");
  EXPECT_EQ(seconds->RefCnt, 2);   // the old VavurOrezo's and the new one's
}

TEST_F(PBConvert, ToneKeysGoIntoANewToneParmsVariable) {
  const PBConversion& e = Entry(17, 1.2f);
  SetOld(e, "Timeout (Sec)", "'-1");
  SetOld(e, "Accept 1", "1");
  SetOld(e, "Accept #", "1");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("Wait Mode"), "2");
  EXPECT_EQ(NewText("Parameters"), "DefToneParm1");
  Symbol* parms = LookupSymbol("DefToneParm1", kTypeToneParms, &t);
  ASSERT_NE(parms, nullptr);
  EXPECT_EQ(parms->RefCnt, 1);
  auto* data = dynamic_cast<ValueBlockData*>(parms->Data.get());
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(data->Size(), 18u);
  auto at = [&](int offset) {
    std::uint32_t v = 0;
    std::memcpy(&v, data->Bytes() + offset, 4);
    return v;
  };
  const std::uint32_t mask = (1u << 1) | (1u << 12) | 0x10000u;
  EXPECT_EQ(at(2), (mask ^ 0x1FFFFu) | 0x10000u);
  EXPECT_EQ(at(6), 0u);
  EXPECT_EQ(at(10), mask);
  EXPECT_EQ(at(14), 0u);

  old = PBInstance();
  fresh = PBInstance();
  const PBConversion& again = Entry(17, 1.2f);
  SetOld(again, "Timeout (Sec)", "'0");
  ASSERT_EQ(Convert(again), 0);
  EXPECT_EQ(NewText("Parameters"), "DefToneParm2");
  EXPECT_EQ(NewText("Wait Mode"), "3");
  EXPECT_TRUE(reports.empty());
}

TEST_F(PBConvert, ToneKeysOfLaterFilesToo) {
  const PBConversion& e = Entry(17, 2.0f);
  EXPECT_FLOAT_EQ(e.Version, 2.03f);
  SetOld(e, "Timeout (mSec)", "'2500");
  SetOld(e, "Accept 5", "1");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("Timeout (mSec)"), "'2500");
  EXPECT_EQ(NewText("Parameters"), "DefToneParm1");
}

TEST_F(PBConvert, WithoutAFreeToneParmNameTheFieldStaysEmptyAndTheFailureIsReported) {
  for (int n = 1; n <= kToneParmNameLimit; ++n) {
    Var(("DefToneParm" + std::to_string(n)).c_str(), kTypeInteger);
  }
  const PBConversion& e = Entry(17, 1.2f);
  SetOld(e, "Accept 1", "1");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("Parameters"), "");
  EXPECT_EQ(LookupSymbol("DefToneParm1000", kTypeToneParms, &t), nullptr);
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_NE(reports[0].find("DefToneParm999"), std::string::npos);
  EXPECT_NE(reports[0].find("Block"), std::string::npos);
}

TEST_F(PBConvert, ProblemsGoToAMessageBoxWithoutASink) {
  SetConversionReportSink(nullptr);
  ReportConversionProblem("Something was lost");
  ASSERT_EQ(faults.presenter.Boxes().size(), 1u);
  EXPECT_EQ(faults.presenter.Boxes()[0].text, "Something was lost");
}

TEST_F(PBConvert, ImpossibleConversionGivesBackTheOldReferences) {
  const PBConversion& e = Entry(149, 1.0f);
  Symbol* request = Var("Request", kTypeFaxRequest);
  SetOld(e, "Fax Request", "Request");
  ASSERT_EQ(request->RefCnt, 1);
  EXPECT_EQ(Convert(e), kErrCannotConvert);
  EXPECT_EQ(request->RefCnt, 0);
  EXPECT_TRUE(old.Area.IsSlotEmpty(e.OldFields[0].FieldOffset));
}

TEST_F(PBConvert, SpeedVolumeKeysTakeTheirActions) {
  const PBConversion& e = Entry(133, 1.0f);
  SetOld(e, "Speed Step", "'3");
  SetOld(e, "Speed Up Key", "'5");
  SetOld(e, "Volume Up Key", "'12");
  SetOld(e, "Volume Down Key", "'13");   // no such key
  SetOld(e, "Goto", "Next");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("Speed Step"), "'3");
  EXPECT_EQ(NewText("Goto"), "Next");
  EXPECT_EQ(NewText("Key 5"), "1");
  EXPECT_EQ(NewText("Key #"), "3");
  EXPECT_EQ(NewText("Key 1"), "7");
  EXPECT_EQ(NewText("Key D"), "7");
  EXPECT_EQ(NewText("Speed Up Disabled"), "0");
  EXPECT_EQ(NewText("Volume Up Disabled"), "0");
  EXPECT_EQ(NewText("Speed Down Disabled"), "1");   // its default: no key named
  EXPECT_EQ(NewText("Volume Down Disabled"), "1");
  EXPECT_EQ(NewText("Clear Type-Ahead"), "0");
}

TEST_F(PBConvert, ErrorLogCopiesItsOptionalFieldsOnlyWhenGiven) {
  const PBConversion& e = Entry(121, 3.0f);
  SetOld(e, "Error Number", "'17");
  SetOld(e, "Program Name", "'BILLING");
  New().SetEntryText("Value 1", "'9");   // the new VavurOrezo's own value stays
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("Error Number"), "'17");
  EXPECT_EQ(NewText("Program Name"), "'BILLING");
  EXPECT_EQ(NewText("Value 1"), "'9");
}

TEST_F(PBConvert, ChoiceTextsAreRewritten) {
  struct Case {
    int type;
    float file;
    const char* field;
    const char* oldText;
    const char* newText;
  } cases[] = {
      {310, 4.0f, "List", "Message Recipient List", "To List"},
      {310, 4.0f, "List", "Message Sender List", "From List"},
      {310, 4.0f, "List", "Distribution List", "Distribution List"},
      {324, 5.0f, "Selection", "All Messages", "cSCSM_All"},
      {324, 5.0f, "Selection", "New Messages Only", "cSCSM_Unread"},
  };
  for (const Case& c : cases) {
    old = PBInstance();
    fresh = PBInstance();
    const PBConversion& e = Entry(c.type, c.file);
    SetOld(e, c.field, c.oldText);
    ASSERT_EQ(Convert(e), 0);
    EXPECT_EQ(NewText(c.field), c.newText) << c.oldText;
  }
}

TEST_F(PBConvert, ResolveAddressStartsWithoutNameDialing) {
  const PBConversion& e = Entry(302, 8.02f);
  SetOld(e, "Input", "'1234");
  SetOld(e, "Use Name Dialing", "1");
  SetOld(e, "Allow Partial Match", "1");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("Input"), "'1234");
  EXPECT_EQ(NewText("Use Name Dialing"), "0");
  EXPECT_EQ(NewText("Allow Partial Match"), "1");
}

TEST_F(PBConvert, VoiceRecordOffsetByItsOldKind) {
  const PBConversion& e = Entry(229, 4.0f);
  SetOld(e, "Record Offset (mSec)", "'500");
  SetOld(e, "Record From", "1");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("Record Offset (mSec)"), "'500");

  old = PBInstance();
  fresh = PBInstance();
  const PBConversion& body = Entry(229, 4.0f);
  SetOld(body, "Record Offset (mSec)", "'500");
  SetOld(body, "Record From", "2");
  ASSERT_EQ(Convert(body), 0);
  EXPECT_EQ(NewText("Record Offset (mSec)"), "CurBody.Offset");
}

TEST_F(PBConvert, ServiceBlocksOfOlderServersConvertByFieldName) {
  const PBConversion& e = Entry(402, 5.0f);
  EXPECT_FLOAT_EQ(e.Version, 5.06f);
  SetOld(e, "1", "Sales");
  SetOld(e, "Menu choices", "'menu.vox");
  SetOld(e, "Max Number of No Responses", "'5");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("1"), "Sales");
  EXPECT_EQ(NewText("Menu choices"), "'menu.vox");
  EXPECT_EQ(NewText("Max Number of No Responses"), "'5");
}

// The old Thru-Dial keeps its greeting where the current definition keeps it, but its fields
// after the greeting land where the current definition keeps them.
TEST_F(PBConvert, ThruDialOfOlderServersKeepsItsGreeting) {
  const PBConversion& e = Entry(405, 5.0f);
  AddPB("Done", 134);
  SetOld(e, "Thru-Dial greeting", "'hello.vox");
  SetOld(e, "Number Length", "'6");
  SetOld(e, "Success", "Done");
  SetOld(e, "User Cancelled", "Done");
  SetOld(e, "Use Fixed Length Numbers", "1");
  SetOld(e, "Dialing", "3");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("Thru-Dial greeting"), "'hello.vox");
  EXPECT_EQ(NewText("Number Length"), "'6");
  EXPECT_EQ(NewText("Success"), "Done");
  EXPECT_EQ(NewText("Attendant Requested"), "");
  EXPECT_EQ(NewText("User Cancelled"), "Done");
  EXPECT_EQ(NewText("Use Fixed Length Numbers"), "1");
  EXPECT_EQ(NewText("Dialing"), "3");
}

TEST_F(PBConvert, FaxCoverKeepsItsFortySlots) {
  const PBConversion& e = Entry(152, 1.9f);
  EXPECT_FLOAT_EQ(e.Version, 2.0f);
  SetOld(e, "Comment Line 12", "'last line");
  SetOld(e, "Failed", "Retry");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("Comment Line 12"), "'last line");
  EXPECT_EQ(NewText("Failed"), "Retry");
}

TEST_F(PBConvert, ByNameCutsNarrowedStringsAndDefaultsNewFields) {
  ParmVersionTables tables;
  auto oldTable = test::BuildTable("gEnd of File|eFile Name:str,len=100|xGone", scribe::ParmLayout::Standard);
  PBConversion e;
  e.OldType = 4;
  e.NewType = 4;
  e.OldFields = oldTable->Entries();
  SetMovesByName(e, tables, GetPBType(4)->FieldTable);   // "File Name" holds 48 bytes
  old.Type = 4;
  const std::string longName = "'" + std::string(70, 'f');
  PBFieldAccessor(&old, 0, e.OldFields, 0).SetEntryText("File Name", longName.c_str());
  PBFieldAccessor(&old, 0, e.OldFields, 0).SetEntryText("End of File", "Done");
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("File Name"), "'" + std::string(47, 'f'));
  EXPECT_EQ(NewText("End of File"), "Done");

  auto pauseOld = test::BuildTable("gGoto:next|eSeconds:int", scribe::ParmLayout::Standard);
  PBConversion pause;
  pause.OldType = 134;
  pause.NewType = 134;
  pause.OldFields = pauseOld->Entries();
  SetMovesByName(pause, tables, GetPBType(134)->FieldTable);
  PBInstance oldPause, newPause;
  oldPause.Type = 134;
  PBFieldAccessor(&oldPause, 0, pause.OldFields, 0).SetEntryText("Goto", "Next");
  newPause.Type = 134;
  PBFieldAccessor(&newPause, 0, nullptr, 0).SetEntryText("Pause Time (mSec)", "'5");
  ASSERT_EQ(ConvertVavurOrezoParameters(pause, oldPause, newPause), 0);
  std::string text;
  PBFieldAccessor(&newPause, 0, nullptr, 0).GetEntryText("Pause Time (mSec)", text);
  EXPECT_EQ(text, "'1000");
  PBFieldAccessor(&newPause, 0, nullptr, 0).GetEntryText("Goto", text);
  EXPECT_EQ(text, "Next");
}

// Conversions of one's own: answers of a first-running callback and the remaining move kinds.
int g_answer = 0;
int g_moveCallbacks = 0;
int AnswerWith(PBInstance&, PBInstance&, const PBConversion&) { return g_answer; }
void CountMove(PBInstance&, PBInstance&, const PBConversion&, const PBFieldMove&) { ++g_moveCallbacks; }

TEST_F(PBConvert, FirstRunningCallbackDecides) {
  const PBConversion& registered = Entry(121, 3.0f);
  PBConversion e = registered;
  e.Flags = kConvCallbackFirst;
  e.Callback = AnswerWith;
  Symbol* value = Var("Value", kTypeInteger);
  SetOld(e, "Value 1", "Value");

  g_answer = kConvCopyArea;
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(fresh.Type, 121);
  EXPECT_EQ(NewText("Value 1"), "Value");

  g_answer = kConvRefuse;
  EXPECT_EQ(Convert(e), kErrCannotConvert);
  EXPECT_TRUE(old.Area.IsSlotEmpty(e.OldFields[5].FieldOffset));
  // The old VavurOrezo gave its reference back; the one the earlier copy counted for the new
  // record stays.
  EXPECT_EQ(value->RefCnt, 1);
}

// Whichever path converts, the new record's references are its own: releasing the old record
// afterwards brings each count back to what the new record holds, and nothing it still uses
// is let go.
TEST_F(PBConvert, EveryPathCountsTheReferencesItCopies) {
  const PBConversion& registered = Entry(121, 3.0f);
  struct Path {
    const char* name;
    std::int32_t flags;
    int answer;
  } paths[] = {{"moves", 0, kConvGoOn}, {"copy area", kConvCallbackFirst, kConvCopyArea},
               {"keep old type", kConvCallbackFirst, kConvKeepOldType}};
  int n = 0;
  for (const Path& p : paths) {
    PBConversion e = registered;
    e.Flags = p.flags;
    if (p.flags != 0) e.Callback = AnswerWith;
    g_answer = p.answer;
    old = PBInstance();
    fresh = PBInstance();
    Entry(121, 3.0f);
    Symbol* value = Var(("Value" + std::to_string(++n)).c_str(), kTypeInteger);
    SetOld(e, "Value 1", value->Name);
    ASSERT_EQ(value->RefCnt, 1) << p.name;
    ASSERT_EQ(Convert(e), 0) << p.name;
    EXPECT_EQ(value->RefCnt, 2) << p.name;   // the old and the new record each hold one
    ReleaseConversionRefs(e, old);
    EXPECT_EQ(value->RefCnt, 1) << p.name;   // the new record's own
    EXPECT_EQ(NewText("Value 1"), value->Name) << p.name;
  }
}

TEST_F(PBConvert, ConditionalMovesAndMoveCallbacks) {
  const PBConversion& registered = Entry(121, 3.0f);
  const PBFieldMove moves[] = {
      {.Kind = kMoveCopyIfEmpty, .Source = 3, .Destination = 3, .Callback = CountMove},
      {.Kind = kMoveSetIfGiven, .Text = "'7", .Destination = 4, .Condition = 8},
      {.Kind = kMoveSetIfEmpty, .Text = "'8", .Destination = 5, .Condition = 9},
      {.Kind = kMoveSetIfEmpty, .Text = "'9", .Destination = 6, .Condition = 8},
      {}};
  PBConversion e = registered;
  e.Moves = moves;
  e.ByName = false;
  SetOld(e, "Text 1", "'given");
  New().SetEntryText("Program Name", "'KEPT");
  g_moveCallbacks = 0;
  ASSERT_EQ(Convert(e), 0);
  EXPECT_EQ(NewText("Program Name"), "");   // copied from the empty old field
  EXPECT_EQ(NewText("Message Number"), "'7");
  EXPECT_EQ(NewText("Value 1"), "'8");
  EXPECT_EQ(NewText("Value 2"), "");
  EXPECT_EQ(g_moveCallbacks, 1);
}

}  // namespace
}  // namespace zeph
