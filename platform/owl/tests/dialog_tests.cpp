// Modal and modeless dialogs from templates: controls bound by id, set and read; the
// CanClose gate; transfer buffers; the dialog's own window class.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "owl/owl.h"
#include "resources/testids.h"
#include "test_support.h"

namespace {

// A group box that records which of its buttons were clicked.
class TRecordingGroupBox : public TGroupBox {
 public:
  TRecordingGroupBox(TWindow* parent, int id, std::vector<std::string>& log)
      : TGroupBox(parent, id), Log(log) {}
  void SelectionChanged(int controlId) override {
    Log.push_back("group:" + std::to_string(controlId));
  }

 private:
  std::vector<std::string>& Log;
};

// The test dialog with an object for every control of TESTDIALOG; the test's script runs at
// the end of SetupWindow, and CanClose refuses as often as asked before it lets go.
class TFormDialog : public TDialog {
 public:
  explicit TFormDialog(TWindow* parent, TModule* module = &TestPane())
      : TDialog(parent, "TESTDIALOG", module),
        Name(this, IDC_NAME_EDIT, 31),
        Items(this, IDC_ITEM_LIST),
        Zoom(this, IDC_ZOOM_COMBO),
        KeyGroup(this, IDC_KEY_GROUP),
        AutoCheck(this, IDC_AUTO_CHECK, &KeyGroup),
        PlainCheck(this, IDC_PLAIN_CHECK),
        Group(this, IDC_GROUP, Log),
        First(this, IDC_RADIO_FIRST, &Group),
        Second(this, IDC_RADIO_SECOND, &Group),
        Label(this, IDC_LABEL, 80),
        Scroll(this, IDC_SCROLL),
        Missing(this, IDC_MISSING, 10) {}

  std::function<void(TFormDialog&)> Script;
  int Refusals = 0;
  int CanCloseCalls = 0;
  std::vector<std::string> Log;
  std::string NameAtClose;
  std::vector<std::string> ItemsAtClose;

  TEdit Name;
  TListBox Items;
  TComboBox Zoom;
  TGroupBox KeyGroup;
  TCheckBox AutoCheck;
  TCheckBox PlainCheck;
  TRecordingGroupBox Group;
  TRadioButton First;
  TRadioButton Second;
  TStatic Label;
  TScrollBar Scroll;
  TEdit Missing;

  void SetupWindow() override {
    TDialog::SetupWindow();
    if (Script) Script(*this);
  }

  bool CanClose() override {
    ++CanCloseCalls;
    if (Refusals > 0) {
      --Refusals;
      return false;
    }
    char text[64];
    Name.GetText(text, sizeof text);
    NameAtClose = text;
    for (int i = 0; i < Items.GetCount(); ++i) {
      std::vector<char> item(size_t(Items.GetStringLen(i)) + 1);
      Items.GetString(item.data(), i);
      ItemsAtClose.emplace_back(item.data());
    }
    return TDialog::CanClose();
  }

  void SecondClicked() { Log.push_back("parent:" + std::to_string(IDC_RADIO_SECOND)); }
  void KeyGroupNotified() { Log.push_back("keygroup"); }
  void CmHelp() { Log.push_back("help"); }

  DECLARE_RESPONSE_TABLE(TFormDialog);
};

DEFINE_RESPONSE_TABLE(TFormDialog, TDialog)
  EV_BN_CLICKED(IDC_RADIO_SECOND, SecondClicked),
  EV_COMMAND(IDC_KEY_GROUP, KeyGroupNotified),
  EV_COMMAND(9, CmHelp),
END_RESPONSE_TABLE;

void PostCommand(const TWindow& window, int id) {
  ::PostMessageA(window.HWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(window.HWindow, id)));
}

void Click(const TWindow& control) { ::SendMessageA(control.HWindow, BM_CLICK, 0, 0); }

TEST(ModalDialog, RunsFromTheResourceLibraryAndClosesThroughCanClose) {
  ModalGuard guard;
  TFormDialog dialog(nullptr);
  dialog.Refusals = 1;
  dialog.Script = [](TFormDialog& d) {
    d.Name.SetText("hello");
    d.Items.AddString("pear");
    d.Items.AddString("apple");
    // The first OK is refused by CanClose; the dialog stays and takes the second.
    PostCommand(d, IDOK);
    PostCommand(d, IDOK);
  };

  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_FALSE(guard.Fired());
  EXPECT_EQ(dialog.CanCloseCalls, 2);
  EXPECT_EQ(dialog.NameAtClose, "hello");
  EXPECT_EQ(dialog.ItemsAtClose, (std::vector<std::string>{"apple", "pear"}));
  EXPECT_EQ(dialog.HWindow, nullptr);
}

