// The editor of soft records that the data-object framework calls (KvSoftRec::Edit and
// EditInDialog): a record's soft dialog, or its property sheet, run modally. The shell
// installs one with KvSoftObj::SetRecordEditor at start-up.
#pragma once

#include "framework/softrec/kvsoftobj.h"

class KvSoftRecordEditor : public KvRecordEditor {
public:
    int RunSoftDialog(WORD dialogId, WORD helpId, KvSoftRec& record) override;
    int RunPropertySheet(WORD sheetId, KvSoftRec& record) override;
};
