// Picking a voice sentence for a form's field.
#include "forms/win32/sentencepick.h"

#include <memory>
#include <new>

#include "editors/win32/sentencedialogs.h"
#include "foundation/kvassert.h"
#include "model/modelcodes.h"
#include "model/program/program.h"

namespace zeph {

int PickSentenceField(TGenericForm& form, const PBFieldDef& entry, TEdit* edit) {
  PickRequest& request = form.Request();
  request.TakeRestrictions(entry);
  PickReadFieldRef(request, edit, form.Program());
  TProgram* program = TProgram::Current();
  if (!KV_ASSERT(program != nullptr)) return IDCANCEL;
  std::unique_ptr<TSent> list(new (std::nothrow) TSent(&form, kSentListResource, request, *program));
  if (!list) {
    ShowFormMessage(form.HWindow, kErrOutOfMemory);
    return IDCANCEL;
  }
  const int result = list->Execute();
  if (result == IDOK && edit != nullptr && edit->HWindow != nullptr) {
    edit->SetText(ChosenReferenceText(request, form.Program()).c_str());
  }
  return result;
}

}  // namespace zeph
