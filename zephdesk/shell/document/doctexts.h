// The texts of the document's and the server lists' messages, and their report through
// the fault handler: a warning (exclamation icon) or an error (stop icon), OK only.
#pragma once

#include "foundation/kvwintypes.h"

// The text of a message id; null for an id the table does not hold.
const char* KvDocText(UINT id);
// Shows message id with "%1" replaced by insert; the button pressed.
int KvDocWarning(UINT id, const char* insert, const char* file, int line);
int KvDocError(UINT id, const char* insert, const char* file, int line);
// The message of a failed server update: the full-disk, database and multimedia-space codes
// (62, 63, 64) have their own, any other code gives fallback.
UINT KvServerFaultMessage(int result, UINT fallback);
