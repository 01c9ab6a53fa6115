// The dialog base of the model library's dialogs. On top of TDialog it
//  - looks the template up in the given module (else the current program's main module)
//    and then in the current program's dialog resource library, and runs the dialog from
//    the module that has it; with neither it shows "Unable to load dialog.";
//  - carries a help context id that the Help button (id 9) opens in the designer's help
//    file (the contents when the id is 0);
//  - registers its window class as a private class.
// The resource name "FAKE" (any case) marks dialogs that supply their own template: no
// lookup is made for them.
#pragma once

#include <cstdint>

#include "owl/dialog.h"

class TBaseDialog : public TDialog {
public:
    TBaseDialog(TWindow* parent, TResId resId, TModule* module = nullptr);
    ~TBaseDialog() override;

    // Sets the help context id to the one of the dialog or topic name; returns it.
    int SetHelpName(const char* name);

    // Opens the help topic of the dialog, or the contents without one.
    void CmHelp();

    // The dialog class description without the global-class style.
    void GetWindowClass(WNDCLASSA& wndClass) override;

private:
    void ResolveTemplate(TModule* module);

    std::int32_t m_helpContextId = 0;

    DECLARE_RESPONSE_TABLE(TBaseDialog);
};

// The designer's help file and the secondary window its topics are shown in, after the
// help folder.
inline constexpr const char kKvDialogHelpFile[] = "zephdesk.hlp>proc4";
