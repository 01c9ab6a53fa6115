// The designer's own dialog base: the template comes from the program's module, else from
// the dialog resource library loaded at start-up (zephpane); found in neither, "Unable to
// load dialog." (caption "Error") and Execute answers -1, which callers take as Cancel.
// Its Help button (id 9) opens the dialog's topic of the designer's help file, or the
// contents when the dialog has none. CentreWindow places a dialog over its owner.
#pragma once

#include <cstdint>

#include "owl/dialog.h"

namespace desk {

// Where the designer's dialogs look for templates; set at start-up (tests set their own).
void SetDialogModules(TModule* program, TModule* library);

class TBaseDialog : public TDialog {
public:
    // Without a module: the program's, then the dialog library.
    TBaseDialog(TWindow* parent, TResId resId, TModule* module = nullptr);

    // The help id of the dialog name (0: none, the contents open).
    int SetHelpName(const char* name);
    std::int32_t GetHelpId() const { return m_helpId; }
    void CmHelp();

    void GetWindowClass(WNDCLASSA& wndClass) override;

private:
    std::int32_t m_helpId = 0;

    DECLARE_RESPONSE_TABLE(TBaseDialog);
};

// Centres window over its owner (over the screen when it would leave it), same size.
void CentreWindow(HWND window);

}  // namespace desk
