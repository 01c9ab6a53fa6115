// Definitions refused as malformed: each is reported once, then treated as missing.
#pragma once

#include "foundation/kvwintypes.h"

bool KvIsRefusedDefinition(WORD defId);
void KvMarkRefusedDefinition(WORD defId);
void KvForgetRefusedDefinitions();
