#include "framework/softrec/kvsoftrec.h"

#include <cstdio>

#include "foundation/kvassert.h"
#include "framework/shellservices.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvsrecdef.h"
#include "framework/softrec/kvsrecmem.h"
#include "framework/softrec/kvtokens.h"
#include "framework/softrec/kvvalue.h"
#include "framework/softrec/kvvirfld.h"

KvSoftRec::KvSoftRec(WORD defId)
    : m_pSoftRecDef(KvSoftRecDef::Get(defId)), m_pFieldMap(new KvMapWordToOb)
{
}

KvSoftRec::~KvSoftRec()
{
    DiscardEdits();
    delete m_pFieldMap;
    delete m_pParentSoftRec;
    KvSoftRecDef::Put(m_pSoftRecDef);
}

KvSoftRec* KvSoftRec::Create(WORD defId, int bTyped)
{
    if (!bTyped)
        return new KvSoftRecMem(defId);
    ShellServices* app = GetApplication();
    KvSoftRec* typed = app != nullptr ? app->CreateTypedRecord(defId) : nullptr;
    KV_ASSERT(typed != nullptr);
    return typed;
}

WORD KvSoftRec::GetID() const
{
    return m_pSoftRecDef->GetDefId();
}

void KvSoftRec::CreateFieldStorage(WORD)
{
}

int KvSoftRec::Edit()
{
    KvRecordEditor* editor = GetRecordEditor();
    const WORD sheet = m_pSoftRecDef->GetPropSheetID();
    if (!KV_ASSERT(editor != nullptr) || !KV_ASSERT(sheet != 0))
        return 2;  // IDCANCEL: nothing was edited
    SetEditing(1);
    return editor->RunPropertySheet(sheet, *this);
}

int KvSoftRec::EditInDialog(WORD dialogId, WORD helpId)
{
    KvRecordEditor* editor = GetRecordEditor();
    if (dialogId == 0) {
        dialogId = m_pSoftRecDef->GetDlgID();
        helpId = m_pSoftRecDef->GetDlgHelpID();
    } else {
        KV_ASSERT(helpId != 0);
    }
    if (!KV_ASSERT(editor != nullptr) || !KV_ASSERT(dialogId != 0))
        return 2;
    SetEditing(1);
    return editor->RunSoftDialog(dialogId, helpId, *this);
}

KvSoftRec& KvSoftRec::CopyFrom(const KvSoftRec&)
{
    KV_ASSERT(!"a record kind that copies");
    return *this;
}

WORD KvSoftRec::GetFieldValueType(WORD fieldId)
{
    return m_pSoftRecDef->GetFieldValueType(fieldId);
}

WORD KvSoftRec::GetFieldStorageType(WORD fieldId)
{
    return m_pSoftRecDef->GetFieldStorageType(fieldId);
}

void* KvSoftRec::FieldStorage(WORD)
{
    KV_ASSERT(!"a record kind with storage");
    return nullptr;
}

void KvSoftRec::StoreField(WORD fieldId)
{
    KvFieldValue field(fieldId, this);
    void* storage = FieldStorage(fieldId);
    if (!KV_ASSERT(storage != nullptr))
        return;
    switch (GetFieldStorageType(fieldId)) {
    case kKvStoreInt16:
        *static_cast<short*>(storage) = field.AsInt16();
        break;
    case kKvStoreInt32:
        *static_cast<std::int32_t*>(storage) = field.AsInt32();
        break;
    case kKvStoreString:
        *static_cast<CString*>(storage) = field.AsText();
        break;
    case kKvStoreBool:
        *static_cast<std::int32_t*>(storage) = KvBoolFromText(field.AsText());
        break;
    default:
        KV_ASSERT(0);
    }
}

int KvSoftRec::HasFieldType(WORD fieldId, WORD type)
{
    if (m_pParentSoftRec != nullptr)
        return m_pParentSoftRec->HasFieldType(fieldId, type);
    return GetFieldValueType(fieldId) == type;
}

