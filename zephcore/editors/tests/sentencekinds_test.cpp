// Phrase kinds by name and code with the user types of the settings file, the list line
// of each kind group with its prompt file's size and stamp, the stamp texts, generated
// comments and joined folder texts.
#include "editors/sentences/comments.h"
#include "editors/sentences/componentline.h"
#include "editors/sentences/filestamp.h"
#include "editors/sentences/kinds.h"
#include "editors/sentences/pathpart.h"
#include "editors/sentences/usertypes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reporttest_util.h"
#include "sentencetest_util.h"

namespace zeph {
namespace {

TEST(UserSentenceTypes, KeysAndTheirDefaults) {
  test::MapIni ini;
  ini.Set("Number of User Defined Types", "4");
  ini.Set("User Defined Media 1", "vOiCe");
  ini.Type(1, "Spanish Number", 7);
  ini.Set("User Defined Media 2", "Fax");
  ini.Type(2, "Fax Page", 3);
  // Type 3 has no keys at all; type 4 has a name longer than the table holds.
  ini.Set("User Defined Name 4", std::string(200, 'n'));
  test::ScopedUserTypes types(ini);

  ASSERT_EQ(UserTypeCount(), 4);
  struct Row {
    int Media;
    std::string Name;
    int Table;
  };
  const std::vector<Row> expected = {
      {0, "Spanish Number", 7}, {1, "Fax Page", 3}, {0, "User Defined", 1}, {0, std::string(127, 'n'), 1}};
  for (int i = 0; i < 4; ++i) {
    const UserSentenceType* t = UserTypeAt(i);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Media, expected[i].Media) << i;
    EXPECT_EQ(std::string(t->Name), expected[i].Name) << i;
    EXPECT_EQ(t->LanguageTable, expected[i].Table) << i;
  }
  EXPECT_EQ(UserTypeAt(4), nullptr);
  EXPECT_EQ(UserTypeAt(-1), nullptr);
}

TEST(UserSentenceTypes, NoSectionOrNoCountMeansNoTable) {
  test::MapIni none;
  EXPECT_EQ(LoadUserDefIni(none), 0);
  EXPECT_EQ(UserTypeCount(), 0);
  test::MapIni zero;
  zero.Set("Number of User Defined Types", "0");
  zero.Set("User Defined Name 1", "Ignored");
  EXPECT_EQ(LoadUserDefIni(zero), 0);
  EXPECT_EQ(FindKind("Ignored"), -1);
  // Freeing after a load leaves only the built-in kinds.
  test::MapIni one;
  one.Set("Number of User Defined Types", "1");
  EXPECT_EQ(LoadUserDefIni(one), 1);
  EXPECT_EQ(FindKind("User Defined"), 101);
  FreeUserDefIni();
  EXPECT_EQ(UserTypeCount(), 0);
  EXPECT_EQ(FindKind("User Defined"), -1);
}

TEST(SentenceKinds, FindKindAndKindNameWithUserTypes) {
  test::MapIni ini;
  ini.Type(1, "Spanish Number", 7);
  ini.Type(2, "Catalan Number", 7);   // shares code 107
  ini.Type(3, "Recording", 9);        // a built-in name wins
  test::ScopedUserTypes types(ini);

  const std::vector<std::pair<std::string, int>> finds = {
      {"Recording", 0}, {"Decimal Number", 2}, {"Integer, 0 = 'No'", 10}, {"Time", 16},
      {"Full Path", 32}, {"Text to Speech Comment", 35}, {"Money\tignored after the tab", 11},
      {"Spanish Number", 107}, {"Catalan Number", 107}, {"recording", -1}, {"Recording ", -1},
      {".", 1}, {"", -1}, {"Unknown", -1}};
  for (const auto& [text, code] : finds) EXPECT_EQ(FindKind(text), code) << text;

  const std::vector<std::pair<int, std::string>> names = {
      {0, "Recording"}, {9, "Integer"}, {12, "Weekday"}, {34, "Text to Speech File"},
      {107, "Spanish Number"},   // the first entry of a shared table
      {109, "Recording"},
      {142, "42"},               // no entry of that table any more
      {100, "0"}};
  for (const auto& [code, name] : names) EXPECT_EQ(KindName(code), name) << code;
}

TEST(SentenceKinds, GroupsAndDatabases) {
  struct Row {
    int Kind;
    bool Direct, Database, Number, DateTime;
  };
  const Row rows[] = {{0, false, true, false, false},  {2, false, false, true, false},
                      {11, false, false, true, false}, {12, false, false, true, true},
                      {16, false, false, true, true},  {32, true, false, false, false},
                      {33, true, false, false, false}, {34, false, true, false, false},
                      {35, true, false, false, false}, {107, false, false, true, false}};
  for (const Row& r : rows) {
    EXPECT_EQ(IsDirectKind(r.Kind), r.Direct) << r.Kind;
    EXPECT_EQ(IsDatabaseKind(r.Kind), r.Database) << r.Kind;
    EXPECT_EQ(IsNumberKind(r.Kind), r.Number) << r.Kind;
    EXPECT_EQ(IsDateTimeKind(r.Kind), r.DateTime) << r.Kind;
  }
  EXPECT_EQ(DatabaseDisplayName("_PR_SYSTEM"), "SYSTEM");
  EXPECT_EQ(DatabaseDisplayName("_PR_DATABASE9"), "DATABASE9");
  EXPECT_EQ(DatabaseDisplayName("Other"), "");
  EXPECT_EQ(DatabaseVariableName("USER"), "_PR_USER");
  EXPECT_EQ(DatabaseVariableName("user"), "");
}

TEST(FileStamps, DosDatesAndTimes) {
  const std::vector<std::pair<std::uint16_t, std::string>> dates = {
      {test::DosDate(2004, 3, 15), "03/15/04"}, {test::DosDate(1980, 1, 1), "01/01/80"},
      {test::DosDate(1999, 12, 31), "12/31/99"}, {test::DosDate(2000, 2, 9), "02/09/00"},
      {test::DosDate(2026, 11, 5), "11/05/26"}};
  for (const auto& [word, text] : dates) EXPECT_EQ(FormatDosDate(word), text) << text;
  const std::vector<std::pair<std::uint16_t, std::string>> times = {
      {test::DosTime(0, 30), "12:30 am"}, {test::DosTime(12, 5), "12:05 pm"}, {test::DosTime(11, 59), "11:59 am"},
      {test::DosTime(13, 0), "01:00 pm"}, {test::DosTime(23, 9), "11:09 pm"},
      {static_cast<std::uint16_t>(test::DosTime(9, 7) | 29), "09:07 am"}};   // seconds not shown
  for (const auto& [word, text] : times) EXPECT_EQ(FormatDosTime(word), text) << text;
}

class ComponentLines : public test::ReportProgram {
 protected:
  ComponentLines() {
    test::SetVariableText(Var("_PR_USER"), "C:\\VOX\\USER\\");
    test::SetVariableText(Var("_PR_SYSTEM"), "C:\\VOX\\SYS\\");
    Symbol* s = nullptr;
    EXPECT_EQ(program->AddNamedSymbol(&s, "Amount", kTypeInteger, 1, 1, 0, false), 0);
    EXPECT_EQ(program->AddNamedSymbol(&s, "Greeting", kTypeString, 40, 1, 0, false), 0);
    stamps.files["C:\\VOX\\USER\\1005"] = {2048, test::DosDate(2004, 3, 15), test::DosTime(0, 30)};
    stamps.files["C:\\VOX\\SYS\\77"] = {10, test::DosDate(2004, 3, 15), test::DosTime(12, 5)};
    stamps.files["D:\\SPEECH\\HELLO.VOX"] = {512, test::DosDate(1999, 12, 31), test::DosTime(23, 59)};
    stamps.files["Say this"] = {1, test::DosDate(2001, 1, 2), test::DosTime(1, 2)};
  }
  Symbol* Var(const char* name) { return LookupSymbol(name, kTypeString, &program->Symbols()); }
  std::string Line(SentenceComponent* c) {
    std::string line = FormatComponentLine(*c, &program->Symbols());
    FreeSentenceComponents(c);
    return line;
  }
  test::StampTable stamps;
};

TEST_F(ComponentLines, EachKindGroup) {
  test::MapIni ini;
  ini.Type(1, "Spanish Number", 7);
  test::ScopedUserTypes types(ini);
  SymbolTable& t = program->Symbols();
  struct Row {
    SentenceComponent* Component;
    std::string Expected;
  };
  const Row rows[] = {
      // Database kinds: a text prompt looks for its file in the database folder.
      {test::Phrase(t, 0, "_PR_USER", "1005"), "Recording\tUSER\t\"1005\"\t2048   03/15/04 12:30 am"},
      {test::Phrase(t, 34, "_PR_SYSTEM", "77"), "Text to Speech File\tSYSTEM\t\"77\"\t10   03/15/04 12:05 pm"},
      {test::Phrase(t, 0, "_PR_USER", "1006"), "Recording\tUSER\t\"1006\"\t    "},
      // A variable prompt names no file: blank size, date and time.
      {test::Phrase(t, 0, "_PR_USER", "Amount", true), "Recording\tUSER\tAmount\t       "},
      // Number kinds speak the variable; a text prompt is looked for all the same.
      {test::Phrase(t, 9, "_PR_SYSTEM", "Amount", true), "Integer\tSYSTEM\tAmount\t       "},
      {test::Phrase(t, 16, "_PR_SYSTEM", "77"), "Time\tSYSTEM\t\"77\"\t10   03/15/04 12:05 pm"},
      {test::Phrase(t, 107, "_PR_SYSTEM", "Amount", true), "Spanish Number\tSYSTEM\tAmount\t       "},
      {test::Phrase(t, 108, "_PR_SYSTEM", "Amount", true), "8\tSYSTEM\tAmount\t       "},
      // Direct kinds: no database, the phrase in the prompt column.
      {test::DirectPhrase(t, 32, "D:\\SPEECH\\HELLO.VOX"),
       "Full Path\t\t\"D:\\SPEECH\\HELLO.VOX\"\t512   12/31/99 11:59 pm"},
      {test::DirectPhrase(t, 33, "Good morning"), "Text to Speech\t\t\"Good morning\"\t    "},
      {test::DirectPhrase(t, 33, "Say this"), "Text to Speech\t\t\"Say this\"\t1   01/02/01 01:02 am"},
      {test::DirectPhrase(t, 35, "'Use Comment"), "Text to Speech Comment\t\t\"'Use Comment\"\t    "},
      // A referenced string variable shows its value; one without a value block its name.
      {test::DirectPhrase(t, 33, "_PR_USER", true), "Text to Speech\t\t\"C:\\VOX\\USER\\\"\t       "},
      {test::DirectPhrase(t, 33, "Amount", true), "Text to Speech\t\tAmount\t       "},
  };
  for (const Row& r : rows) EXPECT_EQ(Line(r.Component), r.Expected);
}

TEST_F(ComponentLines, AFolderVariableWithoutValueOrDatabaseName) {
  SymbolTable& t = program->Symbols();
  // A database variable that is none of the eleven: no database name, and the file is
  // looked for under its (empty) value.
  Symbol* other = nullptr;
  ASSERT_EQ(program->AddNamedSymbol(&other, "MyFolder", kTypeString, 48, 1, 0, false), 0);
  stamps.files["1005"] = {1, 0, 0};
  EXPECT_EQ(Line(test::Phrase(t, 0, "MyFolder", "1005")), "Recording\t\t\"1005\"\t1   00/00/80 12:00 am");
}

TEST(GeneratedComments, EveryKind) {
  test::MapIni ini;
  ini.Type(1, "Spanish Number", 7);
  test::ScopedUserTypes types(ini);
  const std::vector<std::pair<int, std::string>> rows = {
      {0, "<Play speech from Database \"USER\" in File \"1005\">"},
      {2, "<Play \"p\" as a Floating Point Number>"},
      {3, "<Play \"p\" as a Floating Point Number with 1 Decimal>"},
      {4, "<Play \"p\" as a Floating Point Number with 2 Decimals>"},
      {5, "<Play \"p\" as a Floating Point Number with 3 Decimals>"},
      {6, "<Play \"p\" as a Floating Point Number with 4 Decimals>"},
      {7, "<Play \"p\" as Digits>"},
      {8, "<Play \"p\" as Alpha-Numeric>"},
      {9, "<Play \"p\" as an Integer Number>"},
      {10, "<Play \"p\" as an Integer Number; (0 = 'No')>"},
      {11, "<Play \"p\" as Money>"},
      {12, "<Play Day of the Week from \"p\">"},
      {13, "<Play the Month from \"p\">"},
      {14, "<Play the Year from \"p\">"},
      {15, "<Play Day of the Month from \"p\">"},
      {16, "<Play the Time from \"p\">"},
      {32, "<Play speech from File \"p\">"},
      {33, "<Speak text from \"p\">"},
      {34, "<Speak text from Database \"USER\" in File \"1005\">"},
      {107, "<Play \"p\" as user defined type Spanish Number>"},
      {150, "<Play \"p\" as user defined type 50>"},
  };
  for (const auto& [kind, text] : rows) {
    const bool database = kind == 0 || kind == 34;
    EXPECT_EQ(GeneratedComment(kind, "USER", database ? "1005" : "p"), text) << kind;
  }
}

TEST(PathParts, OneBackslashWhereTheyMeet) {
  const std::vector<std::vector<std::string>> rows = {
      {"C:\\PROMPTS", "*.*", "C:\\PROMPTS\\*.*"},   {"C:\\PROMPTS\\", "*.*", "C:\\PROMPTS\\*.*"},
      {"C:\\PROMPTS", "\\*.*", "C:\\PROMPTS\\*.*"}, {"C:\\PROMPTS\\", "\\*.*", "C:\\PROMPTS\\*.*"},
      {"", "\\*.*", "\\*.*"},                       {"", "*.*", "\\*.*"},
      {"C:\\", "", "C:\\"},                         {"C:\\A\\\\", "\\B", "C:\\A\\\\B"}};
  for (const auto& r : rows) EXPECT_EQ(AppendPathPart(r[0], r[1]), r[2]) << r[0] << " + " << r[1];
}

}  // namespace
}  // namespace zeph
