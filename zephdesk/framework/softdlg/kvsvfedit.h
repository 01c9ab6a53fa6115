// The voice/fax item editor: a report list of the application's items (name, ID, in use)
// with Add, Edit, Delete, Copy and Paste. It works on the item list of the dialog's record
// (the user application) and commits the application after every change, so each action
// takes effect at once whatever closes the dialog; its own transfer moves nothing.
#pragma once

#include <memory>

#include "framework/softdlg/kvitemkind.h"
#include "framework/softdlg/kvsgrpctl.h"

class KvRecArray;

class KvSoftGroupVoiceFaxEditor : public KvSoftGroupCtrl {
public:
    KvSoftGroupVoiceFaxEditor(WORD ctrlId, KvSoftDlg* pSoftDlg, const KvStatement* pStatement);
    ~KvSoftGroupVoiceFaxEditor() override;

    int AcceptsNotification(WORD ctrlId, UINT code, LPARAM lParam) override;
    void BeforeNotification(const KvNotification& notification) override;
    BOOL Validate(BOOL) override { return TRUE; }
    void Transfer(int) override {}
    void Init() override;
    void Refresh() override {}

private:
    enum Member { kList, kAdd, kEdit, kDelete, kCopy, kPaste };
    HWND MemberWindow(Member m) const;
    WORD MemberId(Member m) const { return GetSubCtrlID(m); }
    KvFieldValue ListField() const;
    void Fill();
    void Sort();
    static int CALLBACK CompareRows(LPARAM a, LPARAM b, LPARAM sort);
    // Records of the selected rows, in list order.
    std::vector<KvSoftRec*> SelectedRecords() const;
    void Store();
    void OnSelectionChanged();
    void OnDisplayInfo(std::uintptr_t data);
    void OnColumnClick(std::uintptr_t data);
    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnCopy();
    // False when the user cancelled a conflict: nothing was pasted.
    bool OnPaste();
    int FindById(KvRecArray& items, short id) const;

    const KvItemKind* m_kind;
    std::unique_ptr<KvRecArray> m_rows;  // the layer whose records the rows show
    CString m_display;
    int m_sortColumn = 0;
    int m_ascending = 1;
    int m_setUp = 0;
};
