// The document operations and the workspace's File workers inside the designer: the
// client library's application calls, the main frame's open and save of program files
// and the model library's build, and the document of the active page window.
#pragma once

#include <functional>

class UIApp;

// Installs the designer's operations for app (once, after the workspace and the frame are
// made). autoSave starts the auto-save timer when an application's file is opened.
void KvInstallDesignerOperations(UIApp& app, std::function<void()> autoSave);
