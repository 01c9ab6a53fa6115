// KvMapWordToOb: a map from a 16-bit key to a KvObject pointer, kept as pairs in
// insertion order and searched linearly. It owns its pairs, never the values.
#pragma once

#include "foundation/kvobarray.h"

// Iteration position of a map: entry index + 1; 0 means no more entries.
typedef unsigned int POSITION;

class KvMapWordToOb : public KvObArray {
public:
    class ImplPair : public KvObject {
    public:
        ImplPair(WORD key, KvObject* value) : m_key(key), m_value(value) {}
        WORD m_key;
        KvObject* m_value;
    };

    KvMapWordToOb() = default;
    ~KvMapWordToOb() override;

    int GetCount() const { return GetSize(); }
    int IsEmpty() const { return GetSize() == 0; }

    int Lookup(WORD key, KvObject*& rValue) const;
    void SetAt(WORD key, KvObject* newValue);
    int RemoveKey(WORD key);
    void RemoveAll();

    POSITION GetStartPosition() const { return IsEmpty() ? 0 : 1; }
    void GetNextAssoc(POSITION& rNextPosition, WORD& rKey, KvObject*& rValue) const;

private:
    ImplPair* PairAt(int nIndex) const;
    int IndexOf(WORD key) const;
};
