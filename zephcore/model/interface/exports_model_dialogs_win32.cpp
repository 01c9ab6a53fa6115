// The designer's Define commands and pickers: each runs its model dialog on the current
// program and does nothing without one.
#include "model/interface/exports_common.h"
#include "model/interface/model_dialogs.h"
#include "model/interface/vlx.h"

namespace {

// The work of an export on the current program; the neutral answer without one.
template <class R, class F>
R OnCurrentProgram(R neutral, F&& work) {
  zeph::TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return neutral;
  return zeph::GuardExport(neutral, [&]() -> R { return work(*program); });
}

}  // namespace

vlxHandleType vlxSelectVariable(const char* field, int kind, std::int32_t mask1, std::int32_t mask2, HWND owner) {
  return OnCurrentProgram<vlxHandleType>(nullptr, [&](zeph::TProgram& program) -> vlxHandleType {
    const zeph::TypeSelection selection =
        zeph::SelectionForKind(kind, static_cast<std::uint32_t>(mask1), static_cast<std::uint32_t>(mask2));
    zeph::WindowAlias parent(owner);
    return zeph::SelectVariable(program, &selection, field, parent.Get());
  });
}

zeph::Symbol* vlxPickVoiceSentence(TWindow* owner, const char* initialName) {
  return OnCurrentProgram<zeph::Symbol*>(
      nullptr, [&](zeph::TProgram& program) { return zeph::PickVoiceSentence(program, owner, initialName); });
}

void vlxDefineVariableCommand() {
  OnCurrentProgram(0, [](zeph::TProgram& program) { return zeph::DefineVariableCommand(program), 0; });
}

void vlxDefineStructureCommand() {
  OnCurrentProgram(0, [](zeph::TProgram& program) { return zeph::DefineStructureCommand(program), 0; });
}

int vlxDefineVoiceSentenceCommand() {
  return OnCurrentProgram(0, [](zeph::TProgram& program) { return zeph::DefineVoiceSentenceCommand(program); });
}
