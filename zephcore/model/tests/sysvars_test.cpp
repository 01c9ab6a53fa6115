#include "model/sysvars.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "modeltest_util.h"

namespace zeph {
namespace {

void SetEnv(const char* name, const char* value) {
#ifdef _WIN32
  _putenv_s(name, value ? value : "");
#else
  if (value) setenv(name, value, 1);
  else unsetenv(name);
#endif
}

// Sets "VLX" for one test and restores it.
class ScopedVlx {
 public:
  explicit ScopedVlx(const char* value) {
    const char* old = std::getenv("VLX");
    had_ = old != nullptr && old[0] != 0;
    if (had_) old_ = old;
    SetEnv("VLX", value);
  }
  ~ScopedVlx() { SetEnv("VLX", had_ ? old_.c_str() : nullptr); }

 private:
  bool had_ = false;
  std::string old_;
};

struct Expected {
  const char* name;
  int type;
  int size;
  int notInCode;
  int dataSize;  // 0 = no data record
};

const Expected kOrder[kSystemVariableCount] = {
    {"Error", 2, 1, 1, 0}, {"Done", 2, 1, 1, 0}, {"LastConf", 2, 1, 1, 0}, {"VRIndex", 2, 1, 1, 0},
    {"GotFile", 2, 1, 1, 0}, {"TermSilence", 2, 1, 1, 0}, {"RecLength", 3, 1, 1, 0}, {"RecTime", 3, 1, 1, 0},
    {"SaveErr", 2, 1, 1, 0}, {"MsgsHeard", 2, 1, 1, 0}, {"Line", 2, 1, 1, 0}, {"Time", 19, 1, 1, 0},
    {"TermKey", 6, 2, 1, 0}, {"VRDigString", 6, 64, 1, 0}, {"VRSpellString", 6, 64, 1, 0},
    {"CallState", 3, 1, 1, 0}, {"CurBody", 59, 1, 0, 22}, {"CurMessage", 60, 1, 0, 699},
    {"CurMailbox", 61, 1, 0, 293}, {"DefPlayParm", 42, 1, 0, 18}, {"DefPlayKParm", 57, 1, 0, 58},
    {"DefKEntryParm", 9, 1, 0, 38}, {"DefSEntryParm", 10, 1, 0, 16}, {"DefSMenuParm", 24, 1, 0, 18},
    {"DefPlaySParm", 58, 1, 0, 24}, {"CurAddress", 55, 1, 0, 1519}, {"DefOEntryParm", 11, 1, 0, 0},
    {"DefOMenuParm", 25, 1, 0, 0}, {"DefKMenuParm", 23, 1, 0, 0}, {"DefFaxSessInfo", 26, 1, 0, 41},
    {"DefSRResult", 27, 1, 0, 228}, {"DefAddrFParm", 56, 1, 0, 30}, {"DefToneParm", 54, 1, 0, 18},
    {"DefRecVoiceParm", 50, 1, 0, 40}, {"LangPlayed", 2, 1, 1, 0}, {"KeyPressed", 53, 1, 1, 0},
    {"_PR_SYSTEM", 6, 48, 0, 48}, {"_PR_USER", 6, 48, 0, 48}, {"_PR_DATABASE1", 6, 48, 0, 48},
    {"_PR_DATABASE2", 6, 48, 0, 48}, {"_PR_DATABASE3", 6, 48, 0, 48}, {"_PR_DATABASE4", 6, 48, 0, 48},
    {"_PR_DATABASE5", 6, 48, 0, 48}, {"_PR_DATABASE6", 6, 48, 0, 48}, {"_PR_DATABASE7", 6, 48, 0, 48},
    {"_PR_DATABASE8", 6, 48, 0, 48}, {"_PR_DATABASE9", 6, 48, 0, 48}, {"TTSError", 2, 1, 1, 0},
};

const unsigned char* Record(Symbol* s) {
  auto* block = dynamic_cast<ValueBlockData*>(s->Data.get());
  return block ? block->Bytes() : nullptr;
}

std::int32_t Field(Symbol* s, int offset, int bytes) {
  const unsigned char* p = Record(s) + offset;
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
  if (bytes == 2) return static_cast<std::int16_t>(v);
  return static_cast<std::int32_t>(v);
}

class SystemVariables : public ::testing::Test {
 protected:
  test::CurrentTable ct;
  SymbolTable& t = ct.table;
};

TEST_F(SystemVariables, AllFortyEightWithTheirAttributes) {
  ASSERT_EQ(SetupSystemVariables(&t), 0);
  for (const Expected& e : kOrder) {
    Symbol* s = LookupSymbol(e.name, e.type, &t);
    ASSERT_NE(s, nullptr) << e.name;
    EXPECT_EQ(s->Size, e.size) << e.name;
    EXPECT_EQ(s->NotInCode, e.notInCode) << e.name;
    EXPECT_EQ(s->CanDelete, 0) << e.name;
    EXPECT_EQ(s->Scope, 0);
    EXPECT_EQ(s->ArraySize, 0);
    EXPECT_EQ(s->Invisible, std::strncmp(e.name, "_PR_", 4) == 0 ? 1 : 0) << e.name;
    EXPECT_EQ(s->IsStructType, IsRecordTypeCode(e.type) ? 1 : 0) << e.name;
    auto* block = dynamic_cast<ValueBlockData*>(s->Data.get());
    EXPECT_EQ(block ? static_cast<int>(block->Size()) : 0, e.dataSize) << e.name;
  }
}

TEST_F(SystemVariables, CreatedInTheListedOrder) {
  // The shape of a tree depends on the order of its inserts; build the expected tree of
  // the smallinteger variables in the listed order and compare.
  ASSERT_EQ(SetupSystemVariables(&t), 0);
  Symbol* expected = nullptr;
  for (const Expected& e : kOrder) {
    if (e.type != kTypeSmallInteger) continue;
    Symbol* n = SymTreeNewNode();
    std::strcpy(n->Name, e.name);
    SymTreeInsert(&expected, n);
  }
  EXPECT_EQ(test::PostOrder(*t.TreeSlot(kTypeSmallInteger)), test::PostOrder(expected));
  SymTreeFreeAll(&expected, nullptr);
  Symbol* strings = nullptr;
  for (const Expected& e : kOrder) {
    if (e.type != kTypeString) continue;
    Symbol* n = SymTreeNewNode();
    std::strcpy(n->Name, e.name);
    SymTreeInsert(&strings, n);
  }
  EXPECT_EQ(test::PostOrder(*t.TreeSlot(kTypeString)), test::PostOrder(strings));
  SymTreeFreeAll(&strings, nullptr);
}

TEST_F(SystemVariables, DefaultRecords) {
  ASSERT_EQ(SetupSystemVariables(&t), 0);
  Symbol* body = LookupSymbol("CurBody", kTypeBodyStruct, &t);
  EXPECT_EQ(Field(body, 12, 2), 1);  // Level
  EXPECT_EQ(Field(body, 0, 4), 0);
  Symbol* play = LookupSymbol("DefPlayParm", kTypePlayParms, &t);
  EXPECT_EQ(Field(play, 0, 4), 10000);
  EXPECT_EQ(Field(play, 4, 4), 10000);
  EXPECT_EQ(Field(play, 8, 4), 2000);
  EXPECT_EQ(Field(play, 12, 4), 2000);
  Symbol* playK = LookupSymbol("DefPlayKParm", kTypePlayKParms, &t);
  EXPECT_EQ(Field(playK, 0, 4), -1);
  EXPECT_EQ(Field(playK, 32, 2), 1);
  EXPECT_EQ(Field(LookupSymbol("DefKEntryParm", kTypeEntryK, &t), 0, 4), -1);
  Symbol* tone = LookupSymbol("DefToneParm", kTypeToneParms, &t);
  EXPECT_EQ(Field(tone, 2, 4), -2049);
  EXPECT_EQ(Field(tone, 10, 4), 2048);
  Symbol* rec = LookupSymbol("DefRecVoiceParm", kTypeRecordVoiceParms, &t);
  EXPECT_EQ(Field(rec, 0, 4), -1);
  EXPECT_EQ(Field(rec, 12, 2), 1);
  EXPECT_EQ(Field(rec, 22, 4), 2000);
  EXPECT_EQ(Field(rec, 28, 4), 60000);
  EXPECT_EQ(Field(rec, 34, 4), 0);
  Symbol* addr = LookupSymbol("DefAddrFParm", kTypeAddrFParm, &t);
  for (int at = 0; at < 30; at += 2) EXPECT_EQ(Field(addr, at, 2), 1) << at;
  const unsigned char* msg = Record(LookupSymbol("CurMessage", kTypeMsgStruct, &t));
  for (int i = 0; i < 699; ++i) ASSERT_EQ(msg[i], 0);
}

TEST_F(SystemVariables, FolderVariablesFollowVlx) {
  ScopedVlx vlx("D:\\MEDIA");
  ASSERT_EQ(SetupSystemVariables(&t), 0);
  auto text = [&](const char* name) {
    return std::string(reinterpret_cast<const char*>(Record(LookupSymbol(name, kTypeString, &t))));
  };
  EXPECT_EQ(text("_PR_SYSTEM"), "D:\\MEDIA\\VOICE\\");
  EXPECT_EQ(text("_PR_USER"), "D:\\MEDIA\\UVOICE\\");
  EXPECT_EQ(text("_PR_DATABASE9"), "D:\\MEDIA\\PRMT\\");
}

TEST_F(SystemVariables, FolderTextsAreBoundedByTheirRecord) {
  std::string longRoot(60, 'R');
  ScopedVlx vlx(longRoot.c_str());
  ASSERT_EQ(SetupSystemVariables(&t), 0);
  const unsigned char* rec = Record(LookupSymbol("_PR_USER", kTypeString, &t));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(rec)), std::string(47, 'R'));
}

