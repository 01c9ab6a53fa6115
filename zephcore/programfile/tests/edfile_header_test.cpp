// The version section: the label and layout version written for each server, and how a
// header decides whether and how a file is read.
#include <gtest/gtest.h>

#include "edfile_testutil.h"

#include <cstdio>
#include <cstdlib>

#include "foundation/kvlserr.h"
#include "model/defset.h"
#include "model/formatlevels.h"
#include "model/pbcat.h"
#include "model/pbaccess.h"
#include "programfile/edfile/edfile.h"
#include "programfile/edfile/edfile_blocks.h"
#include "programfile/edfile/edfile_header.h"

namespace zeph::test {
namespace {

class Header : public EdFileTest {
 protected:
  ~Header() override {
    RestoreRegisteredDefinitions(TheCatalogue());
    ResetDefinitionSet();
  }
  // A program of one variable with a value, one page and one block.
  std::unique_ptr<TProgram> Small() {
    auto p = NewProgram();
    p->Reset();
    Symbol* page = nullptr;
    EXPECT_EQ(p->AddNamedSymbol(&page, "Main", kTypeSuperBlock, 1, 1, 0, false), 0);
    Symbol* count = nullptr;
    EXPECT_EQ(p->AddNamedSymbol(&count, "Count", kTypeInteger, 1, 1, 0, false), 0);
    auto value = std::make_unique<ValueBlockData>(4);
    value->Bytes()[0] = 5;
    count->Data = std::move(value);
    p->SetCurrentPage(page);
    int userError = 0;
    PBInstance* wait = p->AddVavurOrezo(134, "Wait", "", &userError);
    EXPECT_NE(wait, nullptr);
    wait->X = 40;
    wait->Y = 60;
    PBFieldAccessor(wait, 0, nullptr, 0, &p->Symbols()).ExecuteChangeTables();
    RecomputeInstanceState(*wait, p->Symbols());
    return p;
  }
  int ReadHeader(const std::string& text, double* version = nullptr) {
    auto p = NewProgram();
    const int rc = Load(*p, text, kKvLoadSaveLogAndStop);
    if (version != nullptr) *version = p->FileVersion;
    return rc;
  }
};

const char* const kSmallBody =
    "{Symbols}\r\n"
    "[0,Count,1,3,0,0,1,0,0,0,1,0,0,0,]\r\n"
    "<5,>\r\n"
    "[0,Wait,1,34,0,0,0,0,0,0,1,0,0,0,]\r\n"
    "[0,Main,1,41,0,0,1,0,0,0,1,0,0,0,]\r\n"
    "<0,0,>\r\n"
    "{EndofSymbols}\r\n"
    "{VavurOrezos}\r\n"
    "[Wait,134,0,40,60,0,0,0,0,,0,0,0,0,]\r\n"
    "(0,0,0,0,0,0,0,0,0,0,0,0,)\r\n"
    "<2,0,1,3,0,0,,>\r\n"
    "<1000,>\r\n"
    "<2,0,0,0,0,0,,>\r\n"
    "(0,0,0,0,0,0,)\r\n"
    "{EndofVavurOrezos}\r\n";

TEST_F(Header, ASmallProgramIsWrittenLineForLine) {
  const struct {
    const char* server;      // null: the current definitions
    const char* versionLine;
  } cases[] = {
      {nullptr, "[VLXV8.03,]"},
      {"1.07", "[VLXV6.07,]VLXV8.03"},
      {"1.06", "[VLXV5.06,]VLXV8.03"},
      {"1.0", "[VLXV5.06,]VLXV8.03"},
  };
  for (const auto& c : cases) {
    RestoreRegisteredDefinitions(TheCatalogue());
    ResetDefinitionSet();
    if (c.server != nullptr) UpdateVavurOrezoDefinitions(c.server);
    auto p = Small();
    EXPECT_TRUE(SameLines(std::string("{VERSION}\r\n") + c.versionLine + "\r\n{EndofVersion}\r\n" + kSmallBody, Save(*p)))
        << (c.server ? c.server : "current");
  }
}

// A file saved for an older server keeps current records: read back, nothing is
// converted, and the program is the one saved.
TEST_F(Header, AFileForAnOlderServerReadsAsTheLayoutItCarries) {
  UpdateVavurOrezoDefinitions("1.07");
  auto p = Small();
  const std::string text = Save(*p);
  RestoreRegisteredDefinitions(TheCatalogue());
  ResetDefinitionSet();
  auto copy = NewProgram();
  ASSERT_EQ(Load(*copy, text), 0);
  EXPECT_DOUBLE_EQ(copy->FileVersion, 8.03);
  EXPECT_EQ(CurrentFileFormatLevels().ParmRecordLevel, 15);
  EXPECT_TRUE(SameLines(DumpProgram(*p), DumpProgram(*copy)));
}

TEST_F(Header, VersionTexts) {
  const struct {
    double version;
    const char* text;
  } cases[] = {{0, "VLXV8.03"}, {1.0, "VLXV5.06"}, {5.06, "VLXV5.06"}, {5.07, "VLXV6.07"},
               {6.07, "VLXV6.07"}, {8.03, "VLXV8.03"}, {8.5, "VLXV8.03"}};
  for (const auto& c : cases) EXPECT_STREQ(VersionToText(c.version), c.text) << c.version;
  EXPECT_DOUBLE_EQ(VersionOfText("VLXV2.0A"), 2.001);
  EXPECT_DOUBLE_EQ(VersionOfText("VLXV4.08"), 4.08);
  EXPECT_DOUBLE_EQ(VersionOfText("VLXVabc"), 0);
}

TEST_F(Header, WhichHeadersAreRead) {
  const std::string tail = "{Symbols}\r\n{EndofSymbols}\r\n{VavurOrezos}\r\n{EndofVavurOrezos}\r\n";
  const struct {
    const char* header;
    int rc;
    double version;
  } cases[] = {
      {"{FileHeader}\r\n[x,]\r\n{EndofFileHeader}\r\n{VERSION}\r\n[VLXV8.03,]\r\n{EndofVersion}\r\n", 0, 8.03},
      {"{VERSION}\n[VLXV2.0A,]\n{EndofVersion}\n", 0, 2.001},
      {"{VERSION}\r\n[VLXV4.01,]\r\n{EndofVersion}\r\n", 0, 4.01},
      {"{VERSION}\r\n[VLXV8.04,]\r\n{EndofVersion}\r\n", -169, 8.04},
      {"{VERSION}\r\n[ABCD8.00,]\r\n{EndofVersion}\r\n", -169, 8.0},
      {"{VERSION}\r\n[VLXV6.07,]VLXV8.04\r\n{EndofVersion}\r\n", -169, 8.04},
  };
  for (const auto& c : cases) {
    double version = -1;
    EXPECT_EQ(ReadHeader(std::string(c.header) + tail, &version), c.rc) << c.header;
    EXPECT_DOUBLE_EQ(version, c.version) << c.header;
  }
}

// An unreadable header: stopping ends the read; going on reads the rest as a file of the
// current layout. A stream without any header is such a header too, and never waited on.
TEST_F(Header, AnUnreadableHeaderIsReported) {
  const std::string body = "{Symbols}\r\n[0,Count,1,3,0,0,1,0,0,0,0,0,0,0,]\r\n{EndofSymbols}\r\n"
                           "{VavurOrezos}\r\n{EndofVavurOrezos}\r\n";
  const std::string bad = "{VERSION}\r\n[VLXV8.03\r\n{EndofVersion}\r\n" + body;
  auto p = NewProgram();
  EXPECT_EQ(Load(*p, bad, kKvLoadSaveLogAndStop), kKvLoadSaveUserStopped);
  SetFileFormatLevels(1.0);
  EXPECT_EQ(Load(*p, bad, kKvLoadSaveLogAndContinue), 0);
  EXPECT_DOUBLE_EQ(p->FileVersion, 8.03);
  EXPECT_EQ(CurrentFileFormatLevels().SymbolRecordLevel, 4);
  EXPECT_NE(LookupSymbol("Count", kTypeInteger, &p->Symbols()), nullptr);

  EXPECT_EQ(Load(*p, "no header at all\r\n", kKvLoadSaveLogAndStop), kKvLoadSaveUserStopped);
  EXPECT_EQ(Load(*p, "", kKvLoadSaveLogAndContinue), -158);
}

TEST_F(Header, WithoutAFileOrStreamNothingIsWrittenOrRead) {
  auto p = NewProgram();
  EXPECT_EQ(DiskWriteProgram(*p, nullptr, 1), -156);
  std::stringstream in("{VERSION}\r\n[VLXV8.03,]\r\n");
  EXPECT_EQ(DiskReadProgram(*p, nullptr, &in, 1), -158);
}

}  // namespace
}  // namespace zeph::test
