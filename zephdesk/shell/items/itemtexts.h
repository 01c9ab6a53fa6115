// The texts of the item messages and their report through the workspace's fault handler
// (exclamation icon, OK), the server's full-disk texts coming from the document's table.
#pragma once

#include "foundation/kvwintypes.h"

// The text of an item message id; null for an id neither table holds.
const char* KvItemText(UINT id);
// Shows the message with "%1" replaced by insert (may be null); the button pressed.
int KvItemWarning(UINT id, const char* insert = nullptr);
