// The model library's start-up calls over its real exports (Windows).
#pragma once

#include "shell/app/modelcalls.h"

DesignerModelCalls& ModelExportCalls();
