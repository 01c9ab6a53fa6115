#pragma once
// Value slots in the model part: a reference line, and for a constant its value line.

#include <cstdint>
#include <string>

namespace zeph {

struct EdContext;
struct SymP;

// Writes the slot's reference line and, for a constant, its value line. 0 or 9754.
int WriteValueSlot(SymP& slot);

// Reads a slot from the next lines. A reference is resolved at once, or, with defer set,
// noted in the context and resolved once every symbol is filed (the flag, when given, is
// cleared if it names nothing). 0, -158 at the end of the stream, -102, 9754.
int ReadValueSlot(EdContext& ctx, SymP& slot, bool defer, std::int16_t* flag = nullptr);

// ReadValueSlot for a slot line already taken from the source; its constant's value line,
// if any, is read from the next line.
int ReadValueSlotLine(EdContext& ctx, const std::string& line, SymP& slot, bool defer, std::int16_t* flag = nullptr);

// Points the slot at what the text names, with the corrections older files need; false
// when nothing is found (the slot is then empty).
bool ResolveReference(EdContext& ctx, SymP& slot, const std::string& text, int typeCode);

// Resolves the references noted while the symbols were read; each that names nothing is
// reported. 0 or 9754.
int ResolvePendingReferences(EdContext& ctx);

}  // namespace zeph
