// The create-variable dialog.
#include "editors/win32/makevardialog.h"

#include <new>

#include "editors/variables/scopes.h"
#include "forms/engine/formcodes.h"
#include "forms/win32/genericform.h"
#include "forms/win32/varpick.h"
#include "editors/win32/stopbox.h"
#include "model/interface/palette.h"
#include "model/program/program.h"

namespace zeph {
namespace {

constexpr UINT kEditLimit = 31;
constexpr const char* kStringTypeName = "*STRING";

template <class T, class... Args>
T* Make(bool& ok, Args&&... args) {
  if (!ok) return nullptr;
  T* made = new (std::nothrow) T(std::forward<Args>(args)...);
  ok = made != nullptr;
  return made;
}

bool Checked(TRadioButton* b) { return b != nullptr && b->HWindow != nullptr && b->GetCheck() == BF_CHECKED; }
void Enable(TWindow* w, bool on) {
  if (w != nullptr && w->HWindow != nullptr) w->EnableWindow(on);
}
std::string TextOf(TEdit* e, int limit) {
  std::string text(static_cast<std::size_t>(limit) + 1, '\0');
  if (e == nullptr || e->HWindow == nullptr) return "";
  e->GetText(text.data(), limit + 1);
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

}  // namespace

DEFINE_RESPONSE_TABLE(TVarMake, TBaseDialog)
  EV_LBN_SELCHANGE(kMakeVarTypes, EvTypeChange),
  EV_BN_CLICKED(kMakeVarGlobal, EvCountScope),
  EV_BN_CLICKED(kMakeVarLocal, EvCountScope),
  EV_BN_CLICKED(kMakeVarSystem, EvCountScope),
  EV_BN_CLICKED(kMakeVarParameter, EvParameterScope),
END_RESPONSE_TABLE;

TVarMake::TVarMake(TWindow* parent, const char* resource, PickRequest& request, TProgram& program)
    : TBaseDialog(parent, resource), request_(request), program_(program) {
  bool ok = true;
  types_ = Make<TListBox>(ok, this, kMakeVarTypes);
  name_ = Make<TEdit>(ok, this, kMakeVarName, kEditLimit);
  size_ = Make<TEdit>(ok, this, kMakeVarSize, kEditLimit);
  count_ = Make<TEdit>(ok, this, kMakeVarCount, kEditLimit);
  global_ = Make<TRadioButton>(ok, this, kMakeVarGlobal, nullptr);
  local_ = Make<TRadioButton>(ok, this, kMakeVarLocal, nullptr);
  parameter_ = Make<TRadioButton>(ok, this, kMakeVarParameter, nullptr);
  system_ = Make<TRadioButton>(ok, this, kMakeVarSystem, nullptr);
  if (!ok) {
    ShowFormMessage(nullptr, kErrOutOfMemory);
    return;
  }
  SetHelpName("Create Variable");
}

TVarMake::~TVarMake() = default;

void TVarMake::SetupWindow() {
  TBaseDialog::SetupWindow();
  if (types_ != nullptr && types_->HWindow != nullptr) {
    for (const std::string& name : MakeVariableTypeNames(request_.Mask(), program_.Symbols(), BackTypesOffered())) {
      types_->AddString(name.c_str());
    }
    types_->SetSelIndex(0);
  }
  if (size_ != nullptr && size_->HWindow != nullptr) size_->SetText("1");
  Enable(size_, false);
  sizeEnabled_ = false;
  if (count_ != nullptr && count_->HWindow != nullptr) count_->SetText("1");
  if (SelectedType() == kStringTypeName) {
    Enable(size_, true);
    size_->SetText("64");
    sizeEnabled_ = true;
  }
  for (TRadioButton* b : {global_, local_, parameter_, system_}) {
    if (b != nullptr && b->HWindow != nullptr) b->SetCheck(b == global_ ? BF_CHECKED : BF_UNCHECKED);
  }
  const MakeVariableScopes scopes = AvailableScopes(program_);
  Enable(local_, scopes.Local);
  Enable(parameter_, scopes.Parameter);
}

std::string TVarMake::SelectedType() const {
  if (types_ == nullptr || types_->HWindow == nullptr) return "";
  const int at = types_->GetSelIndex();
  if (at < 0) return "";
  char text[128] = {};
  if (types_->GetStringLen(at) >= static_cast<int>(sizeof text)) return "";
  types_->GetString(text, at);
  return text;
}

void TVarMake::EvTypeChange() {
  const bool isString = SelectedType() == kStringTypeName;
  if (isString && !sizeEnabled_) {
    Enable(size_, true);
    size_->SetText("64");
    sizeEnabled_ = true;
  } else if (!isString && sizeEnabled_) {
    size_->SetText("1");
    Enable(size_, false);
    sizeEnabled_ = false;
  }
}

void TVarMake::EvCountScope() { Enable(count_, true); }

void TVarMake::EvParameterScope() {
  if (!Checked(parameter_)) return;
  if (count_ != nullptr && count_->HWindow != nullptr) count_->SetText("1");
  Enable(count_, false);
}

int TVarMake::CheckedScope() const {
  if (Checked(local_)) return kScopeLocal;
  if (Checked(parameter_)) return kScopeParameter;
  if (Checked(system_)) return kScopeSystemGlobal;
  return kScopeGlobal;
}

bool TVarMake::CanClose() {
  MakeVariableInput input;
  input.TypeName = SelectedType();
  input.Name = TextOf(name_, 30);
  input.SizeText = TextOf(size_, 6);
  input.CountText = TextOf(count_, 6);
  input.Scope = CheckedScope();
  input.MinNumber = request_.MinNumber;
  const MakeVariableResult result = MakeVariable(input, program_);
  if (result.Created == nullptr) {
    ShowStopBox(HWindow, result.Message);
    return false;
  }
  created_ = result.Created;
  if (auto* picker = dynamic_cast<TVarPick*>(Parent)) picker->SetCurrentSymbol(created_);
  return true;
}

}  // namespace zeph
