// Files in the older form, which kept only the version, the symbols and the blocks: they
// read without a question, and what they left out is added.
#include <gtest/gtest.h>

#include "edfile_testutil.h"

#include <cstring>

#include "foundation/kvlserr.h"
#include "model/custompb.h"
#include "model/pbentry_instance.h"
#include "model/program/faxeditors.h"
#include "model/superblk.h"
#include "model/symtable.h"

namespace zeph::test {
namespace {

// The same file in the older form: without the later sections and without the value
// lines after symbol records.
std::string OlderForm(const std::string& text) {
  std::istringstream in(text);
  std::string out;
  std::string line;
  std::string skipUntil;
  bool inSymbols = false;
  bool dropValues = false;
  const std::pair<const char*, const char*> later[] = {
      {"{Structures}", "{EndofStructures}"},   {"{CustomVavurorezos}", "{EndOfCustomVavurorezos}"},
      {"{DLLs}", "{EndOfDLLs}"},               {"{DiskDefaults}", "{EndofDiskDefaults}"},
      {"{VerifyTables}", "{EndofVerifyTables}"}};
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!skipUntil.empty()) {
      if (line == skipUntil) skipUntil.clear();
      continue;
    }
    bool skip = false;
    for (const auto& [begin, end] : later) {
      if (line == begin) {
        skipUntil = end;
        skip = true;
      }
    }
    if (skip) continue;
    if (line == "{Symbols}") inSymbols = true;
    if (line == "{EndofSymbols}") inSymbols = false;
    if (inSymbols && line.rfind("[0,", 0) == 0) {
      // [0,Name,Size,Type,...
      std::size_t at = 0;
      for (int comma = 0; comma < 3; ++comma) at = line.find(',', at) + 1;
      const int type = std::atoi(line.c_str() + at);
      dropValues = type != kTypeVoiceSentence && type != kTypeResPerm;
    } else if (inSymbols && dropValues && line.rfind("<", 0) == 0) {
      continue;
    } else if (inSymbols) {
      dropValues = false;
    }
    out += line + "\r\n";
  }
  return out;
}

class PartsForm : public EdFileTest {
 protected:
  std::unique_ptr<TProgram> Older() {
    auto p = NewProgram();
    TProgram::DisableSymbolPageCheck all(*p);
    Symbol* main = nullptr;
    Symbol* billing = nullptr;
    EXPECT_EQ(p->AddNamedSymbol(&main, "Main", kTypeSuperBlock, 1, 1, 0, false), 0);
    EXPECT_EQ(p->AddNamedSymbol(&billing, "Billing", kTypeSuperBlock, 1, 1, 0, false, 1), 0);
    Symbol* fax = nullptr;
    EXPECT_EQ(p->AddNamedSymbol(&fax, "Cover", kTypeFaxDocument, 1, 1, 0, false), 0);
    fax->Scope = 2;
    fax->Data = std::make_unique<FaxEditorData>();
    EXPECT_EQ(CustomPBAdd(p->CustomVavurOrezos(), "MyCode", &p->Symbols()), 0);
    int userError = 0;
    p->SetCurrentPage(main);
    EXPECT_NE(p->AddVavurOrezo(kPBTypeCustom, "Hook", "MyCode", &userError), nullptr);
    EXPECT_NE(p->AddVavurOrezo(kPBTypeCustom, "Hook2", "MyCode", &userError), nullptr);
    p->SetCurrentPage(billing);
    EXPECT_NE(p->AddVavurOrezo(181, "Done", "", &userError), nullptr);
    p->SetCurrentPage(main);
    return p;
  }
};

