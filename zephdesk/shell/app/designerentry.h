// The designer program's entry: the one-instance guard, the splash window, the title, the
// application object's run and the exit code.
#pragma once

#include <windows.h>

#include "shell/app/uiapp.h"

inline constexpr const char kStartupEventName[] = "FlowsmithStartupEvent";
inline constexpr const char kOneInstanceText[] = "Cannot run more than one instance of Flowsmith.";

// Runs the designer; the exit code.
int DesignerMain(HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, UIAppCalls calls);

// Closes the start-up event (at shut-down), so that another designer may start.
void CloseStartupEvent();
