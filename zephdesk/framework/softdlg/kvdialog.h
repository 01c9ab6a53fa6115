// The window of a soft dialog: a dialog made from the template its definition names,
// centred on the desktop, whose messages become notifications for the soft dialog through
// an embedded notifier, and whose OK, Cancel and Help go to the soft dialog first.
#pragma once

#include "framework/softdlg/kvnotif.h"
#include "owl/dialog.h"

// The soft dialog behind a dialog window.
class KvDialogOwner : public KvNotifierOwner {
public:
    // Whether the window may close with OK (1) or Cancel (2); 0 keeps it open.
    virtual int CanClose(WORD id) = 0;
};

class KvDialog : public TDialog {
public:
    KvDialog(TWindow* parent, TResId templateId, TModule* module, KvDialogOwner* owner);

    void SetupWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    KvNotifier& GetNotifier() { return m_notifier; }

private:
    KvDialogOwner* m_pOwner;
    KvNotifier m_notifier;
};