TEST_F(PartsForm, LoadsWithoutQuestionsAndIsCompleted) {
  auto original = Older();
  const std::string older = OlderForm(Save(*original));
  ASSERT_EQ(older.find("{CustomVavurorezos}"), std::string::npos);
  ASSERT_EQ(older.find("\r\n<\\VLX"), std::string::npos);   // no folder values

  auto copy = NewProgram();
  presenter.Clear();
  const int reports = KvLoadSaveErrorReportCount();
  ASSERT_EQ(Load(*copy, older, kKvLoadSaveLogAndStop), 0);
  EXPECT_EQ(KvLoadSaveErrorReportCount(), reports);
  EXPECT_TRUE(presenter.Boxes().empty()) << presenter.Boxes().front().text;

  SymbolTable& t = copy->Symbols();
  TProgram::DisableSymbolPageCheck all(*copy);
  EXPECT_EQ(copy->VavurOrezoCount, 3);
  CustomPBEntry* custom = CustomPBFind(copy->CustomVavurOrezos(), "MyCode");
  ASSERT_NE(custom, nullptr);
  EXPECT_EQ(custom->RefCount, 2);
  Symbol* billing = LookupSymbol("Billing", kTypeSuperBlock, &t);
  ASSERT_NE(billing, nullptr);
  const PBFieldDef* table = SBInterfaceTable(billing, &t).Table();
  ASSERT_NE(table, nullptr);
  EXPECT_STREQ(table[0].Name, "Done");
  EXPECT_TRUE(table[0].IsGoto());
  // System variables get a new program's values; a fax item a zeroed record.
  Symbol* folder = LookupSymbol("_PR_USER", kTypeString, &t);
  ASSERT_NE(folder, nullptr);
  auto* block = dynamic_cast<ValueBlockData*>(folder->Data.get());
  ASSERT_NE(block, nullptr);
  EXPECT_NE(std::strstr(reinterpret_cast<const char*>(block->Bytes()), "UVOICE"), nullptr);
  Symbol* fax = LookupSymbol("Cover", kTypeFaxDocument, &t);
  ASSERT_NE(fax, nullptr);
  EXPECT_NE(dynamic_cast<FaxEditorData*>(fax->Data.get()), nullptr);

  // Saved again, the blocks are written as the program first wrote them.
  const std::string first = Save(*original);
  const std::string again = Save(*copy);
  EXPECT_TRUE(SameLines(first.substr(first.find("{VavurOrezos}")), again.substr(again.find("{VavurOrezos}"))));
}

TEST_F(PartsForm, OldNamesAndTypesAreMigrated) {
  const std::string text =
      "{VERSION}\r\n[VLXV3.05,]\r\n{EndofVersion}\r\n{Symbols}\r\n"
      "[0,DefAddrParm,1,55,1,0,0,2,1,0,0,0,0,]\r\n"     // no IsConst before level 4
      "[0,CallState,1,2,0,0,0,0,1,0,0,0,0,]\r\n"
      "[0,DefAddrFParm,1,56,0,0,0,0,1,0,0,0,0,]\r\n"
      "{EndofSymbols}\r\n{VavurOrezos}\r\n{EndofVavurOrezos}\r\n";
  auto p = NewProgram();
  ASSERT_EQ(Load(*p, text, kKvLoadSaveLogAndStop), 0);
  SymbolTable& t = p->Symbols();
  EXPECT_EQ(LookupSymbol("DefAddrParm", kTypeAddrParms, &t), nullptr);
  Symbol* renamed = LookupSymbol("NewAddress", kTypeAddrParms, &t);
  ASSERT_NE(renamed, nullptr);
  EXPECT_EQ(renamed->CanDelete, 1);
  EXPECT_EQ(renamed->NotInCode, 0);
  EXPECT_EQ(renamed->RefCnt, 2);   // its uses still count
  EXPECT_NE(LookupSymbol("CallState", kTypeInteger, &t), nullptr);
  Symbol* fparm = LookupSymbol("DefAddrFParm", kTypeAddrFParm, &t);
  ASSERT_NE(fparm, nullptr);
  EXPECT_EQ(fparm->IsStructType, 1);
  EXPECT_EQ(fparm->NotInCode, 0);
}

}  // namespace
}  // namespace zeph::test