// Without an owner a dialog opens in the middle of the work area, not at its top-left corner.
TEST(ModalDialog, WithoutAnOwnerItOpensCentred) {
  ModalGuard guard;
  TFormDialog dialog(nullptr);
  RECT box{}, area{};
  dialog.Script = [&](TFormDialog& d) {
    ::GetWindowRect(d.HWindow, &box);
    PostCommand(d, IDCANCEL);
  };
  ASSERT_EQ(dialog.Execute(), IDCANCEL);
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const int centreX = (box.left + box.right) / 2, centreY = (box.top + box.bottom) / 2;
  EXPECT_LE(std::abs(centreX - (area.left + area.right) / 2), 1);
  EXPECT_LE(std::abs(centreY - (area.top + area.bottom) / 2), 1);
}

// The driver's time limit runs from the moment the dialog is shown: a slow start (here a
// pause longer than the limit before the dialog runs) is not a time-out.
TEST(ModalDialog, DriverTimeStartsWhenTheDialogAppears) {
  DialogDriver driver([](HWND window) { PostClick(window, IDCANCEL); }, 300);
  ::Sleep(500);
  TFormDialog dialog(nullptr);
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  EXPECT_TRUE(driver.Ran());
  EXPECT_FALSE(driver.TimedOut());
}

// A handler's exception never crosses the system's code: the dialog ends, and Execute
// throws it once the modal loop is over.
TEST(ModalDialog, AHandlersExceptionEndsTheDialogAndIsThrownAfterTheLoop) {
  ModalGuard guard;
  struct TThrowing : TFormDialog {
    TThrowing() : TFormDialog(nullptr) {}
    bool CanClose() override { throw std::runtime_error("refused badly"); }
  } dialog;
  dialog.Script = [](TFormDialog& d) { PostCommand(d, IDOK); };
  try {
    dialog.Execute();
    ADD_FAILURE() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "refused badly");
  }
  EXPECT_FALSE(guard.Fired());
  EXPECT_EQ(dialog.HWindow, nullptr);
  // The next dialog runs normally.
  TFormDialog next(nullptr);
  next.Script = [](TFormDialog& d) { PostCommand(d, IDCANCEL); };
  EXPECT_EQ(next.Execute(), IDCANCEL);
}

TEST(ModalDialog, CancelEndsWithoutAskingCanClose) {
  ModalGuard guard;
  TFormDialog dialog(nullptr);
  dialog.Script = [](TFormDialog& d) { PostCommand(d, IDCANCEL); };
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  EXPECT_EQ(dialog.CanCloseCalls, 0);
}

TEST(ModalDialog, TheCloseBoxActsAsCancel) {
  ModalGuard guard;
  TFormDialog dialog(nullptr);
  dialog.Script = [](TFormDialog& d) { d.PostMessage(WM_CLOSE); };
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  EXPECT_EQ(dialog.CanCloseCalls, 0);
}

TEST(ModalDialog, AMissingTemplateMakesNoDialog) {
  TDialog dialog(nullptr, "NO_SUCH_TEMPLATE", &TestPane());
  EXPECT_EQ(dialog.Execute(), -1);
  EXPECT_EQ(dialog.HWindow, nullptr);
}

