// The message, multi-mail and voice menu forms under Wine: values set through the field
// accessor survive open and Done, the sentence fields open the voice sentence list and the
// others the variable picker, the complete and filled flags (also after a store error), the
// menu's warning about missing key gotos and the multi-mail form's intro rule.
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>
#include <vector>

#include "editors/sentences/sentlist.h"
#include "editors/variables/scopes.h"
#include "forms/engine/formids.h"
#include "forms/win32/menuform.h"
#include "forms/win32/messageforms.h"
#include "forms_win32_testutil.h"
#include "model/pbaccess.h"
#include "model/pbaccess_msgtext.h"
#include "model/tests/modeltest_util.h"
#include "pane/sentenceids.h"
#include "pane/varpickids.h"
#include "scribe/scribe.h"

namespace zeph::test {
namespace {

// A record whose slots run out of memory: every store fails.
class FailingRecord : public InstanceRecord {
 public:
  using InstanceRecord::InstanceRecord;
  SymP* Slot(int) override { throw std::bad_alloc(); }
};

class FailingMsgForm : public TMsgForm {
 public:
  using TMsgForm::TMsgForm;

 protected:
  std::unique_ptr<FieldRecord> MakeRecord() override { return std::make_unique<FailingRecord>(Instance->Area); }
};

class MessageFormsTest : public FormWindowFixture {
 protected:
  MessageFormsTest() {
    AddSentence(program, "Greeting", kScopeGlobal);
    AddSentence(program, "Goodbye", kScopeGlobal);
    AddVariable(t, "MsgP", kTypeMessageParms);
    AddVariable(t, "MenuP", kTypeMenuParms);
    AddVariable(t, "MultiP", kTypeMultiMailParms);
    AddVariable(t, "Box", kTypeMailBox);
    AddVariable(t, "Mail", kTypeMail);
    next_ = program.AddVavurOrezo(1, "Next1", "", nullptr);
  }
  static void Click(HWND dialog, int id) { ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
  static bool IsChecked(HWND dialog, int id) { return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
  std::string Field(PBInstance* instance, int field, const PBFieldDef* table = nullptr) {
    std::string text;
    PBFieldAccessor(instance, 0, table, 0, &t).GetEntryText(field, text);
    return text;
  }
  void SetField(PBInstance* instance, int field, const char* text, const PBFieldDef* table = nullptr) {
    PBFieldAccessor accessor(instance, 0, table, 0, &t);
    ASSERT_EQ(accessor.SetEntry(field, text), 1) << field << " " << text;
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> out;
    for (const auto& box : faults.presenter.Boxes()) out.push_back(box.text);
    return out;
  }
  // A message VavurOrezo with every field filled.
  PBInstance* FilledMessage(const char* name) {
    PBInstance* msg = program.AddVavurOrezo(1, name, "", nullptr);
    EXPECT_NE(msg, nullptr);
    if (msg == nullptr) return nullptr;
    SetField(msg, 0, "Greeting");
    SetField(msg, 1, "MsgP");
    SetField(msg, 2, "Next1");
    SetField(msg, 3, "Next1");
    return msg;
  }

  PBInstance* next_ = nullptr;
};

TEST_F(MessageFormsTest, MessageValuesSurviveOpenAndDone) {
  PBInstance* msg = FilledMessage("Msg1");
  ASSERT_NE(msg, nullptr);
  DialogDriver driver([&](HWND dialog) {
    EXPECT_EQ(Text(dialog, 159), "Greeting");
    EXPECT_EQ(Text(dialog, 157), "MsgP");
    EXPECT_EQ(Text(dialog, 163), "Next1");
    EXPECT_EQ(Text(dialog, 161), "Next1");
    SaveWindowPicture(dialog, "form_message");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(program.EditVavurOrezo(msg), 1);
  EXPECT_TRUE(driver.Ran());
  EXPECT_EQ(Field(msg, 0), "Greeting");
  EXPECT_EQ(Field(msg, 1), "MsgP");
  EXPECT_EQ(Field(msg, 2), "Next1");
  EXPECT_EQ(Field(msg, 3), "Next1");
  EXPECT_EQ(msg->Complete, 1);
  EXPECT_EQ(msg->Filled, 1);
  EXPECT_TRUE(faults.presenter.Boxes().empty());
}

TEST_F(MessageFormsTest, MessageDoneSetsTheFlags) {
  const struct {
    const char* what;
    int edit;
    const char* text;
    bool closes;
    int complete;
    int filled;
    const char* box;   // a part of the one message shown, or null for none
  } cases[] = {
      {"all given", 0, nullptr, true, 1, 1, nullptr},
      {"no end-of-message goto", 163, "", true, 1, 0, nullptr},
      {"goto to a VavurOrezo not drawn yet", 161, "Later", true, 1, 0, nullptr},
      {"no voice sentence", 159, "", true, 0, 0, nullptr},
      {"no parameters", 157, "", true, 0, 0, nullptr},
      {"unknown parameters", 157, "Nowhere", false, 7, 7, "Message Parameters"},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    faults.presenter.Clear();
    faults.presenter.Answer(IDYES);   // a VavurOrezo not drawn yet is accepted
    PBInstance* msg = FilledMessage(("Flags" + std::to_string(n++)).c_str());
    ASSERT_NE(msg, nullptr);
    msg->Complete = 7;
    msg->Filled = 7;
    DialogDriver driver([&](HWND dialog) {
      if (c.edit != 0) SetText(dialog, c.edit, c.text);
      PostClick(dialog, IDOK);
      if (!c.closes) {
        PumpUntil([&] { return !faults.presenter.Boxes().empty(); }, 2000);
        EXPECT_TRUE(::IsWindow(dialog));
        PostClick(dialog, IDCANCEL);
      }
    });
    EXPECT_EQ(program.EditVavurOrezo(msg), c.closes ? 1 : 0);
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(msg->Complete, c.complete);
    EXPECT_EQ(msg->Filled, c.filled);
    std::vector<std::string> errors;   // all but the question about a VavurOrezo not drawn yet
    for (const std::string& text : BoxTexts()) {
      if (text.rfind(PBMessageText(kErrPBDoesNotExist), 0) != 0) errors.push_back(text);
    }
    if (c.box == nullptr) {
      EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors.front());
    } else {
      ASSERT_EQ(errors.size(), 1u);
      EXPECT_NE(errors.front().find(c.box), std::string::npos) << errors.front();
    }
  }
}

TEST_F(MessageFormsTest, MessageStoreErrorSetsCompleteAndKeepsFilled) {
  PBInstance* msg = FilledMessage("Msg1");
  ASSERT_NE(msg, nullptr);
  msg->Complete = 0;
  msg->Filled = 0;
  FailingMsgForm form(nullptr, kMessageFormResource, msg);
  const int result = Run(form, [&](HWND dialog) { PostClick(dialog, IDOK); });
  EXPECT_EQ(result, IDOK);
  ASSERT_EQ(BoxTexts().size(), 1u);
  EXPECT_EQ(BoxTexts().front(), PBMessageText(kErrOutOfMemory));
  EXPECT_EQ(msg->Complete, 1);
  EXPECT_EQ(msg->Filled, 0);
}

TEST_F(MessageFormsTest, MessagePickButtonsOpenTheSentenceListOrThePicker) {
  PBInstance* msg = FilledMessage("Msg1");
  ASSERT_NE(msg, nullptr);
  TMsgForm form(nullptr, kMessageFormResource, msg);
  Run(form, [&](HWND dialog) {
    RunButtonDialog(dialog, 158, [&](HWND list) {
      ASSERT_NE(::GetDlgItem(list, IDC_SENT_LIST), nullptr);
      EXPECT_EQ(::GetDlgItem(list, IDC_VARPICK_LIST), nullptr);
      HWND box = ::GetDlgItem(list, IDC_SENT_LIST);
      const LRESULT at = ::SendMessageA(box, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Goodbye"));
      ASSERT_GE(at, 0);
      ::SendMessageA(box, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
      PostClick(list, IDOK);
    });
    EXPECT_EQ(Text(dialog, 159), "Goodbye");
    RunButtonDialog(dialog, 156, [&](HWND picker) {
      EXPECT_NE(::GetDlgItem(picker, IDC_VARPICK_LIST), nullptr);
      EXPECT_EQ(::GetDlgItem(picker, IDC_SENT_LIST), nullptr);
      PostClick(picker, IDCANCEL);
    });
    EXPECT_EQ(Text(dialog, 157), "MsgP");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(form.OwnTable()[0].Allowed2, 0x8u);
  EXPECT_EQ(Field(msg, 0), "Goodbye");
}

// ---- multi-mail --------------------------------------------------------------------

TEST_F(MessageFormsTest, MultiMailIntroParametersAreRequiredWithAnIntroSentence) {
  const struct {
    const char* sentence;
    const char* parameters;
    int complete;
  } cases[] = {
      {"", "", 1},
      {"Greeting", "", 0},
      {"Greeting", "MsgP", 1},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.sentence) + "/" + c.parameters);
    PBInstance* multi = program.AddVavurOrezo(21, ("Multi" + std::to_string(n++)).c_str(), "", nullptr);
    ASSERT_NE(multi, nullptr);
    SetField(multi, 0, "MultiP");
    SetField(multi, 1, "Box");
    SetField(multi, 2, "Mail");
    SetField(multi, 3, "Greeting");
    SetField(multi, 4, "Goodbye");
    DialogDriver driver([&](HWND dialog) {
      EXPECT_EQ(Text(dialog, kLabelBase + kMultiIntroSentence), "Msg Intro Voice Sent ");
      EXPECT_EQ(Text(dialog, kLabelBase + kMultiIntroParameters), "Msg Intro Parameters");
      EXPECT_EQ(Text(dialog, kCheckBoxBase), "Play New Messages");
      EXPECT_EQ(Text(dialog, kEditBase + 3), "Greeting");
      SetText(dialog, kEditBase + kMultiIntroSentence, c.sentence);
      SetText(dialog, kEditBase + kMultiIntroParameters, c.parameters);
      if (n == 1) SaveWindowPicture(dialog, "form_multimail");
      PostClick(dialog, IDOK);
    });
    EXPECT_EQ(program.EditVavurOrezo(multi), 1);
    EXPECT_TRUE(driver.Ran());
    EXPECT_EQ(multi->Complete, c.complete);
    EXPECT_EQ(Field(multi, kMultiIntroSentence), c.sentence);
    EXPECT_EQ(Field(multi, 0), "MultiP");
  }
}

TEST_F(MessageFormsTest, MultiMailSentenceFieldsOpenTheSentenceList) {
  PBInstance* multi = program.AddVavurOrezo(21, "Multi1", "", nullptr);
  ASSERT_NE(multi, nullptr);
  DialogDriver driver([&](HWND dialog) {
    RunButtonDialog(dialog, kPickButtonBase + 4, [&](HWND list) {
      EXPECT_NE(::GetDlgItem(list, IDC_SENT_LIST), nullptr);
      PostClick(list, IDCANCEL);
    });
    RunButtonDialog(dialog, kPickButtonBase + 1, [&](HWND picker) {
      EXPECT_NE(::GetDlgItem(picker, IDC_VARPICK_LIST), nullptr);
      PostClick(picker, IDCANCEL);
    });
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(program.EditVavurOrezo(multi), 0);
  EXPECT_TRUE(driver.Ran());
}

// ---- voice menu --------------------------------------------------------------------

class MenuFormTest : public MessageFormsTest {
 protected:
  MenuFormTest() { table_ = static_cast<const PBFieldDef*>(scribe::AssignPtrsInDLL1(5254, nullptr)); }
  // A fresh menu VavurOrezo with every field but the key gotos filled.
  void Fill() {
    menu_ = std::make_unique<PBInstance>();
    menu_->Type = 0;
    SetField(menu_.get(), 1, "MenuP", table_);
    for (int s = 2; s <= 6; ++s) SetField(menu_.get(), s, "Greeting", table_);
    SetField(menu_.get(), 19, "Next1", table_);
    SetField(menu_.get(), 20, "Next1", table_);
  }
  // Edit id of an entry.
  static int EditOf(int entry) { return MenuFormControls()[entry].Control; }

  std::unique_ptr<PBInstance> menu_;
  const PBFieldDef* table_ = nullptr;
};

TEST_F(MenuFormTest, ValuesSurviveOpenAndDoneAndTheLogBoxIsAWord) {
  Fill();
  SetField(menu_.get(), kMenuFirstKeyGoto + 11, "Next1", table_);   // "#"
  menu_->Area.SetWord(2, 5);                                    // any nonzero word is ticked
  TMenuForm form(nullptr, kMenuFormResource, menu_.get());
  ASSERT_TRUE(form.Usable());
  Run(form, [&](HWND dialog) {
    for (int e = 1; e < kMenuFormEntries; ++e) {
      EXPECT_NE(::GetDlgItem(dialog, MenuFormControls()[e].Control), nullptr) << e;
      EXPECT_NE(::GetDlgItem(dialog, MenuFormControls()[e].PickButton), nullptr) << e;
    }
    EXPECT_TRUE(IsChecked(dialog, 441));
    EXPECT_EQ(Text(dialog, EditOf(1)), "MenuP");
    EXPECT_EQ(Text(dialog, EditOf(6)), "Greeting");
    EXPECT_EQ(Text(dialog, 440), "Next1");
    SaveWindowPicture(dialog, "form_menu");
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(menu_->Area.Word(2), 1);
  EXPECT_EQ(Field(menu_.get(), 1, table_), "MenuP");
  EXPECT_EQ(Field(menu_.get(), kMenuFirstKeyGoto + 11, table_), "Next1");
  EXPECT_EQ(menu_->Complete, 1);
  EXPECT_EQ(menu_->Filled, 1);
  EXPECT_TRUE(BoxTexts().empty());

  TMenuForm again(nullptr, kMenuFormResource, menu_.get());
  Run(again, [&](HWND dialog) {
    Click(dialog, 441);
    PostClick(dialog, IDOK);
  });
  EXPECT_EQ(menu_->Area.Word(2), 0);
}

TEST_F(MenuFormTest, KeyGotosAndTheFlags) {
  const std::string warning = PBMessageText(-159);
  const struct {
    const char* what;
    int entry;          // an entry whose edit is set, -1 none
    const char* text;
    int entry2;         // a second one
    const char* text2;
    bool warns;
    int complete;
    int filled;
  } cases[] = {
      {"no key goto", -1, nullptr, -1, nullptr, true, 1, 0},
      {"no key goto and no exits", 19, "", 20, "", true, 1, 0},
      {"a key goto to a VavurOrezo not drawn yet", kMenuFirstKeyGoto + 3, "Later", -1, nullptr, false, 1, 0},
      {"a key goto, no no-answer goto", kMenuFirstKeyGoto, "Next1", 19, "", false, 1, 0},
      {"a key goto, no main sentence", kMenuFirstKeyGoto, "Next1", 2, "", false, 0, 0},
      {"a key goto, no menu parameters", kMenuFirstKeyGoto + 10, "Next1", 1, "", false, 0, 0},
      {"a key goto and all", kMenuFirstKeyGoto + 9, "Next1", -1, nullptr, false, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Fill();
    faults.presenter.Clear();
    faults.presenter.Answer(IDYES);   // a VavurOrezo not drawn yet is accepted
    TMenuForm form(nullptr, kMenuFormResource, menu_.get());
    const int result = Run(form, [&](HWND dialog) {
      if (c.entry >= 0) SetText(dialog, EditOf(c.entry), c.text);
      if (c.entry2 >= 0) SetText(dialog, EditOf(c.entry2), c.text2);
      PostClick(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    int warnings = 0;
    for (const std::string& text : BoxTexts()) warnings += text == warning ? 1 : 0;
    EXPECT_EQ(warnings, c.warns ? 1 : 0);
    EXPECT_EQ(menu_->Complete, c.complete);
    EXPECT_EQ(menu_->Filled, c.filled);
    EXPECT_EQ(Field(menu_.get(), 1, table_), c.entry2 == 1 ? "" : "MenuP");   // stored in every case
  }
}

TEST_F(MenuFormTest, PickButtonsOpenTheSentenceListOrThePickerAndCancelStoresNothing) {
  Fill();
  menu_->Complete = 7;
  menu_->Filled = 7;
  TMenuForm form(nullptr, kMenuFormResource, menu_.get());
  const int result = Run(form, [&](HWND dialog) {
    for (const int entry : {2, 6}) {
      RunButtonDialog(dialog, MenuFormControls()[entry].PickButton, [&](HWND list) {
        EXPECT_NE(::GetDlgItem(list, IDC_SENT_LIST), nullptr) << entry;
        EXPECT_EQ(::GetDlgItem(list, IDC_VARPICK_LIST), nullptr) << entry;
        PostClick(list, IDCANCEL);
      });
    }
    for (const int entry : {1, kMenuFirstKeyGoto + 11, 20}) {
      RunButtonDialog(dialog, MenuFormControls()[entry].PickButton, [&](HWND picker) {
        EXPECT_NE(::GetDlgItem(picker, IDC_VARPICK_LIST), nullptr) << entry;
        PostClick(picker, IDCANCEL);
      });
    }
    SetText(dialog, EditOf(1), "");
    PostClick(dialog, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  for (int s = 2; s <= 6; ++s) EXPECT_EQ(form.OwnTable()[s].Allowed2, 0x8u) << s;
  EXPECT_EQ(form.OpenPicker(), nullptr);   // each picker is deleted after its run
  EXPECT_EQ(Field(menu_.get(), 1, table_), "MenuP");
  EXPECT_EQ(menu_->Complete, 7);
  EXPECT_EQ(menu_->Filled, 7);
}

}  // namespace
}  // namespace zeph::test
