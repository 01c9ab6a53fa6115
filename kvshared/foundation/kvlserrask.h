// The load and save error question when no prompt is installed.
#pragma once

#include "foundation/kvlserr.h"

KvLoadSaveErrorPrompt& KvDefaultLoadSaveErrorPrompt();
