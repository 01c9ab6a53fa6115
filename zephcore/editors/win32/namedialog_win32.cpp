// The name entry dialogs.
#include "editors/win32/namedialog.h"

#include <new>

#include "editors/structures/structlist.h"
#include "editors/win32/stopbox.h"
#include "model/pbaccess_msgtext.h"
#include "model/program/program.h"
#include "model/symnames.h"

namespace zeph {

namespace {
constexpr UINT kNameEditLimit = 31;
constexpr int kSymbolNameLength = 30;
}  // namespace

TStructName::TStructName(TWindow* parent, const char* resource, std::string& name, const std::string& caption,
                         const std::string& oldName, TProgram& program)
    : TBaseDialog(parent, resource), name_(name), caption_(caption), oldName_(oldName), program_(program) {
  edit_ = new (std::nothrow) TEdit(this, kStructNameEdit, kNameEditLimit);
}

TStructName::~TStructName() = default;

void TStructName::SetupWindow() {
  TBaseDialog::SetupWindow();
  if (!caption_.empty()) ::SetWindowTextA(HWindow, caption_.c_str());
}

std::string TStructName::Check(const std::string& name) { return CheckStructureNameEntry(name, program_); }

bool TStructName::CanClose() {
  char text[kNameEditLimit + 1] = {};
  if (edit_ != nullptr && edit_->HWindow != nullptr) edit_->GetText(text, sizeof text);
  const std::string refusal = Check(text);
  if (!refusal.empty()) {
    ShowStopBox(HWindow, refusal);
    return false;
  }
  name_ = text;
  return true;
}

std::string TSymName::Check(const std::string& name) {
  const int rc = CheckSymbolName(name.c_str(), kSymbolNameLength, '_', &Program().Symbols());
  return rc == 0 ? std::string() : std::string(PBMessageText(rc));
}

}  // namespace zeph
