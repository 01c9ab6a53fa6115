// The walk over a program's VavurOrezos: one summary per call, node before its subtrees.
#include <vector>

#include "model/datatypes.h"
#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"

using zeph::Symbol;
using zeph::TProgram;

namespace {

struct Walk {
  TProgram* Program = nullptr;
  std::uint32_t Serial = 0;
  std::uint32_t Resets = 0;
  bool Running = false;
  std::vector<Symbol*> Stack;
  VlxVavurOrezoSummary Summary;
};

Walk& TheWalk() {
  static Walk walk;
  return walk;
}

// The walk still belongs to the program as it was when the walk started.
bool StillValid(const Walk& walk, TProgram* program) {
  return walk.Program == program && TProgram::IsLive(program) && program->SerialNumber() == walk.Serial &&
         program->ResetCount() == walk.Resets;
}

}  // namespace

VlxVavurOrezoSummary* vlxGetVavurOrezoInfo(vlxHandleType handle) {
  auto* program = static_cast<TProgram*>(handle);
  zeph::EnsureLibraryStarted();
  Walk& walk = TheWalk();
  if (!TProgram::IsLive(program)) return nullptr;
  return zeph::GuardExport<VlxVavurOrezoSummary*>(nullptr, [&]() -> VlxVavurOrezoSummary* {
    if (walk.Running && walk.Program == program && !StillValid(walk, program)) {
      // The program was emptied under the walk: its nodes are gone, so the walk ends.
      walk.Stack.clear();
      walk.Running = false;
      walk.Resets = program->ResetCount();
      return nullptr;
    }
    if (!walk.Running || walk.Program != program) {
      walk.Program = program;
      walk.Serial = program->SerialNumber();
      walk.Resets = program->ResetCount();
      walk.Running = true;
      walk.Stack.clear();
      if (Symbol* root = *program->Symbols().TreeSlot(zeph::kTypeVavurOrezo)) walk.Stack.push_back(root);
    }
    while (!walk.Stack.empty()) {
      Symbol* node = walk.Stack.back();
      walk.Stack.pop_back();
      if (node->Right != nullptr) walk.Stack.push_back(node->Right);
      if (node->Left != nullptr) walk.Stack.push_back(node->Left);
      zeph::PBInstance* instance = node->Deleted ? nullptr : zeph::InstanceOf(node);
      if (instance == nullptr) continue;
      walk.Summary = VlxVavurOrezoSummary();
      walk.Summary.Instance = instance;
      walk.Summary.SameInstance = instance;
      walk.Summary.Type = instance->Type;
      walk.Summary.Companion = instance->Companion.c_str();
      walk.Summary.X = instance->X;
      walk.Summary.Y = instance->Y;
      return &walk.Summary;
    }
    walk.Running = false;
    return nullptr;
  });
}
