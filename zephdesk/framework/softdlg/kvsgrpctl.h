// Group controls: one SOFTCONTROL statement whose sub-statements list member controls. The
// plain group enables and disables its members together; the radio group stores which of
// its buttons is selected; the edit with spin stores the number of its up-down's buddy.
#pragma once

#include "framework/softdlg/kvsoftctl.h"

class KvSoftGroupCtrl : public KvSoftCtrl {
public:
    using KvSoftCtrl::KvSoftCtrl;

    // 1 for code 10, otherwise no opinion (2): the member's own soft control decides.
    int AcceptsNotification(WORD ctrlId, UINT code, LPARAM lParam) override;
    BOOL Validate(BOOL) override { return TRUE; }
    void React(KvSoftDlg* dlg, const KvStatement& reaction) override;
    // A plain group is never data-linked.
    void Transfer(int transfDir) override;

    int GetSubCtrlCount() const;
    WORD GetSubCtrlID(int i) const;
};

class KvSoftGroupRadio : public KvSoftGroupCtrl {
public:
    using KvSoftGroupCtrl::KvSoftGroupCtrl;

    // The field holds the index of the selected member; no selection stores the member
    // count, and a value that names no member selects none.
    void Transfer(int transfDir) override;
    // Checks that the members are auto radio buttons of which exactly one starts the group.
    void Init() override;
};

// Member 0 is the up-down control, member 1 its buddy edit; the optional operands are the
// lower and upper bound (signed 16-bit).
class KvSoftGroupEditUpDown : public KvSoftGroupCtrl {
public:
    using KvSoftGroupCtrl::KvSoftGroupCtrl;

    void Transfer(int transfDir) override;
    void Init() override;

private:
    HWND UpDown() const;
};
