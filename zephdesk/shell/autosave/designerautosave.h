// Auto-save inside the designer: timer 7 of the main frame, Options > Auto Save Options and
// the stop once the last application has closed, over the workspace's active application.
#pragma once

#include <functional>

class UIApp;

inline constexpr unsigned kCmAutoSaveOptions = 0x1098;

// Installs auto-save on the app's frame, workspace and page services (after they are made);
// the answer starts the timer when auto-save is on, for the document operations to call
// whenever a program file has been opened. It does nothing once the frame is gone.
std::function<void()> KvInstallDesignerAutoSave(UIApp& app);
