// The variable set-up dialogs over the window-class layer.
#include "model/program/setupdlg.h"

#include <windows.h>

#include <vector>

#include "foundation/kvmsgbox.h"
#include "model/pbaccess_msgtext.h"

namespace zeph {
namespace {

constexpr int kValueControl = 386;
constexpr int kOnButton = 701;
constexpr int kOffButton = 702;
constexpr int kValueLimit = 512;   // characters with the terminator

}  // namespace

TSetup::TSetup(TWindow* parent, Symbol* variable, const char* memberPath, TModule* module, SymbolTable* program)
    : TBaseDialog(parent, kSetupDialog, module),
      setup_(variable, memberPath, program),
      edit_(new TEdit(this, kValueControl, kValueLimit)) {}

void TSetup::SetupWindow() {
  TBaseDialog::SetupWindow();
  SetCaption(setup_.Caption().c_str());
  SetHelpName("Setup Variable");
  if (setup_.HasStorage()) edit_->SetText(setup_.CurrentText().c_str());
}

bool TSetup::CanClose() {
  if (!TBaseDialog::CanClose()) return false;
  std::vector<char> text(kValueLimit, '\0');
  edit_->GetText(text.data(), kValueLimit);
  const int rc = setup_.ApplyText(text.data());
  if (rc == 0) return true;
  KvMessageBoxRequest request;
  request.text = PBMessageText(rc);
  request.caption = "Flowsmith";
  request.style = kKvMbOk | kKvMbIconHand;
  request.owner = KvBoxOwner::Window;
  request.window = HWindow;
  KvMessageBox(request);
  return false;
}

TSetupBoolean::TSetupBoolean(TWindow* parent, Symbol* variable, const char* memberPath, TModule* module,
                             SymbolTable* program)
    : TBaseDialog(parent, kSetupBooleanDialog, module), setup_(variable, memberPath, program) {}

void TSetupBoolean::SetupWindow() {
  TBaseDialog::SetupWindow();
  SetCaption(setup_.Caption().c_str());
  SetHelpName("Setup Variable");
  // Exactly one of the two is checked: off unless the stored value is set.
  const bool on = setup_.CurrentFlag();
  ::CheckRadioButton(HWindow, kOnButton, kOffButton, on ? kOnButton : kOffButton);
}

bool TSetupBoolean::CanClose() {
  if (!TBaseDialog::CanClose()) return false;
  setup_.ApplyFlag(::IsDlgButtonChecked(HWindow, kOnButton) == BST_CHECKED);
  return true;
}

}  // namespace zeph
