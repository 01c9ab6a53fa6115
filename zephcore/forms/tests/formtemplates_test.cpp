// The generated templates of the table-driven and rule-driven forms: the committed copy
// matches what the catalogue writes today, and every table fits its template.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "forms/engine/formlimits.h"
#include "forms/templates/formtemplates.h"
#include "model/pbcat.h"

namespace zeph::test {
namespace {

const std::filesystem::path kCommitted =
    std::filesystem::path(ZEPH_TEST_DATA_DIR).parent_path().parent_path().parent_path().parent_path() / "platform" /
    "pane" / "formtables.rc";

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(FormTemplates, CommittedCopyIsCurrent) {
  const std::string fresh = MakeFormTemplates();
  // ZEPH_WRITE_FORM_TEMPLATES=1 refreshes the committed copy after a catalogue change.
  if (const char* refresh = std::getenv("ZEPH_WRITE_FORM_TEMPLATES"); refresh && std::string(refresh) == "1") {
    std::ofstream(kCommitted, std::ios::binary) << fresh;
  }
  EXPECT_EQ(ReadAll(kCommitted), fresh) << kCommitted << " is out of date: regenerate it (ZEPH_WRITE_FORM_TEMPLATES=1)";
}

TEST(FormTemplates, EverySlotOfTheTableKindsHasATemplateAndFitsTheLimits) {
  const std::string text = MakeFormTemplates();
  for (int i = 0; i < kPBCatalogueSize; ++i) {
    const PBType* slot = GetPBType(i);
    if (slot == nullptr || slot->DialogKind < 1 || slot->DialogKind > 4) continue;
    ASSERT_NE(slot->DialogResource, nullptr) << i;
    EXPECT_NE(text.find(std::string(slot->DialogResource) + " DIALOG "), std::string::npos) << i;
    const FormCounts counts = CountFormEntries(slot->FieldTable);
    EXPECT_TRUE(FormFitsLimits(counts, slot->DialogKind == 4 ? FormShape::Gray : FormShape::TablePlus)) << i;
  }
  for (const char* name : {"IDD_BLK_SUPERBLOCK", "DIALOG_0_1"}) {
    EXPECT_NE(text.find(std::string(name) + " DIALOG "), std::string::npos) << name;
  }
  EXPECT_NE(text.find("EDITTEXT 624,"), std::string::npos);   // the call's 24 variable rows
}

}  // namespace
}  // namespace zeph::test
