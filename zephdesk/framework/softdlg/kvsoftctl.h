// Soft controls: the binders between a soft dialog's controls and its record's fields. The
// dialog makes one per control id on first use and asks it, through the operations below,
// to set itself up, move values, filter notifications, react and validate.
#pragma once

#include <windows.h>

#include "foundation/kvobject.h"
#include "framework/softdlg/kvnotif.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvstatmt.h"

class KvSoftDlg;

class KvSoftCtrl : public KvObject {
public:
    // The statement is the control's SOFTCONTROL statement, or null.
    KvSoftCtrl(WORD ctrlId, KvSoftDlg* pSoftDlg, const KvStatement* pStatement);
    ~KvSoftCtrl() override = default;

    // Whether a window notification of the control becomes a notification: 1 yes, 0 no,
    // 2 (groups) no opinion.
    virtual int AcceptsNotification(WORD ctrlId, UINT code, LPARAM lParam);
    virtual void BeforeNotification(const KvNotification&) {}
    virtual void AfterNotification(const KvNotification&) {}
    // Whether the dialog may close with OK.
    virtual BOOL Validate(BOOL /*bReport*/) { return TRUE; }
    virtual void React(KvSoftDlg* dlg, const KvStatement& reaction);
    // Moves the value: FieldToCtrl (1), any other direction control to field.
    virtual void Transfer(int transfDir);
    virtual void Init() {}
    virtual void Refresh() {}

    WORD GetCtrlID() const { return m_ctrlId; }
    void SetCtrlID(WORD ctrlId) { m_ctrlId = ctrlId; }
    const KvStatement* GetStatement() const { return m_pStatement; }
    HWND GetHWND() const;
    // The field the control shows (looked up once), 0 without a data link.
    WORD GetFieldID();
    void SetFieldID(WORD fieldId) { m_fieldId = fieldId; }
    BOOL IsDataLinked() { return GetFieldID() != 0; }
    const KvStatement* GetDataLinkStatement() const;
    // The control's value into its field, or its group's when only the group is linked.
    void TransferToField();
    // 0 when the window's class is the given one (case ignored).
    static int CompareClassName(HWND window, const char* name);
    int CompareClassName(const char* name) const { return CompareClassName(GetHWND(), name); }

protected:
    KvFieldValue Field();
    // Queues a notification of this control, as if the user had caused it.
    void Queue(WORD ctrlId, WORD code);

    const KvStatement* m_pStatement;
    KvSoftDlg* m_pSoftDlg;

private:
    WORD m_ctrlId;
    WORD m_fieldId = 0;
};

// An edit box or a check box, told apart by the window's class.
class KvSoftPlainCtrl : public KvSoftCtrl {
public:
    using KvSoftCtrl::KvSoftCtrl;

    int AcceptsNotification(WORD ctrlId, UINT code, LPARAM lParam) override;
    BOOL Validate(BOOL bReport) override;
    void React(KvSoftDlg* dlg, const KvStatement& reaction) override;
    void Transfer(int transfDir) override;

private:
    CString WindowText() const;
};
