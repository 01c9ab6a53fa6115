// The prompt database folders (defaults, set-up from the variables, the closing "\" at
// Done with its refusal, the store) and the description files of a prompt folder (both
// listing passes, reading, writing and deleting, Done's result).
#include "editors/sentences/descriptions.h"
#include "editors/sentences/promptpaths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "foundation/kvfsys.h"
#include "../../model/tests/modeltest_util.h"
#include "sentencetest_util.h"
#include "../../programfile/tests/scratch_folder.h"

namespace zeph {
namespace {

TEST(PromptFolders, DefaultsLoadAndStore) {
  InitPromptPathDefaults();
  PromptPaths& paths = PromptPathBuffer();
  EXPECT_EQ(paths[0], "\\VLX\\VOICE\\");
  EXPECT_EQ(paths[1], "\\VLX\\UVOICE\\");
  for (int i = 2; i < 11; ++i) EXPECT_EQ(paths[static_cast<std::size_t>(i)], "\\VLX\\PRMT\\") << i;

  test::CurrentTable ct;
  SymbolTable& t = ct.table;
  // Only SYSTEM and DATABASE9 exist: the other slots keep what they held.
  Symbol* system = test::AddVariable(t, "_PR_SYSTEM", kTypeString, 0, 48);
  system->Data = std::make_unique<ValueBlockData>(48);
  test::SetVariableText(system, "C:\\PROMPTS\\");
  Symbol* last = test::AddVariable(t, "_PR_DATABASE9", kTypeString, 0, 48);
  last->Data = std::make_unique<ValueBlockData>(48);
  PromptPaths loaded = paths;
  LoadPromptPaths(loaded, t);
  EXPECT_EQ(loaded[0], "C:\\PROMPTS\\");
  EXPECT_EQ(loaded[1], "\\VLX\\UVOICE\\");
  EXPECT_EQ(loaded[10], "");

  loaded[0] = "D:\\NEW\\";
  loaded[10] = std::string(60, 'x');
  StorePromptPaths(loaded, t);
  EXPECT_EQ(VariableText(system).value_or("?"), "D:\\NEW\\");
  EXPECT_EQ(VariableText(last).value_or("?"), std::string(47, 'x'));
}

TEST(PromptFolders, ClosingBackslash) {
  const std::vector<std::pair<std::string, std::string>> rows = {
      {"C:\\PROMPTS", "C:\\PROMPTS\\"}, {"C:\\PROMPTS\\", "C:\\PROMPTS\\"}, {"", ""},
      {std::string(46, 'a'), std::string(46, 'a') + "\\"}, {std::string(46, 'a') + "\\", std::string(46, 'a') + "\\"}};
  for (const auto& [in, out] : rows) {
    std::string text = in;
    EXPECT_TRUE(CloseFolderText(text)) << in;
    EXPECT_EQ(text, out);
  }
  std::string full(47, 'a');
  EXPECT_FALSE(CloseFolderText(full));
  EXPECT_EQ(full, std::string(47, 'a'));
}

class DescriptionFiles : public ::testing::Test {
 protected:
  DescriptionFiles() {
    std::filesystem::create_directories(root / "P");
    files.MapDrive('Q', root);
    KvSetFileSystem(&files);
  }
  ~DescriptionFiles() override { KvSetFileSystem(nullptr); }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(root / "P" / name, std::ios::binary) << text;
  }
  std::vector<std::string> Lines() {
    std::vector<std::string> out;
    for (const DescribedFile& f : DescribedFiles("Q:\\P", ".DSC", 501)) out.push_back(f.Name + "\t" + f.Description);
    return out;
  }
  // Its own folder: parallel test processes can share the fixture's address.
  test::ScratchFolder root{"descriptions_"};
  KvPortableFileSystem files;
};

TEST_F(DescriptionFiles, BothPassesGiveOneLinePerFile) {
  Write("100", "voice");
  Write("100.DSC", "Welcome\r\nsecond line");
  Write("200.dsc", "Only a description");
  Write("300.VOX", "voice");
  Write("300.DSC", "Three");
  Write("400", "no description");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"100\tWelcome", "300.VOX\tThree", "400\t", "200\tOnly a description",
                                               "300\tThree"}));
}

TEST_F(DescriptionFiles, WriteReadAndDelete) {
  const std::string path = DescriptionPath("Q:\\P", "123.VOX", ".DSC");
  EXPECT_EQ(path, "Q:\\P\\123.DSC");
  EXPECT_EQ(DescriptionPath("Q:\\P", "123", ".DSC"), path);
  EXPECT_EQ(ReadDescriptionText(path, 501), "");
  ASSERT_TRUE(WriteDescriptionText(path, "Hello there"));
  EXPECT_EQ(ReadDescriptionText(path, 501), "Hello there");
  EXPECT_EQ(ReadDescriptionText(path, 5), "Hello");
  ASSERT_TRUE(WriteDescriptionText(path, ""));
  EXPECT_FALSE(std::filesystem::exists(root / "P" / "123.DSC"));
  EXPECT_FALSE(WriteDescriptionText("Q:\\MISSING\\1.DSC", "text"));
}

TEST(DescriptionResults, SoftBreaksAndSize) {
  EXPECT_EQ(DescriptionResult("100", "one\r\r\ntwo\r\nthree", 502), "100\tone \r\ntwo\r\nthree");
  EXPECT_EQ(DescriptionResult("100", "abcdef", 8), "100\tabc");
  EXPECT_EQ(DescriptionResult("100", "", 502), "100\t");
}

}  // namespace
}  // namespace zeph
