// The resize dialog.
#include "editors/win32/resizedialog.h"

#include <new>

#include "editors/win32/stopbox.h"
#include "model/pbaccess_msgtext.h"

namespace zeph {
namespace {

void SetItemText(HWND dialog, int id, const std::string& text) { ::SetDlgItemTextA(dialog, id, text.c_str()); }
void EnableItems(HWND dialog, std::initializer_list<int> ids, bool on) {
  for (int id : ids) ::EnableWindow(::GetDlgItem(dialog, id), on ? TRUE : FALSE);
}

}  // namespace

TResizeDialog::TResizeDialog(TWindow* parent, const char* resource, Symbol* symbol, TProgram* program)
    : TBaseDialog(parent, resource), symbol_(symbol), program_(program) {
  MakeControls();
}

TResizeDialog::TResizeDialog(TWindow* parent, const char* resource, StructMember* member)
    : TBaseDialog(parent, resource), member_(member) {
  MakeControls();
}

TResizeDialog::~TResizeDialog() = default;

void TResizeDialog::MakeControls() {
  newString_ = new (std::nothrow) TEdit(this, kResizeNewString, 7u);
  newCount_ = new (std::nothrow) TEdit(this, kResizeNewArray, 7u);
  SetHelpName("Resize");
}

std::string TResizeDialog::Read(TEdit* edit) const {
  char text[16] = {};
  if (edit != nullptr && edit->HWindow != nullptr) edit->GetText(text, sizeof text);
  return text;
}

void TResizeDialog::SetupWindow() {
  TBaseDialog::SetupWindow();
  ResizeView view;
  if (symbol_ != nullptr && program_ != nullptr) {
    view = DescribeResize(*symbol_, *program_);
  } else if (member_ != nullptr) {
    view = DescribeResize(*member_);
  }
  SetItemText(HWindow, kResizeName, view.Name);
  SetItemText(HWindow, kResizeType, view.TypeText);
  SetItemText(HWindow, kResizeStringSize, view.StringSize);
  SetItemText(HWindow, kResizeNewString, view.StringSize);
  EnableItems(HWindow, {kResizeStringLabel, kResizeStringSize, kResizeNewStringLabel, kResizeNewString},
              view.StringEnabled);
  SetItemText(HWindow, kResizeArraySize, view.Count);
  SetItemText(HWindow, kResizeNewArray, view.Count);
  EnableItems(HWindow, {kResizeArrayLabel, kResizeArraySize, kResizeNewArrayLabel, kResizeNewArray},
              view.ArrayEnabled);
}

bool TResizeDialog::CanClose() {
  ResizeOutcome outcome;
  if (symbol_ != nullptr && program_ != nullptr) {
    outcome = ApplyResize(*symbol_, Read(newString_), Read(newCount_), *program_);
  } else if (member_ != nullptr) {
    outcome = ApplyResize(*member_, Read(newString_));
  }
  if (!outcome.Done) {
    ShowStopBox(HWindow, outcome.Message);
    TEdit* at = outcome.Focus == ResizeFocus::Count ? newCount_ : newString_;
    if (at != nullptr && at->HWindow != nullptr) at->SetFocus();
    return false;
  }
  if (outcome.InterfaceCode != 0) ShowStopBox(HWindow, PBMessageText(outcome.InterfaceCode));
  return true;
}

}  // namespace zeph