TEST(ModalDialog, ControlsAreBoundByIdAndWork) {
  ModalGuard guard;
  TFormDialog dialog(nullptr);
  struct {
    bool nameBound, missingUnbound;
    int apple, prefix, exact, count;
    LPARAM data;
    std::string comboText;
    int comboSel;
    UINT autoCheck, plainAfterClick;
    bool tabs;
    std::string label;
  } seen{};
  dialog.Script = [&seen](TFormDialog& d) {
    seen.nameBound = d.Name.HWindow == ::GetDlgItem(d.HWindow, IDC_NAME_EDIT);
    seen.missingUnbound = d.Missing.HWindow == nullptr;
    d.Missing.SetText("ignored");  // a control the template lacks does nothing

    d.Items.AddString("Pear");
    d.Items.AddString("Apple");
    d.Items.AddString("Plum");
    seen.apple = d.Items.FindExactString("apple");
    seen.prefix = d.Items.FindString("PL");
    d.Items.SetItemData(seen.apple, 4711);
    d.Items.DeleteString(d.Items.FindExactString("Pear"));
    seen.count = d.Items.GetCount();
    seen.data = d.Items.GetItemData(d.Items.FindExactString("Apple"));
    seen.exact = d.Items.FindExactString("Pear");
    int tabs[] = {76};
    seen.tabs = d.Items.SetTabStops(1, tabs);

    for (const char* zoom : {"50", "60", "100"}) d.Zoom.AddString(zoom);
    d.Zoom.SetSelIndex(1);
    seen.comboSel = d.Zoom.GetSelIndex();
    d.Zoom.SetText("75");
    char text[16];
    d.Zoom.GetText(text, sizeof text);
    seen.comboText = text;

    d.AutoCheck.Check();
    seen.autoCheck = d.AutoCheck.GetCheck();
    // A check box without the automatic style is switched by its object.
    Click(d.PlainCheck);
    seen.plainAfterClick = d.PlainCheck.GetCheck();

    d.Label.SetText("Shown");
    char label[80];
    d.Label.GetText(label, sizeof label);
    seen.label = label;
    PostCommand(d, IDCANCEL);
  };
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  EXPECT_TRUE(seen.nameBound);
  EXPECT_TRUE(seen.missingUnbound);
  EXPECT_EQ(seen.apple, 0);   // sorted list
  EXPECT_EQ(seen.prefix, 2);  // prefix search ignores case
  EXPECT_EQ(seen.count, 2);
  EXPECT_EQ(seen.data, 4711);
  EXPECT_EQ(seen.exact, LB_ERR);
  EXPECT_TRUE(seen.tabs);
  EXPECT_EQ(seen.comboSel, 1);
  EXPECT_EQ(seen.comboText, "75");
  EXPECT_EQ(seen.autoCheck, UINT(BF_CHECKED));
  EXPECT_EQ(seen.plainAfterClick, UINT(BF_CHECKED));
  EXPECT_EQ(seen.label, "Shown");
}

TEST(ModalDialog, ButtonsTellTheirGroupBoxBeforeTheParentHearsTheClick) {
  ModalGuard guard;
  TFormDialog dialog(nullptr);
  UINT secondChecked = 0, firstChecked = 1;
  dialog.Script = [&](TFormDialog& d) {
    Click(d.Second);
    secondChecked = d.Second.GetCheck();
    firstChecked = d.First.GetCheck();
    // The key group is a plain group box: it passes the click on as its own command.
    Click(d.AutoCheck);
    PostCommand(d, 9);
    PostCommand(d, IDCANCEL);
  };
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  EXPECT_EQ(secondChecked, UINT(BF_CHECKED));
  EXPECT_EQ(firstChecked, UINT(BF_UNCHECKED));
  EXPECT_EQ(dialog.Log, (std::vector<std::string>{"group:112", "parent:112", "keygroup", "help"}));
}

TEST(ModalDialog, EditLimitsTypingAndReadsLines) {
  ModalGuard guard;
  TFormDialog dialog(nullptr);
  int typed = 0;
  bool shortFits = true, longFits = false;
  std::string shortLine, longLine;
  dialog.Script = [&](TFormDialog& d) {
    for (int i = 0; i < 40; ++i) d.Name.SendMessage(WM_CHAR, 'x', 1);
    typed = d.Name.GetTextLen();
    d.Name.SetText("12345");
    char buf[8];
    shortFits = d.Name.GetLine(buf, 4, 0);  // three characters and the zero
    shortLine = buf;
    longFits = d.Name.GetLine(buf, 8, 0);
    longLine = buf;
    PostCommand(d, IDCANCEL);
  };
  dialog.Execute();
  EXPECT_EQ(typed, 30);  // text limit 31 counts the terminating zero
  EXPECT_FALSE(shortFits);
  EXPECT_EQ(shortLine, "123");
  EXPECT_TRUE(longFits);
  EXPECT_EQ(longLine, "12345");
}

TEST(ModalDialog, ATemplateOfTheProgramItself) {
  ModalGuard guard;
  struct TProgramDialog : TDialog {
    TProgramDialog() : TDialog(nullptr, "EXEDIALOG", &TestProgram()), Name(this, IDC_NAME_EDIT) {}
    void SetupWindow() override {
      TDialog::SetupWindow();
      Name.SetText("from the program");
      PostMessage(WM_COMMAND, IDOK);
    }
    bool CanClose() override {
      char text[32];
      Name.GetText(text, sizeof text);
      Seen = text;
      return true;
    }
    TEdit Name;
    std::string Seen;
  } dialog;
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_EQ(dialog.Seen, "from the program");
}

