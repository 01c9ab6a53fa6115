// The frame's commands on the pages and definitions of the active page window's program:
// the page lists (view a SuperBlock or Verification Block page), the page definition
// dialogs, New SuperBlock, Find VavurOrezo, and the model's editors of DLL prototypes and
// custom VavurOrezos. Each command checks the active page window first.
#pragma once

#include <cstdint>

#include "foundation/kvwintypes.h"

class TWindow;
namespace ed {
class ClipboardProgram;
class EditMDI;
class EditWindows;
}

// Command ids.
inline constexpr UINT kCmDefineDLLProtos = 4148;
inline constexpr UINT kCmCustomVavurOrezo = 4149;
inline constexpr UINT kCmNewSuperBlock = 4169;
inline constexpr UINT kCmViewSuperBlock = 0x104A;
inline constexpr UINT kCmDefineSuperBlocks = 4173;
inline constexpr UINT kCmViewVerificationBlock = 0x1050;
inline constexpr UINT kCmDefineVerificationBlocks = 4177;
inline constexpr UINT kCmFindVavurOrezo = 4179;

// What the commands need of the frame.
class FrameCommandSite {
public:
    virtual ~FrameCommandSite() = default;
    virtual TWindow* FrameWindow() = 0;
    virtual HWND ActiveChild() = 0;
    virtual ed::EditWindows* PageWindows() = 0;
    virtual void ShowStatusMessage(UINT stringId, bool transient) = 0;
    // The program clipboard; null when the designer has none.
    virtual ed::ClipboardProgram* Clipboard() = 0;
};

// Runs the command when it is one of these; false for any other id.
bool RunPageCommand(FrameCommandSite& site, UINT id);

// The active child when it is a page window with its canvas, any text-note edit ended.
// Otherwise null, after string 33 on the status line with the warning sound (no page
// window) or message 19 (no canvas).
ed::EditMDI* CheckedPageWindow(FrameCommandSite& site);
