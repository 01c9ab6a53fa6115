#pragma once
// The designer's settings file as the model library reads it (Windows only).

#include "editors/sentences/usertypes.h"

namespace zeph {

IniReader& SettingsIni();

}  // namespace zeph
