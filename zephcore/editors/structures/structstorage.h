#pragma once
// Storage of structured variables after a structure's members changed.

#include <vector>

#include "model/structdef.h"

namespace zeph {

class TProgram;

// The structure and every structure that holds it as a member at any depth.
std::vector<StructDef*> StructuresHolding(StructDef& def, TProgram& program);

// Every variable declared with the structure, or with a structure that holds it, gets a
// zero-filled value block of its type's new size times its element count in place of its
// old data (variables without data are left alone), and a Parameter's interface entry the
// new size: a block shorter than its layout would be read past its end.
void RebuildStructureStorage(StructDef& def, TProgram& program);

}  // namespace zeph
