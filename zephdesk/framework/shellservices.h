// What the designer's framework asks of the application shell: start-up facts, the typed
// records of the server link, the bookkeeping of the active application's items, the
// cached server record and the workers behind the definitions' call-outs. The shell
// implements it once; tests use fakes.
#pragma once

#include <cstdint>

#include "foundation/kvwintypes.h"

class KvSoftRec;

class ShellServices {
public:
    virtual ~ShellServices() = default;

    // Start-up facts used by conditions on text lengths.
    virtual bool IsStartedWithoutCommandLine() = 0;
    // First 16-bit word of the server's customer profile, 0 when unavailable.
    virtual int GetCustomerProfile() = 0;

    // A new typed record (user application 22004, voice item 22801, fax item 22802,
    // resource-permission item 22807); null for any other definition.
    virtual KvSoftRec* CreateTypedRecord(WORD defId) = 0;

    // Use counts of the active application's items.
    virtual void AddVoiceItemUse(int id) = 0;
    virtual void ReleaseVoiceItemUse(int id) = 0;
    virtual void AddFaxItemUse(int id) = 0;
    virtual void ReleaseFaxItemUse(int id) = 0;
    virtual void AddResPermUse(std::int32_t value) = 0;
    virtual void RemoveResPermUse(std::int32_t value) = 0;
    virtual void UpdateResPermData() = 0;
    virtual void UpdateLanguageUse() = 0;

    // The item clipboard (copies only).
    virtual void CutCopyVoiceItem(int id) = 0;
    virtual void CutCopyFaxItem(int id) = 0;
    virtual void CutCopyResPermItem(std::int32_t value) = 0;

    // The cached server record: drop it, and look entries up in it (-1 when absent).
    virtual void FreeServerRec() = 0;
    virtual int FindServerResPermIndex(std::int32_t value) = 0;
    virtual int FindServerLanguageIndex(std::int32_t value) = 0;

    // The worker of a call-out id (32000-32007) on a record: 0 done, 1 failed and already
    // reported, -1 nothing done.
    virtual int RunCallOut(WORD id, KvSoftRec& record) = 0;
};
