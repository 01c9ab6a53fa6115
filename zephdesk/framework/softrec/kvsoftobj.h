// The common base of the data-described objects and the process-wide services they
// share: the shell, the editor that runs a record's dialog or property sheet, the flag
// test of statement operands, the call-out dispatch and the trace keywords.
#pragma once

#include "foundation/kvobject.h"
#include "foundation/kvstring.h"

class ShellServices;
class KvSoftRec;

// Runs the soft dialog or property sheet of a record modally (supplied by the dialog
// layer); answers the button that closed it (1 OK, 2 Cancel).
class KvRecordEditor {
public:
    virtual ~KvRecordEditor() = default;
    virtual int RunSoftDialog(WORD dialogId, WORD helpId, KvSoftRec& record) = 0;
    virtual int RunPropertySheet(WORD sheetId, KvSoftRec& record) = 0;
};

class KvSoftObj : public KvObject {
public:
    KvSoftObj() = default;
    ~KvSoftObj() override = default;

    // The shell's services (the installed ShellServices), handed over at start-up.
    static void SetApplication(ShellServices* app);
    static ShellServices* GetApplication();
    // The editor of records (not owned); null until the dialog layer sets it.
    static void SetRecordEditor(KvRecordEditor* editor);
    static KvRecordEditor* GetRecordEditor();

    // True when the two flag words share a bit among their low 12 bits.
    static int TestFlags(WORD a, WORD b) { return (a & b & 0x0FFF) != 0; }

    // Runs the shell's worker of a call-out (32000-32007) on a record. The worker's answer
    // is stored in *pResult when one is wanted, except that -1 from the workers that
    // mean "nothing done" by it (32001, 32004, 32006, 32007) leaves it as it was.
    static void CallOut(WORD id, KvSoftRec* pContext, WORD reserved, short* pResult);

    // Trace keywords: the value type padded to 11 characters, the storage type as it is.
    static CString GetValueTypeName(WORD valueType);
    static CString GetStorageTypeName(WORD storageType);
};

// Base of the objects that move values between record fields and dialog controls.
class KvSoftIntrfc : public KvSoftObj {
public:
    enum Direction { FieldToCtrl = 1, CtrlToField = 2 };
};
