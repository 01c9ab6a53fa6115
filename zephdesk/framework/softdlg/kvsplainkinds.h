// The soft controls of single windows that refine the plain control: the edit with a text
// limit, the drop-down list over a shell list, the icon button and the list view over a
// record set. Each is made from a SOFTCONTROL statement of its kind.
#pragma once

#include "framework/softdlg/kvsoftctl.h"

class KvRecArray;

// An edit (kind 0x4004); with flag 0x8001 its text limit is the first optional operand;
// with flag 0x8002 a field holding "0" shows as an empty box.
class KvSoftEdit : public KvSoftPlainCtrl {
public:
    using KvSoftPlainCtrl::KvSoftPlainCtrl;

    void Transfer(int transfDir) override;
    void Init() override;
};

// A drop-down list (kind 0x4006) of the display field (optional 1) of a shell list
// (data-link id, optional 0). Without flag 0x8004 the field holds the INT16 list index;
// with it, the INT32 key field (optional 2) of the selected record. Flag 0x8008 selects
// the first entry when the value names none.
class KvSoftComboBox : public KvSoftPlainCtrl {
public:
    using KvSoftPlainCtrl::KvSoftPlainCtrl;

    int AcceptsNotification(WORD ctrlId, UINT code, LPARAM lParam) override;
    void Transfer(int transfDir) override;
    void Init() override;

private:
    // The shell list behind the data-link id; asserts when the shell does not know it.
    KvFieldValue List();

    int m_filled = 0;
};

// A button showing an icon (kind 0x4001, optional 0 the icon); it has no value.
class KvSoftBitmapButton : public KvSoftPlainCtrl {
public:
    using KvSoftPlainCtrl::KvSoftPlainCtrl;

    int AcceptsNotification(WORD ctrlId, UINT code, LPARAM lParam) override;
    void Transfer(int transfDir) override;
    void Init() override;
};

// A report list (kind 0x4003) that shows a RECORDSET field: one row per record, one
// column per parameter statement of the control's data link (the column's field, whose
// label is the header). It never raises notifications and stores nothing.
class KvSoftListView : public KvSoftPlainCtrl {
public:
    using KvSoftPlainCtrl::KvSoftPlainCtrl;

    int AcceptsNotification(WORD, UINT, LPARAM) override { return 0; }
    void Transfer(int transfDir) override;
    void Init() override;

private:
    int ColumnCount() const;
    WORD ColumnField(int column) const;
    void SizeColumns();

    int m_setUp = 0;
};
