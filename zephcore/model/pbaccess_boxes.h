#pragma once
// The two boxes a field's check shows: a refused value, and the question whether a goto
// may name a VavurOrezo that is still to be made. The field entries and the property
// forms show the same texts.

#include "foundation/kvwintypes.h"

namespace zeph {

// "<message>\n Field: <name> Value: <text>" with the stop icon.
void ShowRefusedFieldValue(HWND window, int code, const char* fieldName, const char* text);
// "<message>\n Field: <name> VavurOrezo: <text>" as a Yes/No question; true on Yes.
bool AcceptMissingVavurOrezo(HWND window, const char* fieldName, const char* text);

}  // namespace zeph
