#pragma once
// Giving back what a VavurOrezo instance holds when it is deleted, when a failed add is
// undone, or when its program is emptied.

#include "model/pbentry_instance.h"

namespace zeph {

class TProgram;

// Releases with the field table of the instance's type.
int PBEntryReleaseRefs(PBInstance& instance, TProgram* program = nullptr);
// The gotos of other VavurOrezos to it are disconnected (not while the program is being
// emptied), the references and constants of its edit fields given back, a Custom
// VavurOrezo's use returned to the instance's own program, and when its VavurOrezo symbol
// is found the symbol is marked deleted, the instance freed and the program's count
// lowered. The instance must not be used afterwards. The page-scope check gets back the
// value it had. 0.
int PBEntryReleaseFieldRefs(PBInstance& instance, const PBFieldDef* table, TProgram* program = nullptr);

}  // namespace zeph
