// The File menu's commands on applications and the workspace worker each one runs.
#pragma once

#include "foundation/kvwintypes.h"

class KvWinApp;

// Runs the worker of a File command; false for any other id.
bool KvRunFileCommand(KvWinApp& workspace, UINT id);
