#pragma once
// The types whose emitter writes a block's whole code itself, and the statements that
// other types write around their call.

#include <string>

#include "model/symbol.h"
#include "programfile/script/fieldvalues.h"
#include "programfile/script/scriptcontext.h"

namespace zeph {

// The page a block is written on.
struct ScriptPage {
  const Symbol* Page = nullptr;
  int PageType = 41;           // 41 SuperBlock pages (Main among them), 43 verification pages
  std::string Prefix;          // "UserApp$" on Main, else the page name and "$"
};

// Writes the whole code of a block whose type has an emitter of its own; false for other
// types.
bool EmitOwnCode(const BlockFields& fields, const ScriptPage& page, std::string& out);

// The fixed statement head of pass 0, or null when the type has none.
const char* FixedStatementHead(int blockType);

// The call of a SuperBlock page ("    Done := Name(...)\n").
std::string SuperBlockCallText(const BlockFields& fields);

// The lines that fill the scratch mailbox keys before the call of types 49, 50 and 51.
std::string MailboxKeyLines(const BlockFields& fields);

// The menu's exit lines (completion codes of the keys, rotary and end).
std::string MenuChoiceLines(const BlockFields& fields, float targetVersion);

}  // namespace zeph
