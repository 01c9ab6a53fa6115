// Record forms run on a variable's or a member's bytes.
#include "editors/win32/setupforms.h"

#include <cstring>
#include <memory>
#include <new>

#include "editors/variables/setupplan.h"
#include "forms/win32/genericform.h"
#include "forms/win32/gridforms.h"
#include "forms/win32/keymaskforms.h"
#include "forms/win32/paramforms.h"
#include "forms/win32/vcrform.h"
#include "model/modelcodes.h"
#include "model/symbol.h"

namespace zeph {
namespace {

using FormMaker = TBlockForm* (*)(TWindow* parent, const char* resource, unsigned char* bytes, int size, bool readOnly);

template <class Form>
TBlockForm* WithFlag(TWindow* parent, const char* resource, unsigned char* bytes, int size, bool readOnly) {
  return new (std::nothrow) Form(parent, resource, bytes, readOnly, size);
}
template <class Form>
TBlockForm* WithoutFlag(TWindow* parent, const char* resource, unsigned char* bytes, int size, bool) {
  return new (std::nothrow) Form(parent, resource, bytes, size);
}

struct FormClass {
  const char* Name;
  FormMaker Make;
};
// The forms that a variable or a member of a record type opens, by class name.
constexpr FormClass kClasses[] = {
    {"TEntryKParm", &WithoutFlag<TEntryKParm>},     {"TEntrySParm", &WithoutFlag<TEntrySParm>},
    {"TOtherParm", &WithoutFlag<TOtherParm>},       {"TMenuParmForm", &WithFlag<TMenuParmForm>},
    {"TMsgParm", &WithoutFlag<TMsgParm>},           {"TEntParmForm", &WithFlag<TEntParmForm>},
    {"TRecParmForm", &WithFlag<TRecParmForm>},      {"TMulParmForm", &WithFlag<TMulParmForm>},
    {"TMenuKParm", &WithoutFlag<TMenuKParm>},       {"TMenuSParm", &WithoutFlag<TMenuSParm>},
    {"TFileParmForm", &WithFlag<TFileParmForm>},    {"TPlayParm", &WithFlag<TPlayParm>},
    {"TVCRForm", &WithFlag<TVCRForm>},              {"TRecordSmall", &WithFlag<TRecordSmall>},
    {"TVRecParmForm", &WithFlag<TVRecParmForm>},    {"TToneParmForm", &WithFlag<TToneParmForm>},
    {"TAdrTypeFilterDialog", &WithoutFlag<TAdrTypeFilterDialog>},
    {"TPlayKParm", &WithoutFlag<TPlayKParm>},       {"TPlaySParm", &WithoutFlag<TPlaySParm>},
};

FormMaker FindMaker(const char* name) {
  for (const FormClass& c : kClasses) {
    if (std::strcmp(c.Name, name) == 0) return c.Make;
  }
  return nullptr;
}

}  // namespace

int RunRecordForm(TWindow* parent, const RecordFormRun& run) {
  const FormMaker make = FindMaker(run.FormClass);
  if (make == nullptr || run.Bytes == nullptr) return IDCANCEL;
  std::unique_ptr<TBlockForm> form(make(parent, run.Resource, run.Bytes, run.Size, run.ReadOnly));
  if (!form) {
    ShowFormMessage(parent != nullptr ? parent->HWindow : nullptr, kErrOutOfMemory);
    return IDCANCEL;
  }
  form->SetCaption(run.Caption.c_str());
  if (run.HelpName != nullptr) form->SetHelpName(run.HelpName);
  return form->Execute();
}

int OpenVariableSetupForm(TWindow* parent, const SetupPlan& plan, Symbol& variable, ValueBlockData* block) {
  if (plan.Action != SetupAction::Form || plan.Form == nullptr || block == nullptr) return IDCANCEL;
  RecordFormRun run{plan.Form->FormClass,
                    plan.Form->Resource,
                    plan.Caption,
                    plan.Form->HelpName,
                    block->Bytes(),
                    static_cast<int>(block->Size()),
                    plan.Form->PassesConstant && variable.IsConst != 0};
  return RunRecordForm(parent, run);
}

}  // namespace zeph
