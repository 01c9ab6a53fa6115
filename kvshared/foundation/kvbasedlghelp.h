// The help engine that dialogs open their help topics in: the platform's help program,
// or a recording stand-in in tests.
#pragma once

#include <cstdint>

#include "foundation/kvwintypes.h"

// Help commands (the platform's values).
enum KvHelpCommand : UINT {
    kKvHelpContext = 1,   // show the topic whose context id is the data
    kKvHelpContents = 3,  // show the contents; data 0
};

class KvHelpEngine {
public:
    virtual ~KvHelpEngine() = default;
    // Asks the engine to show help file path ("file>window" names a secondary window) for
    // window; false when the engine could not be started.
    virtual bool Show(HWND window, const char* path, UINT command, std::uintptr_t data) = 0;
};

// The current engine; the platform's own until one is set.
KvHelpEngine& KvGetHelpEngine();
// Makes engine current (not owned); null restores the platform's own.
void KvSetHelpEngine(KvHelpEngine* engine);
// The platform's help program.
KvHelpEngine& KvPlatformHelpEngine();
