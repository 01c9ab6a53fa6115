// The model's dialogs behind the designer's Define commands and pickers.
#include "model/interface/model_dialogs.h"

#include "editors/win32/mediadialogs.h"
#include "editors/win32/sentencedialogs.h"
#include "editors/win32/structeditdialog.h"
#include "forms/win32/genericform.h"
#include "forms/win32/varpick.h"
#include "model/datatypes.h"
#include "model/program/program.h"
#include "model/symtable.h"

namespace zeph {
namespace {

// The unshown form that carries a pick request to the dialogs that read and fill it.
constexpr const char* kHolderResource = "FAKE";

// Runs one of the item lists over the holder, owned by the program's owner window.
void RunItemList(TProgram& program, const char* resource, TGenericForm& holder) {
  WindowAlias owner(program.OwnerWindow());
  TVFList list(owner.Get(), resource, holder);
  list.Execute();
}

}  // namespace

SymP* SelectVariable(TProgram& program, const TypeSelection* selection, const char* text, TWindow* parent) {
  TGenericForm holder(nullptr, kHolderResource);
  holder.SetProgram(&program.Symbols());
  PickRequest& request = holder.Request();
  PrepareVariableHolder(request, selection, text, &program.Symbols());
  if (parent == nullptr) {
    RunItemList(program, kFaxItemListResource, holder);
    return nullptr;
  }
  TVarPick picker(parent, kVarPickResource, request, selection != nullptr ? 1 : 0, 0);
  picker.SetProgram(&program.Symbols());
  if (picker.Execute() != IDOK) return nullptr;
  return CommitVariableChoice(request);
}

Symbol* PickVoiceSentence(TProgram& program, TWindow* parent, const char* name) {
  TGenericForm holder(nullptr, kHolderResource);
  PickRequest& request = holder.Request();
  if (name != nullptr && *name != '\0') request.Chosen = LookupSymbol(name, kTypeVoiceSentence, &program.Symbols());
  WindowAlias owner(parent == nullptr ? program.OwnerWindow() : nullptr);
  TSent list(parent != nullptr ? parent : owner.Get(), kSentListResource, request, program);
  list.Execute();
  return request.Chosen;
}

void DefineVariableCommand(TProgram& program) { SelectVariable(program, nullptr, nullptr, nullptr); }

void DefineStructureCommand(TProgram& program) {
  WindowAlias owner(program.OwnerWindow());
  TStructEdit editor(owner.Get(), kStructEditResource, program);
  editor.Execute();
}

int DefineVoiceSentenceCommand(TProgram& program) {
  TGenericForm holder(nullptr, kHolderResource);
  PrepareVariableHolder(holder.Request(), nullptr, nullptr, &program.Symbols());
  RunItemList(program, kVoiceFileListResource, holder);
  return 0;
}

}  // namespace zeph