TEST_F(SystemVariables, DefaultRootWithoutVlx) {
  ScopedVlx vlx(nullptr);
  EXPECT_EQ(SystemFolderRoot(), "\\VLX");
}

TEST_F(SystemVariables, SecondRunChangesNothing) {
  ASSERT_EQ(SetupSystemVariables(&t), 0);
  std::string before;
  for (int code = 0; code < kBuiltinTypeCount; ++code) before += test::PostOrder(*t.TreeSlot(code)) + "|";
  Symbol* error = LookupSymbol("Error", kTypeSmallInteger, &t);
  const SymbolData* data = LookupSymbol("CurBody", kTypeBodyStruct, &t)->Data.get();
  ASSERT_EQ(SetupSystemVariables(&t), 0);
  std::string after;
  for (int code = 0; code < kBuiltinTypeCount; ++code) after += test::PostOrder(*t.TreeSlot(code)) + "|";
  EXPECT_EQ(before, after);
  EXPECT_EQ(LookupSymbol("Error", kTypeSmallInteger, &t), error);
  EXPECT_EQ(LookupSymbol("CurBody", kTypeBodyStruct, &t)->Data.get(), data);
}

TEST_F(SystemVariables, WorksOnTheProgramItIsGiven) {
  SymbolTable other;
  ASSERT_EQ(CurrentSymbolTable(), &t);
  ASSERT_EQ(SetupSystemVariables(&other), 0);
  EXPECT_NE(LookupSymbol("TTSError", kTypeSmallInteger, &other), nullptr);
  EXPECT_EQ(LookupSymbol("TTSError", kTypeSmallInteger, &t), nullptr);
}

TEST_F(SystemVariables, OlderProgramsGainMissingAndKeepTheirOwn) {
  Symbol* vrIndex = test::AddVariable(t, "VRIndex", kTypeSmallInteger);
  Symbol* line = test::AddVariable(t, "Line", kTypeInteger);
  Symbol* defMail = test::AddVariable(t, "DefMail", kTypeMailEx);
  defMail->CanDelete = 0;
  ASSERT_EQ(SetupSystemVariables(&t), 0);
  EXPECT_EQ(vrIndex->NotInCode, 1);  // marked
  EXPECT_EQ(vrIndex->CanDelete, 1);
  EXPECT_EQ(LookupSymbol("Line", kTypeSmallInteger, &t), nullptr);  // the name was not free
  EXPECT_EQ(LookupSymbol("Line", kTypeInteger, &t), line);
  EXPECT_EQ(line->NotInCode, 0);
  EXPECT_EQ(LookupSymbol("DefMail", kTypeMailEx, &t), nullptr);      // retired
  EXPECT_NE(LookupSymbol("TTSError", kTypeSmallInteger, &t), nullptr);
}

}  // namespace
}  // namespace zeph
