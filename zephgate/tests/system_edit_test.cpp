// Add and Edit of the login dialog over the real store: what is stored, what is selected,
// renames (onto a free name, onto another system's name, in letter case only), a cancelled
// edit and a store that cannot be written.
#include "gate_fixture.h"
#include "system_edit.h"

namespace gate::testing {
namespace {

// Edits as a user of the wizard would: sets the name and address, and gives up when the
// name check refuses (as the wizard keeps its sheet open and the user then cancels).
class FakeEditor final : public SystemEditor {
 public:
  std::string name;
  std::string address = "10.0.0.9";
  bool confirm = true;
  std::vector<bool> checks;

  bool Edit(CSystemInfo& system, const SystemNameCheck& nameFree) override {
    CSystemInfo edited = system;
    edited.Name = name;
    edited.Address = address;
    checks.push_back(nameFree(edited));
    if (!confirm || !checks.back()) return false;
    system = edited;
    return true;
  }
};

class SystemEditTest : public GateTest {
 protected:
  void Seed(const std::string& name) {
    CSystemsRepository store(CSystemInfo::AppsDesigner);
    CSystemInfo s;
    s.Name = name;
    s.Address = "127.0.0.1";
    ASSERT_TRUE(store.Set(s));
    ASSERT_TRUE(store.Write());
  }
  std::vector<std::string> Stored() {
    std::vector<std::string> names;
    CSystemsRepository store(CSystemInfo::AppsDesigner);
    store.ForEach(&names, [](void* c, const CSystemInfo& s, void*) { static_cast<std::vector<std::string>*>(c)->push_back(s.Name + "@" + s.Address); }, nullptr);
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(SystemEditTest, AddAndRename) {
  Seed("Main");
  Seed("Other");
  CLoginApp app(*services, nullptr);
  struct Case {
    const char* what;
    std::string selected;
    std::string newName;
    bool confirm;
    std::string select;
    std::vector<std::string> stored;
    bool nameAccepted;
  };
  const Case cases[] = {
      {"add", "", "Third", true, "Third", {"Main@127.0.0.1", "Other@127.0.0.1", "Third@10.0.0.9"}, true},
      {"add a taken name", "", "main", true, "", {"Main@127.0.0.1", "Other@127.0.0.1", "Third@10.0.0.9"}, false},
      {"rename", "Third", "Fourth", true, "Fourth", {"Fourth@10.0.0.9", "Main@127.0.0.1", "Other@127.0.0.1"}, true},
      {"rename onto another", "Fourth", "Other", true, "Fourth",
       {"Fourth@10.0.0.9", "Main@127.0.0.1", "Other@127.0.0.1"}, false},
      {"case only", "Fourth", "FOURTH", true, "FOURTH", {"FOURTH@10.0.0.9", "Main@127.0.0.1", "Other@127.0.0.1"}, true},
      {"cancelled", "Main", "Renamed", false, "Main", {"FOURTH@10.0.0.9", "Main@127.0.0.1", "Other@127.0.0.1"}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeEditor editor;
    editor.name = c.newName;
    editor.confirm = c.confirm;
    const SystemEditOutcome outcome = AddOrEditSystem(app, editor, c.selected);
    EXPECT_EQ(outcome.selectName, c.select);
    EXPECT_EQ(outcome.errorText, "");
    EXPECT_EQ(Stored(), c.stored);
    ASSERT_EQ(editor.checks.size(), 1u);
    EXPECT_EQ(editor.checks[0], c.nameAccepted);
  }
  const std::string logText = LogText();
  EXPECT_NE(logText.find("Adding system"), std::string::npos);
  EXPECT_NE(logText.find("Modifying system"), std::string::npos);
}

TEST_F(SystemEditTest, AStoreThatCannotBeWrittenIsReported) {
  Seed("Main");
  fs::create_directories(root / "user" / "systems1.txt.new");
  CLoginApp app(*services, nullptr);
  FakeEditor editor;
  editor.name = "Renamed";
  const SystemEditOutcome outcome = AddOrEditSystem(app, editor, "Main");
  EXPECT_NE(outcome.errorText.find("cannot be written"), std::string::npos) << outcome.errorText;
  EXPECT_EQ(outcome.selectName, "Main");
  EXPECT_EQ(Stored(), std::vector<std::string>{"Main@127.0.0.1"});
  EXPECT_NE(LogText().find(outcome.errorText), std::string::npos);
}

}  // namespace
}  // namespace gate::testing