// PATHDIALOG's two edits (48 characters with the zero) and check box, in creation order.
struct TPathBuffer {
  char First[48];
  char Second[48];
  uint16_t Keep;
};

class TPathDialog : public TDialog {
 public:
  TPathDialog()
      : TDialog(nullptr, "PATHDIALOG", &TestPane()),
        First(this, IDC_PATH_FIRST, 48),
        Second(this, IDC_PATH_SECOND, 48),
        Keep(this, IDC_PATH_CHECK) {}
  std::function<void(TPathDialog&)> Script;
  void SetupWindow() override {
    TDialog::SetupWindow();
    if (Script) Script(*this);
  }
  TEdit First;
  TEdit Second;
  TCheckBox Keep;
};

TEST(DialogTransfer, TheBufferFillsTheControlsAndTakesThemBackOnOk) {
  ModalGuard guard;
  TPathBuffer buffer{};
  std::strcpy(buffer.First, "C:\\VOICE\\");
  std::strcpy(buffer.Second, "C:\\PRMT\\");
  buffer.Keep = 1;
  TPathDialog dialog;
  dialog.SetTransferBuffer(&buffer);
  std::string shownFirst;
  UINT shownKeep = 0;
  dialog.Script = [&](TPathDialog& d) {
    char text[48];
    d.First.GetText(text, sizeof text);
    shownFirst = text;
    shownKeep = d.Keep.GetCheck();
    d.Second.SetText("D:\\NEW\\");
    d.Keep.Uncheck();
    d.PostMessage(WM_COMMAND, IDOK);
  };
  EXPECT_EQ(dialog.Execute(), IDOK);
  EXPECT_EQ(shownFirst, "C:\\VOICE\\");
  EXPECT_EQ(shownKeep, 1u);
  EXPECT_STREQ(buffer.First, "C:\\VOICE\\");
  EXPECT_STREQ(buffer.Second, "D:\\NEW\\");
  EXPECT_EQ(buffer.Keep, 0);
}

TEST(DialogTransfer, CancelLeavesTheBufferAlone) {
  ModalGuard guard;
  TPathBuffer buffer{};
  std::strcpy(buffer.First, "keep me");
  TPathDialog dialog;
  dialog.SetTransferBuffer(&buffer);
  dialog.Script = [](TPathDialog& d) {
    d.First.SetText("changed");
    d.PostMessage(WM_COMMAND, IDCANCEL);
  };
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  EXPECT_STREQ(buffer.First, "keep me");
}

// A dialog with a window class of its own, from the window's very first message.
class TClassDialog : public TFormDialog {
 public:
  TClassDialog() : TFormDialog(nullptr) {}
  const char* GetClassName() override { return "OwlTestDialogClass"; }
  void GetWindowClass(WNDCLASSA& wndClass) override {
    TFormDialog::GetWindowClass(wndClass);
    wndClass.style |= CS_DBLCLKS;
    wndClass.style &= ~UINT(CS_GLOBALCLASS);
  }
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (FirstMessage == 0) FirstMessage = msg;
    return TFormDialog::WindowProc(msg, wParam, lParam);
  }
  UINT FirstMessage = 0;
};

TEST(ModalDialog, RunsInTheWindowClassItsObjectDescribes) {
  ModalGuard guard;
  TClassDialog dialog;
  std::string className;
  ULONG_PTR classStyle = 0;
  dialog.Script = [&](TFormDialog& d) {
    char name[64] = "";
    ::GetClassNameA(d.HWindow, name, sizeof name);
    className = name;
    classStyle = ::GetClassLongPtrA(d.HWindow, GCL_STYLE);
    PostCommand(d, IDCANCEL);
  };
  dialog.Execute();
  EXPECT_EQ(className, "OwlTestDialogClass");
  EXPECT_TRUE(classStyle & CS_DBLCLKS);
  EXPECT_FALSE(classStyle & CS_GLOBALCLASS);
  // Bound before WM_INITDIALOG: the object saw the window's creation.
  EXPECT_EQ(dialog.FirstMessage, UINT(WM_NCCREATE));
}

