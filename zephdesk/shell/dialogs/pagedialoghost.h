// What the page dialogs ask of the designer around them: the page windows, the program
// clipboard and the palette. The designer gives its list of page windows (EditWindowsHost);
// tests give their own.
#pragma once

namespace ed {
class ClipboardProgram;
class Page;
class Program;
}

class PageDialogHost {
public:
    virtual ~PageDialogHost() = default;
    // Brings the page window of the page to the front, or opens one.
    virtual void ShowPageWindow(ed::Program& program, ed::Page* page) = 0;
    // Tells the windows that the page goes and closes every page window that shows it;
    // each close takes its window off the list before the page is removed.
    virtual void ClosePageWindows(ed::Program& program, ed::Page* page) = 0;
    virtual void UpdateChildCaptions() = 0;
    // The page of the active page window; null when none is active.
    virtual ed::Page* ActivePage() = 0;
    // The program clipboard; null when the designer has none.
    virtual ed::ClipboardProgram* Clipboard() = 0;
    // The palette shows the program's own groups again (after a page was pasted).
    virtual void RefreshPalette(ed::Program& program) = 0;
};
