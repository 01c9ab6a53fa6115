#include "framework/softdlg/kvrecedit.h"

#include "framework/softdlg/kvsdlg.h"
#include "framework/softdlg/kvsprsht.h"

int KvSoftRecordEditor::RunSoftDialog(WORD dialogId, WORD helpId, KvSoftRec& record)
{
    KvSoftDlg dialog(dialogId, &record, helpId);
    return dialog.Execute(1);
}

int KvSoftRecordEditor::RunPropertySheet(WORD sheetId, KvSoftRec& record)
{
    KvSoftPropSheet sheet(sheetId, &record);
    return sheet.Execute();
}