TEST(ModelessDialog, RunsBesideTheCallerAndIsDestroyedByCancel) {
  TFormDialog dialog(nullptr);
  ASSERT_TRUE(dialog.Create());
  ASSERT_NE(dialog.HWindow, nullptr);
  EXPECT_FALSE(dialog.IsModal());
  EXPECT_EQ(TWindow::GetWindowPtr(dialog.HWindow), &dialog);
  EXPECT_EQ(dialog.Name.HWindow, ::GetDlgItem(dialog.HWindow, IDC_NAME_EDIT));
  dialog.Show(SW_SHOW);

  dialog.Name.SetText("modeless");
  char text[32];
  dialog.Name.GetText(text, sizeof text);
  EXPECT_STREQ(text, "modeless");

  Click(dialog.Second);
  PostCommand(dialog, 9);
  PostCommand(dialog, IDCANCEL);
  ASSERT_TRUE(PumpUntil([&] { return dialog.HWindow == nullptr; }));
  EXPECT_EQ(dialog.Log, (std::vector<std::string>{"group:112", "parent:112", "help"}));
  EXPECT_EQ(dialog.Name.HWindow, nullptr);
}

TEST(ModelessDialog, KeysReachItThroughTheApplicationLoop) {
  TApplication app("owl test");
  TFormDialog dialog(nullptr);
  ASSERT_TRUE(dialog.Create());
  dialog.Show(SW_SHOW);
  dialog.Name.SetFocus();
  // Escape in a control of a modeless dialog is the dialog's Cancel.
  MSG msg{dialog.Name.HWindow, WM_KEYDOWN, VK_ESCAPE, 0x00010001, 0, {}};
  EXPECT_TRUE(app.ProcessAppMsg(msg));
  ASSERT_TRUE(PumpUntil([&] { return dialog.HWindow == nullptr; }));
}

TEST(ModelessDialog, DeletingTheObjectDestroysTheWindow) {
  auto* dialog = new TFormDialog(nullptr);
  ASSERT_TRUE(dialog->Create());
  HWND hWnd = dialog->HWindow;
  HWND edit = dialog->Name.HWindow;
  delete dialog;
  EXPECT_FALSE(::IsWindow(hWnd));
  EXPECT_FALSE(::IsWindow(edit));
  EXPECT_EQ(TWindow::GetWindowPtr(hWnd), nullptr);
}

}  // namespace

namespace {

// An edit that looks at its keys in its own response table and passes them on.
class TKeyEdit : public TEdit {
 public:
  TKeyEdit(TWindow* parent, int id) : TEdit(parent, id) {}
  void EvKeyDown(UINT key, UINT repeatCount, UINT flags) {
    Keys.push_back(key);
    TEdit::EvKeyDown(key, repeatCount, flags);
  }
  std::vector<UINT> Keys;
  DECLARE_RESPONSE_TABLE(TKeyEdit);
};

DEFINE_RESPONSE_TABLE(TKeyEdit, TEdit)
  EV_WM_KEYDOWN,
END_RESPONSE_TABLE;

TEST(DialogControls, AControlSeesItsOwnMessagesAndPassesThemOn) {
  ModalGuard guard;
  struct TKeyDialog : TDialog {
    TKeyDialog() : TDialog(nullptr, "EXEDIALOG", &TestProgram()), Edit(this, IDC_NAME_EDIT) {}
    void SetupWindow() override {
      TDialog::SetupWindow();
      Edit.SetText("abc");
      Edit.SetSelection(0, 0);
      Edit.SendMessage(WM_KEYDOWN, VK_END, 0x014F0001);
      Edit.GetSelection(Start, End);
      PostMessage(WM_COMMAND, IDCANCEL);
    }
    TKeyEdit Edit;
    int Start = -1, End = -1;
  } dialog;
  dialog.Execute();
  EXPECT_EQ(dialog.Edit.Keys, (std::vector<UINT>{VK_END}));
  EXPECT_EQ(dialog.Start, 3);  // the edit itself moved the caret
  EXPECT_EQ(dialog.End, 3);
}

TEST(DialogCaption, ACaptionSetBeforeTheWindowReplacesTheTemplates) {
  ModalGuard guard;
  struct TCaptionDialog : TDialog {
    explicit TCaptionDialog(const char* caption) : TDialog(nullptr, "EXEDIALOG", &TestProgram()) {
      if (caption) SetCaption(caption);
    }
    void SetupWindow() override {
      TDialog::SetupWindow();
      char text[64] = "";
      ::GetWindowTextA(HWindow, text, sizeof text);
      Shown = text;
      PostMessage(WM_COMMAND, IDCANCEL);
    }
    std::string Shown;
  };
  TCaptionDialog renamed("Renaming page.");
  renamed.Execute();
  EXPECT_EQ(renamed.Shown, "Renaming page.");
  TCaptionDialog plain(nullptr);
  plain.Execute();
  EXPECT_EQ(plain.Shown, "Program dialog");
  EXPECT_STREQ(plain.GetCaption(), "Program dialog");
}

}  // namespace
