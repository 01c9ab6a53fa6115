// Soft records that keep their storage in memory, and the memory records linked to the
// server that the shell's typed records derive from.
#pragma once

#include <vector>

#include "framework/softrec/kvsoftrec.h"

class KvSoftRecMem : public KvSoftRec {
public:
    explicit KvSoftRecMem(WORD defId) : KvSoftRec(defId) {}
    ~KvSoftRecMem() override;

    // Makes the storage of every field on the first call.
    void CreateFieldStorage(WORD fieldId) override;
    void* FieldStorage(WORD fieldId) override;
    // Copies every field of a record of the same definition into the edit buffers.
    KvSoftRec& CopyFrom(const KvSoftRec& other) override;
    // Record sets are stored by replacing the stored records with the set's records; a
    // list of server records is changed record by record instead (CommitToObArray).
    void StoreField(WORD fieldId) override;

protected:
    // Whether the list field holds typed records that the server must accept one by one.
    virtual bool HoldsServerRecords(WORD /*fieldId*/) { return false; }

private:
    struct Storage {
        WORD fieldId;
        WORD type;
        void* p;
    };
    std::vector<Storage> m_storage;
    bool m_bStorageMade = false;
};

// A memory record whose additions and removals the server must accept.
class KvSoftRecDataLink : public KvSoftRecMem {
public:
    explicit KvSoftRecDataLink(WORD defId) : KvSoftRecMem(defId) {}
    // 1 when the server took the change.
    virtual int AddToServer() = 0;
    virtual int DeleteFromServer() = 0;
};
