// The load and save error question (dialog "ULVO_LS_MSG"): the message, "Continue" (id 1)
// and "Abort" (id 2; the close box too), Help, and the check box "Do not display further
// warnings". The caller's mode variable is 0 while the box is clear and 1 while it is
// ticked, so a dialog closed with the box ticked leaves the mode at 1 (log only and go on).
#pragma once

#include "foundation/kvbasedlg.h"
#include "owl/checkbox.h"
#include "owl/static.h"

class TLSMsg : public TBaseDialog {
public:
    // Keeps text and mode (neither is copied) and sets the mode to 0.
    TLSMsg(TWindow* parent, short* mode, const char* text, TModule* module = nullptr);

    // Shows the text and clears the check box.
    void SetupWindow() override;
    // Each click of the check box switches the mode between 0 and 1.
    void ToggleLogOnly();

private:
    const char* m_text;
    short* m_mode;
    TStatic m_textControl;
    TCheckBox m_logOnlyBox;
    short m_ownMode = 0;  // stands in for a missing mode variable

    DECLARE_RESPONSE_TABLE(TLSMsg);
};
