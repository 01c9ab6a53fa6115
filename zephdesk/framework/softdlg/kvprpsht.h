// The windows of a soft property sheet: the sheet, whose OK and Cancel its owner decides,
// and its pages, each the dialog window of one soft dialog whose messages become that soft
// dialog's notifications.
#pragma once

#include <string>

#include "framework/softdlg/kvnotif.h"
#include "owl/proppage.h"
#include "owl/propsheet.h"

// The owner of a sheet: OK (1) or Cancel (2) may close it when it answers non-zero.
class KvPropSheetOwner {
public:
    virtual ~KvPropSheetOwner() = default;
    virtual int CanClose(WORD id) = 0;
};

class KvPropSheet : public TPropertySheet {
public:
    // A sheet with a Help button and no help box in its caption.
    KvPropSheet(KvPropSheetOwner* owner, TWindow* parent, const char* caption, TModule* module);

    void SetupWindow() override;
    const std::string& GetCaption() const { return m_caption; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::string m_caption;
    KvPropSheetOwner* m_pOwner;
};

class KvPropPage : public TPropertyPage {
public:
    KvPropPage(TPropertySheet* sheet, WORD dlgResId, KvNotifierOwner* softDlg, TModule* module);
    ~KvPropPage() override;

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    KvNotifier m_notifier;
};
