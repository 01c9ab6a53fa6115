#pragma once
// The arguments of a block's call, chosen by the kinds of the type's parameter template.

#include <string>

#include "model/pbtype.h"
#include "programfile/script/fieldvalues.h"
#include "programfile/script/scriptcontext.h"

namespace zeph {

// The text of one argument of a kind (0 or above: the field of that index).
std::string ArgumentText(int kind, int field, const BlockFields& fields, const ScriptContext& context);

// Appends the arguments of one template list to `out`, whose statement begins at
// `statementStart`, and the closing ")\n". Before each argument the line is broken
// ("\n" and eight blanks) when the text since the statement start, or since the last blank
// of the previous break, is longer than 67 characters. Returns the pair after the list's
// end pair.
const PBTemplatePair* AppendArgumentList(const PBTemplatePair* list, const BlockFields& fields,
                                         const ScriptContext& context, std::size_t statementStart,
                                         std::string& out);

// The choice text of a field (kind -293): the stored word of the chosen text.
std::string ChoiceText(int field, const BlockFields& fields);

// The entry flag list of a menu: "1" for fields 0 to 11 with a value, "0" for the others.
std::string EntryFlagList(const BlockFields& fields);

}  // namespace zeph