void KvSoftRec::DiscardEdits()
{
    POSITION pos = m_pFieldMap->GetStartPosition();
    while (pos != 0) {
        WORD id;
        KvObject* buffer;
        m_pFieldMap->GetNextAssoc(pos, id, buffer);
        delete buffer;
    }
    m_pFieldMap->RemoveAll();
}

KvVirtualField* KvSoftRec::GetVirtualField(WORD fieldId, int bLocal)
{
    KvObject* found = nullptr;
    if (m_pFieldMap->Lookup(fieldId, found))
        return static_cast<KvVirtualField*>(found);
    if (m_pParentSoftRec != nullptr && !bLocal)
        return m_pParentSoftRec->GetVirtualField(fieldId, 0);
    auto* buffer = new KvVirtualField(this, fieldId);
    m_pFieldMap->SetAt(fieldId, buffer);
    return buffer;
}

void KvSoftRec::StoreEdits()
{
    POSITION pos = m_pFieldMap->GetStartPosition();
    while (pos != 0) {
        WORD id;
        KvObject* object;
        m_pFieldMap->GetNextAssoc(pos, id, object);
        const auto* buffer = static_cast<KvVirtualField*>(object);
        if (id == kKvFieldOutputs || !buffer->HasValue() || !buffer->IsModified())
            continue;
        if (m_pParentSoftRec != nullptr)
            KvFieldValue(id, m_pParentSoftRec) = KvFieldValue(id, this);
        else
            StoreField(id);
    }
    DiscardEdits();
}

int KvSoftRec::Commit()
{
    if (Verify(0) != 1)
        return 0;
    StoreEdits();
    return 1;
}

std::string KvSoftRec::DumpField(WORD fieldId)
{
    char line[256];
    std::string out;
    std::snprintf(line, sizeof line, "VirtualField's FieldID (IDF_X_X_...):   %d\n", fieldId);
    out += line;
    CString name;
    name.LoadString(fieldId);
    std::snprintf(line, sizeof line, "   Field Name: '%s'\n", static_cast<const char*>(name));
    out += line;
    std::snprintf(line, sizeof line, "   NativeType (KVSOFTTYPE):             %s\n",
                  static_cast<const char*>(GetValueTypeName(GetFieldValueType(fieldId))));
    out += line;
    std::snprintf(line, sizeof line, "   Mem representation (KV_FLDS_MEM...): %s\n",
                  static_cast<const char*>(GetStorageTypeName(GetFieldStorageType(fieldId))));
    out += line;
    KvObject* found = nullptr;
    if (!m_pFieldMap->Lookup(fieldId, found)) {
        std::snprintf(line, sizeof line, "No VirtualField for FieldID: '%d'\n", fieldId);
        return out + line;
    }
    const auto* buffer = static_cast<KvVirtualField*>(found);
    if (!buffer->HasValue())
        return out + "      No Value im map\n";
    out += "       #    Type     Value (conv to text)\n";
    POSITION pos = buffer->GetStartPosition();
    int n = 0;
    while (pos != 0) {
        WORD type;
        KvValue* value;
        buffer->GetNextAssoc(pos, type, value);
        CString text = "<<RecordSet: cannot display>>";
        if (type != kKvValueRecordSet) {
            KvText asText;
            asText = *value;
            text = asText.AsText();
        }
        std::snprintf(line, sizeof line, "      %02d  %s   \"%s\"\n", n++,
                      static_cast<const char*>(GetValueTypeName(type)), static_cast<const char*>(text));
        out += line;
    }
    return out;
}

std::string KvSoftRec::Dump()
{
    char line[256];
    CString name;
    name.LoadString(GetID());
    std::snprintf(line, sizeof line, "SoftRec ID:   %d\n   Name: '%s'\n=========\n", GetID(),
                  static_cast<const char*>(name));
    std::string out = line;
    const KvSection* data = m_pSoftRecDef->GetDataSection();
    for (int i = 0; data != nullptr && i < data->GetNbStatements(kKvKindBody); ++i)
        out += DumpField(data->GetStatement(kKvKindBody, i)->GetOperand(0));
    return out;
}
