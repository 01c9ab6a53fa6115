// The voice/fax item picker: a drop-down list of the active application's items sorted by
// name, after up to three special entries ("<none>", "<default system prompt>", the new-item
// entry), a text with the selected item's ID and a New/Edit button. Its field holds the
// item's ID, 0 for "<none>", 5000 for the default system prompt, -1 for no selection and
// -2 for the new-item entry (a code that never names an item, so the entry shows again).
#pragma once

#include "framework/softdlg/kvitemkind.h"
#include "framework/softdlg/kvsgrpctl.h"

class KvSortRecArray;

class KvSoftGroupVoiceFaxPicker : public KvSoftGroupCtrl {
public:
    KvSoftGroupVoiceFaxPicker(WORD ctrlId, KvSoftDlg* pSoftDlg, const KvStatement* pStatement);

    // The list's selection changes (code 1) are the picker's; other codes as the group.
    int AcceptsNotification(WORD ctrlId, UINT code, LPARAM lParam) override;
    void BeforeNotification(const KvNotification& notification) override;
    // Refuses the new-item entry left selected in an enabled list.
    BOOL Validate(BOOL bReport) override;
    void Transfer(int transfDir) override;
    void Init() override;
    void Refresh() override;

    static constexpr short kNewItemCode = -2;

private:
    bool HasFlag(WORD flag) const;
    HWND Member(int i) const;
    void Fill();
    // The application's item list: its field and record; false without an application.
    bool ItemList(WORD& fieldId, KvSoftRec*& record) const;
    int NewItemEntry() const { return m_specialCount - 1; }
    // The list position a stored value shows, and the value a list position stores.
    int PositionOfSpecial(int value) const;
    short ValueOfSpecial(int position) const;
    void OnListChange();
    void OnButtonClick();
    void AddNewItem(KvSoftRec* app, WORD listField);
    void EditItem(KvSoftRec* app, WORD listField, int position);
    void ShowId(KvSoftRec* item);

    const KvItemKind* m_kind;
    short m_specialCount = 0;
    int m_filled = 0;
};
