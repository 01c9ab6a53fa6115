// A soft dialog: edits one soft record in a dialog window whose controls, values and
// reactions its soft dialog definition gives. It makes the window, runs every notification
// of the window through a pass queue, shows the record's values when the dialog starts,
// stores each control's value as the user changes it, and on OK validates the controls and
// commits the record; Cancel discards the record's edits.
#pragma once

#include <map>
#include <memory>

#include <windows.h>

#include "framework/softdlg/kvdialog.h"
#include "framework/softdlg/kvnotifq.h"
#include "framework/softdlg/kvsdlgdf.h"
#include "framework/softdlg/kvsoftctl.h"
#include "framework/softrec/kvsoftobj.h"
#include "owl/module.h"

class KvRecArray;
class KvSoftRec;

class KvSoftDlg : public KvSoftIntrfc, public KvDialogOwner {
public:
    // Loads the definition; throws as loading does.
    KvSoftDlg(WORD defId, KvSoftRec* pRecord, WORD helpId);
    ~KvSoftDlg() override;

    // Runs the dialog modally (mode 1, the only one); the id of the button that closed it.
    int Execute(int mode);
    // The dialog window is a property page that someone else owns.
    void SetPropPage(TDialog* page);

    WORD GetID() const { return m_pSoftDlgDef->GetID(); }
    WORD GetDlgResID() const { return m_pSoftDlgDef->GetDlgResID(); }
    WORD GetHelpID() const { return m_helpId; }
    KvSoftRec* GetSoftRec() const { return m_pRecord; }
    KvSoftDlgDef* GetDefinition() const { return m_pSoftDlgDef; }
    HWND GetHWND() const;
    // Whether the dialog window exists (a page the user never opened has none).
    bool HasWindow() const { return m_pDialog != nullptr && m_pDialog->GetHandle() != nullptr; }
    // Detaches the dialog's window as the server link's view when it is attached.
    void DetachServerView();
    HWND GetCtrlHWND(WORD ctrlId) const;

    // The soft control of a control id (made on first use); null for 0 and for an id that
    // names neither a control of the window nor the dialog itself.
    KvSoftCtrl* GetSoftCtrl(WORD ctrlId);
    KvSoftCtrl* GetGroupCtrl(WORD ctrlId);
    const KvStatement* GetDataLinkStatement(WORD ctrlId) const;
    WORD GetDataLinkFieldID(WORD ctrlId) const;
    // The value of an indirect data link (flag 0x8002): a field of the record of a record
    // set field whose key field holds a string's text. Only INT16 values (type 1).
    void GetIndirectValue(WORD ctrlId, WORD valueType, short* pValue);
    void SetIndirectValue(WORD ctrlId, WORD valueType, const short* pValue);

    void InitControls();
    void TransferData(int transfDir);
    BOOL ValidateControls(BOOL bReport);
    void RefreshControls();

    // KvDialogOwner
    int CanClose(WORD id) override;
    WORD GetDefinitionId() const override { return GetID(); }
    WORD GetGroupCtrlID(WORD ctrlId) const override { return m_pSoftDlgDef->GetGroupCtrlID(ctrlId); }
    int FilterNotification(WORD filterId, WORD sourceId, WORD code, std::uintptr_t data) override;
    bool WinCtrlHasStyle(WORD ctrlId, std::uint32_t bits) const override;
    int GetCheck(WORD ctrlId) const override;
    void PostNotification(const KvNotification& notification) override;
    void ProcessNotifications() override;
    void ShowHelp() override;
    bool IsServerViewAttached() const override { return m_viewAttached; }

private:
    struct IndirectTarget {
        std::unique_ptr<KvRecArray> layer;  // null when the link does not resolve
        int index = -1;
        WORD setField = 0;
        WORD shownField = 0;
    };
    IndirectTarget FindIndirect(WORD ctrlId, WORD valueType) const;
    void Start(const KvNotification& start);
    void RunReactions(const KvNotification& notification);
    KvSoftCtrl* MakeSoftCtrl(WORD ctrlId, const KvStatement* statement);
    void AttachView();

    KvNotificationPass m_pass;
    std::map<WORD, std::unique_ptr<KvSoftCtrl>> m_controls;
    WORD m_helpId;
    bool m_started = false;
    bool m_transfersOn = false;
    bool m_startingUp = false;  // the start-up transfer runs (nested passes keep the start)
    bool m_viewAttached = false;
    HWND m_viewWindow = nullptr;  // the window attached as the view
    KvSoftDlgDef* m_pSoftDlgDef = nullptr;
    KvSoftRec* m_pRecord;
    bool m_dialogNotOwned = false;
    TDialog* m_pDialog = nullptr;
    std::unique_ptr<TWindow> m_parentAlias;
    std::unique_ptr<TModule> m_module;
};
