#pragma once
// The "{VavurOrezos}" section: every live VavurOrezo instance with its header and its
// parameter area (word tables and value slots, laid out by the type's parameter layout).

#include <cstdint>
#include <memory>

#include "model/pbfielddef.h"

namespace zeph {

struct EdContext;
struct PBConversion;
struct PBInstance;
struct PBParmLayout;
struct Symbol;
class SymbolTable;
class TProgram;

// Writes the section. 0 or 9754.
int WriteVavurOrezos(TProgram& program);

// Reads the section (its begin tag already taken) and attaches each instance to its
// VavurOrezo symbol; older parameter records are converted. 0, -158, -102, 9754.
int ReadVavurOrezos(EdContext& ctx);

// Block types renumbered since older versions.
int RenumberedType(int type, double fileVersion);
// The parts of the parameter area of a type, and the table whose entries count its slots.
const PBParmLayout* LayoutOf(int type);
const PBFieldDef* DescriptionOf(int type);
// The table a structure id names, else the given one.
const PBFieldDef* DescriptionTable(const PBFieldDef* ownTable, std::uint16_t structId);

// An instance read in an older definition made anew in the current one: the new one
// starts from its defaults and takes over what the conversion moves. 0, -102, or the
// conversion's code (the instance is then the new one as far as it got).
int ConvertReadInstance(const PBConversion& conversion, std::unique_ptr<PBInstance>& instance, SymbolTable& table);

// Gives the symbol its instance, runs the instance's change tables and recomputes its
// state; false when a change table failed (the instance stays attached).
bool AttachReadInstance(Symbol& symbol, std::unique_ptr<PBInstance> instance, SymbolTable& table);

// Recomputes what an instance's fields say about it: complete (every required edit holds
// a value that names something), filled (nothing unfinished) and the goto mask.
void RecomputeInstanceState(PBInstance& instance, SymbolTable& table);

}  // namespace zeph
