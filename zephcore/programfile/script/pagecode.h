#pragma once
// The "functions:" section: one "UserApp" block per generated page.

#include <string>

#include "model/symbol.h"
#include "programfile/script/scriptcontext.h"

namespace zeph {

// The code of every generated page of a tree (41 or 43), in name order. A program build
// writes Main and every ordinary page; a library build the ordinary pages only.
void CodeWritePages(Symbol* pageTree, int pageType, int isLibrary, const ScriptContext& context, std::string& out);

// The "UserApp" block of one page.
void CodeWritePage(const Symbol& page, int pageType, const ScriptContext& context, std::string& out);

}  // namespace zeph
