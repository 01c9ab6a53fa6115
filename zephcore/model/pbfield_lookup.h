#pragma once
// The field table and the call template that govern a VavurOrezo.

#include <functional>

#include "model/pbfielddef.h"
#include "model/pbtype.h"

namespace zeph {

struct PBInstance;

// The interface table and the call template of a SuperBlock page by name (null when no
// such page exists); the SuperBlock page code installs them.
using SuperBlockTableLookup = std::function<const PBFieldDef*(const char* pageName)>;
using SuperBlockTemplateLookup = std::function<const PBTemplatePair*(const char* pageName)>;
void SetSuperBlockLookups(SuperBlockTableLookup table, SuperBlockTemplateLookup tpl);

// The VavurOrezo's own table when it has one; else for a SuperBlock call (-101) the
// called page's interface table; for a Custom VavurOrezo (-100) the goto table; else the
// table of the type's slot. Null when there is none.
const PBFieldDef* GetFieldTable(int typeIndex, const PBInstance* instance);

// The argument template of the VavurOrezo's call: the called page's template for -101,
// none for -100, else the slot's template.
const PBTemplatePair* GetParameterTemplate(int typeIndex, const PBInstance* instance);

}  // namespace zeph
