// The C interface: output written whole or not at all, the error record kept across the
// reset, saturated positions, message texts cut to the caller's buffer.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "quay/quay.h"
#include "quay_fixture.h"

using namespace quaytest;

namespace {

class QuayApi : public ::testing::Test {
 protected:
  void SetUp() override {
    _InitCompiler(nullptr, nullptr);
    dir_ = std::filesystem::temp_directory_path() /
           ("quay_api_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
    include_ = DataPath("mini_inc.tsl");
    output_ = (dir_ / "Demo.run").string();
  }
  void TearDown() override {
    _InitCompiler(nullptr, nullptr);
    std::filesystem::remove_all(dir_);
  }
  int Compile(const std::string& script) {
    const char* paths[4] = {include_.c_str(), "Demo.tsl", "", ""};
    return _Compile(output_.c_str(), script.c_str(), paths, 0, 1, 1, 0);
  }
  std::filesystem::path dir_;
  std::string include_;
  std::string output_;
};

const char* Declarations(void* context) { return static_cast<const char*>(context); }

}  // namespace

TEST_F(QuayApi, GoodCompileWritesAReadableRunFileAndNoTemporary) {
  ASSERT_EQ(Compile(ReadText(DataPath("fixture.tsl"))), 0);
  const std::string bytes = ReadText(output_);
  quay::RunImage image;
  std::string reason;
  EXPECT_TRUE(quay::ReadRunImage(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), image, reason))
      << reason;
  EXPECT_FALSE(std::filesystem::exists(output_ + ".tmp"));
}

TEST_F(QuayApi, FailedCompileRemovesTheOldRunFileAndTheRecordSurvivesTheReset) {
  ASSERT_EQ(Compile(ReadText(DataPath("fixture.tsl"))), 0);
  ASSERT_TRUE(std::filesystem::exists(output_));
  const std::string bad = Replace(ReadText(DataPath("fixture.tsl")), "Add2(Counter, 1)", "Add2(Counter)");
  const int code = Compile(bad);
  ASSERT_EQ(code, quay::kErrArity);
  EXPECT_FALSE(std::filesystem::exists(output_));

  const char* none[2] = {"", nullptr};
  EXPECT_EQ(_Compile("NUL", "", none, 0, 1, 1, 0), 0);

  char file[QUAY_FILE_MAX];
  char section[QUAY_SECTION_MAX];
  std::uint16_t position = 0, line = 0;
  EXPECT_EQ(_GetErrorLocInfo(file, &position, section, &line), code);
  EXPECT_STREQ(file, "Demo.tsl");
  EXPECT_STREQ(section, "Calc");
  EXPECT_EQ(line, 2);
  char text[128];
  _UErrorMess(code, text, 128);
  EXPECT_STREQ(text, "Wrong number of arguments (Add2: 2 expected, 1 given)");
}

TEST_F(QuayApi, PositionsPastSixteenBitsSaturateAndTheTextCarriesTheLine) {
  std::string script = "funcdefs:\n\tinteger F()\nfunctions:\nF {\n";
  for (int i = 0; i < 70000; ++i) script += "    Error := 1\n";
  script += "    Bogus := 1\n}\n";
  const int code = Compile(script);
  ASSERT_EQ(code, quay::kErrUndefinedName);
  std::uint16_t position = 0, line = 0;
  _GetErrorLocInfo(nullptr, &position, nullptr, &line);
  EXPECT_EQ(position, 65535);
  EXPECT_EQ(line, 65535);
  char text[128];
  _UErrorMess(code, text, 128);
  EXPECT_STREQ(text, "Undefined name 'Bogus' (line 70005)");
}

TEST_F(QuayApi, MessageIsCutToTheBuffer) {
  const std::string longName(300, 'x');
  ASSERT_EQ(Compile("functions:\n" + longName + " {\n}\n"), quay::kErrNoPrototype);
  char text[128];
  std::memset(text, '#', sizeof text);
  EXPECT_EQ(_UErrorMess(quay::kErrNoPrototype, text, 128), 127);
  EXPECT_EQ(std::strlen(text), 127u);
  EXPECT_EQ(std::string(text).rfind("Body without prototype 'xxx", 0), 0u);
}

TEST_F(QuayApi, ProviderTextIsCompiledWithTheFiles) {
  static const char kDecls[] = "variables:\n\tinteger FromProgram\n";
  const std::string script =
      "funcdefs:\n\tinteger F()\nfunctions:\nF {\n    FromProgram := 2\n}\n";
  EXPECT_EQ(Compile(script), quay::kErrUndefinedName);
  _InitCompiler(&Declarations, const_cast<char*>(kDecls));
  EXPECT_EQ(Compile(script), 0);
}
