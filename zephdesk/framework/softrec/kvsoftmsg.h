// Messages of the data-object framework: string-table texts with up to two inserts,
// shown through the current fault handler as top-most exclamation boxes with OK.
#pragma once

#include "foundation/kvwintypes.h"

// Shows message id with the inserts %1 and %2 (either may be null).
void KvSoftShowMessage(UINT id, const char* insert1 = nullptr, const char* insert2 = nullptr);
