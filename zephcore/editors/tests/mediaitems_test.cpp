// Voice files and fax items: ID checks, names, list lines, description files written,
// replaced and deleted, and the delete refusal of a used item.
#include "editors/media/mediaitems.h"
#include "editors/media/mediafield.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "foundation/kvfsys.h"
#include "foundation/kvreg.h"
#include "foundation/kvvif.h"
#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/pbaccess_msgtext.h"
#include "reporttest_util.h"

namespace fs = std::filesystem;

namespace zeph {
namespace {

class MediaItems : public test::ReportProgram {
 protected:
  MediaItems() {
    static std::atomic<int> counter{0};
    root = fs::temp_directory_path() /
           ("media-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" +
            std::to_string(counter++));
    for (const char* sub : {"Voice", "Fax"}) fs::create_directories(root / "Progs" / sub);
    saved = fs::current_path();
    files.MapDrive('C', root);
    KvSetFileSystem(&files);
    registry.Set(kKvProductKey, "ProgDir", "C:\\Progs\\");
    KvSetRegistry(&registry);
  }
  ~MediaItems() override {
    fs::current_path(saved);
    KvSetRegistry(nullptr);
    KvSetFileSystem(nullptr);
    std::error_code ec;
    fs::remove_all(root, ec);
  }
  std::string Host(const char* folder, const char* file) {
    std::ifstream in(root / "Progs" / folder / file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path root;
  fs::path saved;
  KvPortableFileSystem files;
  KvMemoryRegistry registry;
};

TEST_F(MediaItems, IdChecks) {
  const struct {
    const char* id;
    MediaKind kind;
    const char* name;
    const char* message;
  } cases[] = {
      {"0042", MediaKind::Voice, "v0042", ""},
      {"'17", MediaKind::Fax, "f17", ""},
      {"", MediaKind::Voice, "", "ID must not be blank."},
      {"12a", MediaKind::Voice, "", "ID must be numeric."},
      {"'", MediaKind::Voice, "", "ID must be numeric."},
      {"-5", MediaKind::Fax, "", "ID must be numeric."},
  };
  for (const auto& c : cases) {
    const MediaIdCheck check = CheckMediaId(c.id, c.kind, true, *program);
    EXPECT_EQ(check.Ok, std::string(c.message).empty()) << c.id;
    EXPECT_EQ(check.Name, c.name) << c.id;
    EXPECT_EQ(check.Message, c.message) << c.id;
  }
  // A taken name is refused only when creating.
  std::string message;
  ASSERT_NE(CreateMediaItem(*program, "v0042", "Welcome", message), nullptr);
  const MediaIdCheck taken = CheckMediaId("0042", MediaKind::Voice, true, *program);
  EXPECT_FALSE(taken.Ok);
  EXPECT_FALSE(taken.Message.empty());
  EXPECT_TRUE(CheckMediaId("0042", MediaKind::Voice, false, *program).Ok);
}

TEST_F(MediaItems, CreateListUpdateAndDelete) {
  std::string message;
  Symbol* voice = CreateMediaItem(*program, "v0042", "Welcome greeting", message);
  ASSERT_NE(voice, nullptr);
  EXPECT_EQ(message, "");
  EXPECT_EQ(voice->Type, kTypeVoiceSentence);
  EXPECT_EQ(Host("Voice", "v0042.dsc"), std::string("Welcome greeting\0", 17));
  Symbol* fax = CreateMediaItem(*program, "f7", "Price list", message);
  ASSERT_NE(fax, nullptr);
  EXPECT_EQ(Host("Fax", "f7.dsc"), std::string("Price list\0", 11));
  Symbol* other = CreateMediaItem(*program, "v0050", "", message);
  ASSERT_NE(other, nullptr);

  const std::vector<Symbol*> voices = ListedMediaItems(*program, MediaKind::Voice);
  EXPECT_EQ(voices.size(), 2u);
  EXPECT_EQ(ListedMediaItems(*program, MediaKind::Fax), std::vector<Symbol*>{fax});
  EXPECT_EQ(MediaItemLine(*voice, MediaKind::Voice), "0042\tWelcome greeting\tNo");
  EXPECT_EQ(MediaItemLine(*fax, MediaKind::Fax), "7\tPrice list\tNo\tNo");
  EXPECT_EQ(MediaLineId("0042\tWelcome greeting\tNo"), "0042");

  ASSERT_TRUE(UpdateMediaDescription("v0042", "Hello", message));
  EXPECT_EQ(MediaItemLine(*voice, MediaKind::Voice), "0042\tHello\tNo");
  // An item whose description file is gone cannot be updated.
  fs::remove(root / "Progs" / "Voice" / "v0050.dsc");
  EXPECT_FALSE(UpdateMediaDescription("v0050", "Late", message));
  EXPECT_EQ(message, "Failed to update description file.");
  EXPECT_EQ(MediaItemLine(*other, MediaKind::Voice), "0050\t\tNo");

  voice->RefCnt = 1;
  EXPECT_FALSE(MayDeleteMediaItem(*voice, message));
  EXPECT_EQ(message, "Can not delete this Voice Sentence because it is in use");
  voice->RefCnt = 0;
  ASSERT_TRUE(MayDeleteMediaItem(*voice, message));
  EXPECT_EQ(message, "Are you sure you want to delete 0042?");
  ASSERT_TRUE(DeleteMediaItem(*program, *voice));
  EXPECT_FALSE(fs::exists(root / "Progs" / "Voice" / "v0042.dsc"));
  EXPECT_EQ(ListedMediaItems(*program, MediaKind::Voice), std::vector<Symbol*>{other});
}

TEST_F(MediaItems, MediaFieldsShowTheNameAndDescriptionAndStoreTheLetter) {
  std::string message;
  ASSERT_NE(CreateMediaItem(*program, "vWelcome", "Greets callers", message), nullptr);
  const MediaFieldView shown = ShowMediaField("vWelcome");
  EXPECT_EQ(shown.Edit, "Welcome");
  EXPECT_EQ(shown.Description, "Greets callers");
  EXPECT_EQ(MarkMediaField(shown.Edit, MediaKind::Voice), "vWelcome");

  const MediaFieldView fax = ShowMediaField("f12");
  EXPECT_EQ(fax.Edit, "12");
  EXPECT_EQ(fax.Description, "");   // no description file
  EXPECT_EQ(MarkMediaField(fax.Edit, MediaKind::Fax), "f12");

  const MediaFieldView empty = ShowMediaField("");
  EXPECT_EQ(empty.Edit, "");
  EXPECT_EQ(empty.Description, "");
  EXPECT_EQ(MarkMediaField("", MediaKind::Voice), "");
}

TEST(MediaForms, TheFourFormsAndTheirFields) {
  const struct {
    int type;
    const char* tpl;
    MediaKind kind;
    std::size_t fields;
  } cases[] = {{402, "VQ_ULVO_MENU", MediaKind::Voice, 3},
               {398, "VQ_ULVO_FAX", MediaKind::Fax, 1},
               {393, "VQ_ULVO_ANNOUNCE", MediaKind::Voice, 1},
               {405, "VQ_ULVO_THRUDIAL", MediaKind::Voice, 1}};
  for (const auto& c : cases) {
    const MediaForm* form = FindMediaForm(c.type);
    ASSERT_NE(form, nullptr) << c.type;
    EXPECT_STREQ(form->Template, c.tpl);
    EXPECT_EQ(form->Kind, c.kind);
    EXPECT_EQ(form->Fields.size(), c.fields);
  }
  EXPECT_EQ(FindMediaForm(402)->Fields[2].Edit, 612);
  EXPECT_EQ(FindMediaForm(402)->Fields[2].Description, 547);
  EXPECT_EQ(FindMediaForm(394), nullptr);
}

}  // namespace
}  // namespace zeph
