// The designer shell's services that the framework reaches: the program's module, the main
// frame, the command states and tool bar, the drag cursors and the shell's message box.
// The shell's application object implements this interface and installs it at start-up;
// tests install a recording fake whose message boxes never block. Every service has a
// neutral default (nothing, null, false, 0), so an implementation overrides what it offers.
#pragma once

#include "foundation/kvwintypes.h"

struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;

class KvMainFrame;

class ShellServices {
public:
    virtual ~ShellServices() = default;

    // The module instance of the program: bitmaps, string table and definition streams.
    virtual HINSTANCE GetInstance() { return nullptr; }
    // The module of the bitmap resource library loaded at start-up (null when none).
    virtual HINSTANCE GetBitmapModule() { return nullptr; }
    // The framework object of the main frame (null before the frame exists).
    virtual KvMainFrame* GetMainFrame() { return nullptr; }

    // Refreshes the enabled and checked states of the commands, the main menu and the tool bar.
    virtual void UpdateCommandStates() {}
    // Refreshes the tool bar from the command states.
    virtual void UpdateToolBar() {}
    // Whether the command is enabled now.
    virtual bool IsCommandEnabled(UINT /*commandId*/) { return false; }

    // The arrow cursor, or the "no" cursor while a drag is over a place that takes no drop.
    virtual void SetArrowCursor() {}
    virtual void SetNoCursor() {}

    // Shows a finished text in a message box owned by the main window; the button pressed.
    virtual int UIMessageBox(const char* /*text*/, const char* /*caption*/, UINT /*style*/) { return 0; }
};

// The installed services (null until the shell or a test installs them).
ShellServices* KvGetShellServices();
// Installs the services (not owned); null removes them.
void KvSetShellServices(ShellServices* services);

// The program's module instance: the shell's, else the running program's own (Windows).
HINSTANCE KvProgramInstance();
