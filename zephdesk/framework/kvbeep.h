// The framework's refusal beep. Tests replace the sound with a recorder, to tell a refused
// drop or close from one that did nothing.
#pragma once

#include <functional>

#include "foundation/kvwintypes.h"

// Sounds the beep of that type (MessageBeep's argument) through the installed hook.
void KvBeep(UINT type);
// Installs a hook in place of the sound; an empty one restores the sound.
void KvSetBeepHook(std::function<void(UINT)> hook);
