// What the frame's command modules need of the frame, and the check every page command
// starts with: the active child must be a page window with its canvas.
#pragma once

#include <cstdint>
#include <span>

#include "foundation/kvwintypes.h"

class TWindow;
namespace ed {
class ClipboardProgram;
class EditMDI;
class EditWindows;
class Program;
}

class FrameCommandSite {
public:
    virtual ~FrameCommandSite() = default;
    virtual TWindow* FrameWindow() = 0;
    virtual HWND ActiveChild() = 0;
    virtual ed::EditWindows* PageWindows() = 0;
    virtual void ShowStatusMessage(UINT stringId, bool transient) = 0;
    // The program clipboard; null when the designer has none.
    virtual ed::ClipboardProgram* Clipboard() = 0;
    // Tells the workspace that the clipboard now holds blocks: the items it held are dropped.
    virtual void HoldBlocks() = 0;
    // Writes the program to its application file (a name is asked while it is "Untitled");
    // false when the save failed or was cancelled.
    virtual bool SaveProgram(ed::Program& program) = 0;
    // The palette's icons follow a zoom command's percentage; a site without the tabbed
    // palette has none to rescale.
    virtual void RescalePalette(std::int32_t percent) { (void)percent; }
    // The frame's current program (the last active page window's, also while the palette
    // is the active window); null when there is none.
    virtual ed::Program* CurrentProgram();
    // The frame's window handle, the owner of the commands' dialogs; null without a frame.
    HWND FrameHandle();
};

// The page window of the list with that handle; null for any other window.
ed::EditMDI* PageWindowOf(ed::EditWindows& windows, HWND child);

// The active child when it is a page window with its canvas, without touching a text-note
// edit. Otherwise null, after string 33 on the status line with the warning sound (no page
// window) or message 19 (no canvas).
ed::EditMDI* ActivePageWindow(FrameCommandSite& site);
// As ActivePageWindow, with any text-note edit of the window ended.
ed::EditMDI* CheckedPageWindow(FrameCommandSite& site);

// A key pressed and released in a text note's edit control.
void PressKeyInNote(HWND note, UINT key);

// A command of a module: ids first to last, run on the checked page window.
enum class NoteEdit : std::uint8_t {
    End,   // a text-note edit is ended before the command runs
    Keep,  // the command itself decides what a text-note edit means to it
};
struct FrameCommandEntry {
    UINT first;
    UINT last;
    NoteEdit noteEdit;
    void (*run)(FrameCommandSite& site, ed::EditMDI& window, UINT id);
};

// Runs the command when one of the entries holds it; false for any other id.
bool RunFrameCommandFrom(std::span<const FrameCommandEntry> entries, FrameCommandSite& site, UINT id);
