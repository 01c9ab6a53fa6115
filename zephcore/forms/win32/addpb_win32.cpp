// The Custom VavurOrezos dialog.
#include "forms/win32/addpb.h"

#include <new>
#include <string>

#include "forms/win32/genericform.h"
#include "foundation/kvmsgbox.h"
#include "model/custompb.h"
#include "model/listsink.h"
#include "model/modelcodes.h"
#include "model/program/program.h"
#include "pane/addpbids.h"
#include "programfile/build/codeeditors.h"

namespace zeph {
namespace {

constexpr int kNameEdit = IDC_ADDPB_NAME;
constexpr int kNameList = IDC_ADDPB_LIST;
constexpr int kAddButton = IDC_ADDPB_ADD;
constexpr int kDeleteButton = IDC_ADDPB_DELETE;
constexpr int kSetupButton = IDC_ADDPB_SETUP;
constexpr int kNameTextLimit = 128;

class ListBoxSink : public ListSink {
 public:
  explicit ListBoxSink(TListBox& list) : list_(list) {}
  void AddLine(const char* text) override { list_.AddString(text); }

 private:
  TListBox& list_;
};

TProgram* ProgramOr(TProgram* program) { return program != nullptr ? program : TProgram::Current(); }

}  // namespace

DEFINE_RESPONSE_TABLE(TAddPB, TBaseDialog)
  EV_COMMAND(kAddButton, CmAdd),
  EV_COMMAND(kDeleteButton, CmDelete),
  EV_COMMAND(kSetupButton, CmSetup),
END_RESPONSE_TABLE;

TAddPB::TAddPB(TWindow* parent, const char* resource, TProgram* program)
    : TBaseDialog(parent, resource), program_(program) {
  name_ = new (std::nothrow) TEdit(this, kNameEdit, kNameTextLimit);
  list_ = new (std::nothrow) TListBox(this, kNameList);
  if (name_ == nullptr || list_ == nullptr) ShowFormMessage(nullptr, kErrOutOfMemory);
}

void TAddPB::SetupWindow() {
  TBaseDialog::SetupWindow();
  if (TProgram* program = ProgramOr(program_); program != nullptr && list_ != nullptr) {
    ListBoxSink sink(*list_);
    CustomPBEnumerate(program->CustomVavurOrezos(), sink);
    list_->SetSelIndex(0);
  }
  SetCaption("Custom VavurOrezos");
  SetHelpName("Custom VavurOrezos");
}

std::string TAddPB::SelectedName() const {
  if (list_ == nullptr) return std::string();
  const int index = list_->GetSelIndex();
  if (index < 0) return std::string();
  std::string text(static_cast<std::size_t>(list_->GetStringLen(index)) + 1, '\0');
  list_->GetString(text.data(), index);
  text.resize(text.find('\0'));
  return text;
}

void TAddPB::CmAdd() {
  TProgram* program = ProgramOr(program_);
  if (program == nullptr || name_ == nullptr || list_ == nullptr) return;
  char text[kNameTextLimit] = {};
  name_->GetText(text, sizeof text);
  const int rc = CustomPBAdd(program->CustomVavurOrezos(), text, &program->Symbols());
  if (rc != 0) {
    ShowFormMessage(HWindow, rc);
    return;
  }
  const int index = list_->AddString(text);
  list_->SetSelIndex(index);
  name_->SetText("");
}

void TAddPB::CmDelete() {
  TProgram* program = ProgramOr(program_);
  if (program == nullptr) return;
  const std::string name = SelectedName();
  if (name.empty()) {
    ShowFormMessage(HWindow, kErrSelectVavurOrezoType);
    return;
  }
  const CustomPBEntry* entry = CustomPBFind(program->CustomVavurOrezos(), name.c_str());
  if (entry == nullptr) return;
  if (entry->RefCount != 0) {
    ShowFormMessage(HWindow, kErrCustomPBInUse);
    return;
  }
  const std::string question = "Delete " + name + " ?";
  KvMessageBoxRequest box;
  box.text = question.c_str();
  box.caption = "";
  box.style = kKvMbYesNo | kKvMbIconQuestion;
  box.owner = KvBoxOwner::Window;
  box.window = HWindow;
  if (KvMessageBox(box) != IDYES) return;
  if (CustomPBRemove(program->CustomVavurOrezos(), name.c_str()) != 0) return;
  list_->DeleteString(list_->GetSelIndex());
  list_->SetSelIndex(0);
}

void TAddPB::CmSetup() {
  TProgram* program = ProgramOr(program_);
  if (program == nullptr) return;
  if (program->CustomEditorOpen) {
    ShowFormMessage(HWindow, kErrEditWindowOpen);
    return;
  }
  const std::string name = SelectedName();
  if (name.empty()) {
    ShowFormMessage(HWindow, kErrSelectVavurOrezoType);
    return;
  }
  CustomPBEntry* entry = CustomPBFind(program->CustomVavurOrezos(), name.c_str());
  if (entry == nullptr) return;
  chosen_ = entry;
  CloseWindow(1);
}

void CustomVavurOrezoCommand(TWindow* parent, TProgram* program) {
  program = ProgramOr(program);
  if (program == nullptr) return;
  if (program->CustomEditorOpen) {
    ShowFormMessage(parent != nullptr ? parent->HWindow : nullptr, kErrEditWindowOpen);
    return;
  }
  TAddPB dialog(parent, kAddPBResource, program);
  if (dialog.Execute() == 1 && dialog.Chosen() != nullptr) OpenCustomPBEditor(*program, *dialog.Chosen(), 0);
}

}  // namespace zeph
