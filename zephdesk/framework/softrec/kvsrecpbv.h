// The soft record that holds the parameters of one VavurOrezo of the editor: each
// parameter field is a named parameter of the VavurOrezo's record in the model library,
// reached by name. The record keeps the VavurOrezo's outputs, counts the items its fields
// refer to, and tells the model whether the VavurOrezo is completely filled in.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/kvobarray.h"
#include "framework/softrec/kvmodelsdo.h"
#include "framework/softrec/kvsoftrec.h"

class ShellServices;

class KvSoftRecPBV : public KvSoftRec {
public:
    KvSoftRecPBV(WORD defId, KvEditorBlock* pb, vlxHandleType hPB, int nPBType);
    ~KvSoftRecPBV() override;

    void CreateFieldStorage(WORD fieldId) override;
    int Edit() override;
    void StoreField(WORD fieldId) override;
    void* FieldStorage(WORD fieldId) override;
    virtual int GetSymbolOffset(const CString& name);

    void CopyItemsToClipboard();
    void CopyResPermRefs();
    void AddItemRefs();
    void ReleaseItemRefs();
    void AddResPermRefs();
    void ReleaseResPermRefs();
    void ReplaceVoiceItemID(WORD oldId, WORD newId) { ReplaceItemID(false, oldId, newId); }
    void ReplaceFaxItemID(WORD oldId, WORD newId) { ReplaceItemID(true, oldId, newId); }
    // A pasted VavurOrezo's items follow the IDs the item clipboard's paste gave them.
    void RenumberPastedItems();
    // Works out whether the VavurOrezo is finished and tells the model.
    int UpdateIconFinished();

    // The fields that refer to items and to restriction/permission lists.
    const std::vector<WORD>& GetItemFields() const { return m_itemFields; }
    const std::vector<WORD>& GetResPermFields() const { return m_resPermFields; }
    KvObArray* GetOutputs() const { return m_pOutputs; }

private:
    bool IsFaxRecord() const;
    // Calls the shell's voice or fax operation (by the record kind) for each item id.
    void ForEachItem(void (ShellServices::*voice)(int), void (ShellServices::*fax)(int));
    void ReplaceItemID(bool fax, WORD oldId, WORD newId);
    CString ParameterName(WORD fieldId) const;
    int ParameterOffset(WORD fieldId) const;
    void ReadOutputs();
    void StoreText(WORD fieldId, const CString& text);

    KvEditorBlock* m_pVavurOrezo;
    vlxHandleType m_hPB;
    int m_nPBType;
    std::vector<WORD> m_itemFields;
    std::vector<WORD> m_resPermFields;
    std::vector<std::uint32_t> m_fieldOffsets;  // field id | offset << 16
    bool m_bStorageMade = false;
    KvObArray* m_pOutputs = nullptr;
    const char* m_pNotes = nullptr;
};
