#pragma once
// The script's words for data types and the text of initial values.

#include <cstddef>
#include <string>

#include "model/structdef.h"

namespace zeph {

class SymbolTable;

// The type word of a code. For structure ids the structure is searched in the list from
// `from` onward (the whole list when null); false when it is not there. A string's size is
// counted one higher when no structure is given (a variable's terminating zero).
bool CodeTypeText(int code, int size, const StructDef* from, const StructList& list, std::string& out);

// The layout of a predefined record type's initial value, or null.
const char* CodeLayoutString(int code);

// The initial value text of a value block of a type ("{...}" for records and structures).
// Bytes past the block's end read as zero.
std::string CodeInitialValueText(const unsigned char* bytes, std::size_t size, int code, int symbolSize,
                                 SymbolTable& program);

}  // namespace zeph
