// The application-file picker: a group over a report list of the server's application
// files (name, ID, volume ID, locking user, description), the file-name and application-ID
// edits and the volume-ID list, each with its label. The list fills itself from a data
// link of the shell, sorts on a column click and fills the companions from the selected
// row; the choice is stored as the first record of the dialog record's file list (25350).
//
// Flags: 0x8001 single selection, every companion shown, the choice's name, ID and volume
// stored; 0x8002 several rows, only the file name shown, their quoted names stored with ID
// and volume -1; neither: only the list, nothing stored; 0x8004 the second optional
// operand is the bitmap of the rows' small images. The first optional operand is the data
// link of the file list.
#pragma once

#include "framework/softdlg/kvsgrpctl.h"

class KvSoftRec;

class KvSoftGroupApplFileCombo : public KvSoftGroupCtrl {
public:
    using KvSoftGroupCtrl::KvSoftGroupCtrl;

    int AcceptsNotification(WORD ctrlId, UINT code, LPARAM lParam) override;
    void BeforeNotification(const KvNotification& n) override;
    void AfterNotification(const KvNotification& n) override;
    void Transfer(int transfDir) override;
    void Init() override;

    // Members by position; the edits and the volume list answer 0 once hidden.
    WORD GetFileListCtrlID() const { return Member(kListMember); }
    WORD GetFileNameCtrlID() const { return m_hasFileName ? Member(1) : 0; }
    WORD GetApplIDCtrlID() const { return m_hasApplID ? Member(3) : 0; }
    WORD GetVolumeIDCtrlID() const { return m_hasVolumeID ? Member(5) : 0; }

    // The file field a list column shows.
    static WORD ColumnField(int column);
    // The list's order: lParamSort holds the field (low word) and 1 for ascending (high word).
    static int CALLBACK Compare(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

private:
    static constexpr int kListMember = 0;
    WORD Member(int i) const;
    HWND FileList() const;
    void FillList(int first);
    void FillVolumeCombo();
    void ShowRecord(KvSoftRec* record);
    void SetTexts(const char* name, const char* id, const char* volume);
    void Hide(int member, int& presence);
    KvSoftRec* RowRecord(int row) const;
    int ItemChangeAnswer(LPARAM lParam) const;

    int m_initialised = 0;
    int m_hasApplID = 1;
    int m_hasFileName = 1;
    int m_hasVolumeID = 1;
    CString m_dispText;  // what the list reads for the last cell it asked for
    int m_sortColumn = 0;
    int m_sortAscending = 0;
};
