#include "editor/clipboard/resolveconflictdlg.h"

#include <windows.h>

#include "foundation/kvflthnd.h"

namespace ed {
namespace {

constexpr int kNameLimit = 31;
constexpr int kIdLimit = 5;

const int kIdControls[] = {kConflictDefaultIdLabel, kConflictDefaultId, kConflictNewIdLabel, kConflictNewId};

// The refusal through the fault handler, as every message of the designer's string table.
void ReportRefusal(int messageId) {
  KvFaultHandlerObj* handler = KvGetFaultHandler();
  if (handler == nullptr) return;
  KvFaultMessage message(static_cast<UINT>(messageId));
  handler->Report(0, kKvSeverityWarning, kKvButtonsOk, kKvFaultOk, &message, nullptr, 0, __FILE__, __LINE__);
}

std::string ItemText(HWND dialog, int id) {
  char text[64] = {};
  ::GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

// Dialog answers as ResolveAll counts them.
int Outcome(int closedWith) { return closedWith == IDOK ? 1 : 2; }

}  // namespace

DEFINE_RESPONSE_TABLE(TResolveConflictDlg, TBaseDialog)
    EV_BN_CLICKED(kConflictDefaultRadio, CmDefault),
    EV_BN_CLICKED(kConflictNewRadio, CmNew),
    EV_BN_CLICKED(kConflictSkip, CmSkip),
    EV_BN_CLICKED(kConflictReplace, CmReplace),
    EV_BN_CLICKED(kConflictChange, CmChange),
    EV_BN_CLICKED(kConflictAll, CmAll),
END_RESPONSE_TABLE;

TResolveConflictDlg::TResolveConflictDlg(TWindow* parent, KvCopyConflict& conflicts, int index, bool identical,
                                         bool* allFlag, bool* replaceAll, bool* lastSkipAll,
                                         std::vector<zeph::TClipInfo>* clipboardList)
    : TBaseDialog(parent, identical ? kConflictIdenticalTemplate : kConflictNameTemplate),
      conflicts_(conflicts),
      index_(index),
      identical_(identical),
      allFlag_(allFlag),
      replaceAll_(replaceAll),
      lastSkipAll_(lastSkipAll),
      clipboardList_(clipboardList),
      texts_(ConflictTexts(conflicts, index, identical)) {
  SetHelpName(texts_.helpName.c_str());
}

void TResolveConflictDlg::SetupWindow() {
  TBaseDialog::SetupWindow();
  HWND dialog = HWindow;
  ::SetWindowTextA(dialog, texts_.title.c_str());
  ::SetDlgItemTextA(dialog, kConflictAlready, texts_.already.c_str());
  if (!identical_) ::SetDlgItemTextA(dialog, kConflictQuestion, texts_.question.c_str());
  ::SendDlgItemMessageA(dialog, kConflictNewName, EM_LIMITTEXT, kNameLimit, 0);
  ::SendDlgItemMessageA(dialog, kConflictNewId, EM_LIMITTEXT, kIdLimit, 0);
  ::CheckRadioButton(dialog, kConflictDefaultRadio, kConflictNewRadio, kConflictDefaultRadio);
  ::SetDlgItemTextA(dialog, kConflictDefaultName, texts_.defaultName.c_str());
  Enable(kConflictNewName, false);
  if (texts_.block) {
    for (int id : kIdControls) ::ShowWindow(::GetDlgItem(dialog, id), SW_HIDE);
  } else {
    if (identical_) ::CheckRadioButton(dialog, kConflictSkip, kConflictChange, kConflictChange);
    ::SetDlgItemTextA(dialog, kConflictAll, "Change All");
    ::SetDlgItemTextA(dialog, kConflictDefaultId, texts_.defaultId.c_str());
    Enable(kConflictNewId, false);
    Enable(kConflictAll, true);
  }
  // Centred on the desktop.
  RECT r;
  ::GetWindowRect(dialog, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  ::SetWindowPos(dialog, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - w) / 2, (::GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TResolveConflictDlg::Enable(int id, bool on) { ::EnableWindow(::GetDlgItem(HWindow, id), on ? TRUE : FALSE); }

bool TResolveConflictDlg::Checked(int id) const { return ::IsDlgButtonChecked(HWindow, id) == BST_CHECKED; }

void TResolveConflictDlg::CmDefault() {
  ::CheckRadioButton(HWindow, kConflictDefaultRadio, kConflictNewRadio, kConflictDefaultRadio);
  Enable(kConflictNewName, false);
  Enable(kConflictNewId, false);
  Enable(kConflictAll, true);
}

void TResolveConflictDlg::CmNew() {
  ::CheckRadioButton(HWindow, kConflictDefaultRadio, kConflictNewRadio, kConflictNewRadio);
  Enable(kConflictNewName, true);
  Enable(kConflictNewId, true);
  Enable(kConflictAll, false);
  ::SetFocus(::GetDlgItem(HWindow, kConflictNewName));
}

void TResolveConflictDlg::Identical(int radio) {
  ::CheckRadioButton(HWindow, kConflictSkip, kConflictChange, radio);
  bool replaceAll = replaceAll_ != nullptr && *replaceAll_;
  const char* caption = ApplyIdenticalChoice(*conflicts_.GetAt(index_), radio, replaceAll);
  if (replaceAll_ != nullptr) *replaceAll_ = replaceAll;
  ::SetDlgItemTextA(HWindow, kConflictAll, caption);
  const bool change = radio == kConflictChange;
  for (int id : {kConflictDefaultRadio, kConflictNewRadio, kConflictDefaultName, kConflictDefaultIdLabel,
                 kConflictDefaultId, kConflictNewIdLabel}) {
    Enable(id, change);
  }
  if (change) {
    if (Checked(kConflictNewRadio)) {
      CmNew();
    } else {
      CmDefault();
    }
  } else {
    Enable(kConflictNewName, false);
    Enable(kConflictNewId, false);
    Enable(kConflictAll, true);
  }
}

void TResolveConflictDlg::CmSkip() { Identical(kConflictSkip); }
void TResolveConflictDlg::CmReplace() { Identical(kConflictReplace); }
void TResolveConflictDlg::CmChange() { Identical(kConflictChange); }

void TResolveConflictDlg::CmAll() {
  if (allFlag_ != nullptr) *allFlag_ = true;
  if (lastSkipAll_ != nullptr) *lastSkipAll_ = identical_ && Checked(kConflictSkip);
  CloseWindow(IDOK);
}

bool TResolveConflictDlg::CanClose() {
  if (!TBaseDialog::CanClose()) return false;
  if (identical_ && (Checked(kConflictReplace) || Checked(kConflictSkip))) return true;
  if (Checked(kConflictDefaultRadio)) return true;
  const ConflictRefusal refusal =
      AcceptTypedChoice(conflicts_, index_, ItemText(HWindow, kConflictNewName), ItemText(HWindow, kConflictNewId),
                        clipboardList_);
  if (refusal.messageId == 0) return true;
  ReportRefusal(refusal.messageId);
  HWND edit = ::GetDlgItem(HWindow, refusal.control);
  ::SetFocus(edit);
  ::SendMessageA(edit, EM_SETSEL, 0, -1);
  return false;
}

int WindowsConflictDialogs::AskName(KvCopyConflict& conflicts, int index, bool& allNames) {
  TResolveConflictDlg dialog(parent_, conflicts, index, false, &allNames, nullptr, nullptr, clipboardList_);
  return Outcome(dialog.Execute());
}

int WindowsConflictDialogs::AskIdentical(KvCopyConflict& conflicts, int index, bool& allIdentical, bool& replaceAll,
                                         bool& lastSkipAll) {
  TResolveConflictDlg dialog(parent_, conflicts, index, true, &allIdentical, &replaceAll, &lastSkipAll,
                             clipboardList_);
  return Outcome(dialog.Execute());
}

}  // namespace ed
