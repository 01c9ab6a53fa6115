// Record arrays: an ordered list of soft records edited as a layer over a source (the
// object array a shell list keeps, or another record array) without touching it until
// the changes are applied. Reading a record makes a private edited copy; added records
// and removals are recorded. The array owns its copies and added records.
#pragma once

#include <utility>
#include <vector>

#include "foundation/kvmapwob.h"
#include "foundation/kvwordarr.h"

class KvSoftRec;

class KvRecArray : public KvObject {
public:
    KvRecArray() = default;
    explicit KvRecArray(KvRecArray* pParent) : m_pParent(pParent) {}
    explicit KvRecArray(KvObArray* pObArray) : m_pObArray(pObArray) {}
    ~KvRecArray() override;

    int GetSize() const;
    // The record at a visible index: an edited copy, made on first reading.
    KvSoftRec* GetAt(int i);
    // Appends a record (owned from now on); its visible index.
    int Add(KvSoftRec* rec);
    void RemoveAt(int i);

    // Applies an edit layer to its parent; from any other array, takes copies of its
    // records in place of its own (an unchanged array over the same objects stays as is).
    KvRecArray& operator=(KvRecArray& other);
    // Writes the parent's changes into the parent's object array, adding and deleting
    // records on the server through the typed records; the parent is then unchanged.
    void SaveToSource();
    // Writes this array's own changes into its object array the same way: each edited
    // record into its stored one (committed), each added one as a typed record the server
    // took, each removed one only when the server let it go; the array is then unchanged.
    void CommitToObArray();

    int IsModified() const { return m_nRemoved != 0 || m_nAdded != 0 || m_nEdited != 0; }
    int GetAddedCount() const { return m_nAdded; }
    int GetEditedCount() const { return m_nEdited; }
    int GetRemovedCount() const { return m_nRemoved; }
    // The changes: (underlying index, record) pairs in ascending index order, and the
    // removed underlying indexes in ascending order.
    std::vector<std::pair<int, KvSoftRec*>> EditedEntries() const { return Entries(false); }
    std::vector<std::pair<int, KvSoftRec*>> AddedEntries() const { return Entries(true); }
    std::vector<int> RemovedIndexes() const;

    KvRecArray* GetParent() const { return m_pParent; }
    KvObArray* GetObArray() const { return m_pObArray; }
    // The underlying index of a visible index: the i-th one that is not removed.
    int UnderlyingIndex(int i) const;
    // Forgets every change, deleting the copies and added records.
    void ClearChanges();

private:
    std::vector<std::pair<int, KvSoftRec*>> Entries(bool added) const;
    int BaseCount() const;
    bool InMap(int adjI, KvSoftRec*& rec) const;
    KvSoftRec* SourceRecord(int adjI) const;
    // The record shown at a visible index, read without making an edited copy.
    KvSoftRec* Peek(int i) const;

    KvMapWordToOb* m_pMap = nullptr;
    KvWordArray* m_pRemoved = nullptr;
    KvRecArray* m_pParent = nullptr;
    KvObArray* m_pObArray = nullptr;
    int m_nRemoved = 0;
    int m_nAdded = 0;
    int m_nEdited = 0;
};

// A record array with a sorted view by one field.
class KvSortRecArray : public KvRecArray {
public:
    KvSortRecArray() = default;
    explicit KvSortRecArray(KvRecArray* pParent) : KvRecArray(pParent) {}
    explicit KvSortRecArray(KvObArray* pObArray) : KvRecArray(pObArray) {}
    ~KvSortRecArray() override;

    // The record at a position of the sorted order (the plain order before any sort).
    KvSoftRec* GetAt(int pos);
    // Removes the record a position maps to; the sorted order keeps the other records.
    void RemoveAt(int pos);
    // Selection sort by a field; a later sort starts from the previous order.
    void Sort(WORD fieldId, int bAscending);
    int VisibleIndex(int pos) const;

private:
    KvWordArray* m_pSortedIndex = nullptr;
};
