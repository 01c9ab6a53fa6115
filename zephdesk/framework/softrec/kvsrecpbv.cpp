#include "framework/softrec/kvsrecpbv.h"

#include <algorithm>
#include <cstring>

#include "foundation/kvassert.h"
#include "framework/shellservices.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvmulstm.h"
#include "framework/softrec/kvsrecdef.h"
#include "framework/softrec/kvsrecmem.h"
#include "framework/softrec/kvtokens.h"
#include "framework/softrec/kvvalue.h"

namespace {

constexpr WORD kParameterFlag = 0x8010;
constexpr int kItemReference = 35;
constexpr int kResPermReference = 21;
constexpr WORD kFaxRecord = 23004;
constexpr WORD kThruDialRecord = 23003;
constexpr WORD kLanguageRecord = 23005;
constexpr WORD kResPermField = 28026;
constexpr WORD kLanguageField = 28121;
constexpr WORD kOutputRecord = 23024;
constexpr WORD kOutputName = 28111;
constexpr WORD kOutputConnection = 28112;
constexpr WORD kOutputVisible = 28114;

bool IsItemId(std::int32_t id)
{
    return id >= 1 && id <= 3000;
}

}  // namespace

KvSoftRecPBV::KvSoftRecPBV(WORD defId, KvEditorBlock* pb, vlxHandleType hPB, int nPBType)
    : KvSoftRec(defId), m_pVavurOrezo(pb), m_hPB(hPB), m_nPBType(nPBType)
{
}

KvSoftRecPBV::~KvSoftRecPBV()
{
    DiscardEdits();
    if (m_pOutputs != nullptr) {
        for (int i = 0; i < m_pOutputs->GetSize(); ++i)
            delete m_pOutputs->GetAt(i);
        delete m_pOutputs;
    }
}

bool KvSoftRecPBV::IsFaxRecord() const
{
    return GetID() == kFaxRecord;
}

CString KvSoftRecPBV::ParameterName(WORD fieldId) const
{
    CString name;
    const KvStatement* field = m_pSoftRecDef->FindFieldStatement(fieldId);
    if (field != nullptr && field->HasStyle(kParameterFlag))
        name.LoadString(field->GetOptionalByKey(kParameterFlag));
    return name;
}

int KvSoftRecPBV::ParameterOffset(WORD fieldId) const
{
    for (std::uint32_t entry : m_fieldOffsets) {
        if ((entry & 0xFFFF) == fieldId)
            return static_cast<int>(entry >> 16);
    }
    return -1;
}

int KvSoftRecPBV::GetSymbolOffset(const CString& name)
{
    KvModelSdo* model = KvGetModelSdo();
    return model != nullptr ? model->GetSymbolOffset(m_nPBType, name) : 0;
}

void KvSoftRecPBV::CreateFieldStorage(WORD)
{
    if (m_bStorageMade)
        return;
    m_bStorageMade = true;
    KvModelSdo* model = KvGetModelSdo();
    const KvSection* data = m_pSoftRecDef->GetDataSection();
    if (data == nullptr)
        return;
    for (int i = 0; i < data->GetNbStatements(kKvKindBody); ++i) {
        const KvStatement* field = data->GetStatement(kKvKindBody, i);
        if (!KV_ASSERT(field->GetType() == 0x3203) || !field->HasStyle(kParameterFlag))
            continue;
        const WORD id = field->GetOperand(0);
        const CString name = ParameterName(id);
        const int offset = GetSymbolOffset(name);
        m_fieldOffsets.push_back(id | (static_cast<std::uint32_t>(offset & 0xFFFF) << 16));
        const int type = model != nullptr ? model->GetSymbolType(m_nPBType, name) : 255;
        if (type == kItemReference)
            m_itemFields.push_back(id);
        else if (type == kResPermReference)
            m_resPermFields.push_back(id);
    }
    if (m_pSoftRecDef->HasField(kKvFieldOutputs))
        ReadOutputs();
    m_pNotes = m_pVavurOrezo != nullptr ? m_pVavurOrezo->GetDescription() : nullptr;
}

void KvSoftRecPBV::ReadOutputs()
{
    KvModelSdo* model = KvGetModelSdo();
    m_pOutputs = new KvObArray;
    if (model == nullptr)
        return;
    for (int i = 0;; ++i) {
        const char* name = model->GetOutputDataName(m_nPBType, i, m_hPB);
        if (name == nullptr)
            break;
        const char* connection = model->GetOutputDataConnection(m_nPBType, i, m_hPB);
        KV_ASSERT(connection != 0);
        int visible = 0;
        if (m_pVavurOrezo != nullptr) {
            const int flags = model->IsOutputOptionalApplicable(m_pVavurOrezo->GetType(), m_pVavurOrezo->GetHandle(),
                                                                m_pVavurOrezo->GetExitLabel(i));
            visible = (flags & 0x1000) != 0 && m_pVavurOrezo->IsExitGotoShown(i) ? 1 : 0;
        }
        auto* output = new KvSoftRecMem(kOutputRecord);
        KvFieldValue(kOutputName, output) = CString(name);
        KvFieldValue(kOutputConnection, output) = CString(connection != nullptr ? connection : "");
        KvFieldValue(kOutputVisible, output) = static_cast<std::int32_t>(visible);
        output->Commit();
        m_pOutputs->Add(output);
    }
}

void* KvSoftRecPBV::FieldStorage(WORD fieldId)
{
    EnsureFieldStorage(fieldId);
    if (fieldId == kKvFieldOutputs)
        return m_pOutputs;
    if (fieldId == kKvFieldNotes)
        return const_cast<char*>(m_pNotes);
    const int offset = ParameterOffset(fieldId);
    if (!KV_ASSERT(offset >= 0))
        return nullptr;
    KvModelSdo* model = KvGetModelSdo();
    if (model == nullptr)
        return nullptr;
    return model->GetSymbolPtr(m_nPBType, ParameterName(fieldId), m_hPB, offset);
}

void KvSoftRecPBV::StoreText(WORD fieldId, const CString& text)
{
    KvModelSdo* model = KvGetModelSdo();
    if (model == nullptr)
        return;
    const CString name = ParameterName(fieldId);
    const int offset = ParameterOffset(fieldId);
    // The model replaces (and releases) the old buffer itself.
    auto* buffer = static_cast<char*>(model->AllocateMem(m_nPBType, name, m_hPB, offset));
    const std::size_t size = model->GetAllocatedSize(m_nPBType, name);
    if (buffer == nullptr || size == 0)
        return;
    // The buffer holds what the model gave it room for; longer text is cut.
    const std::size_t n = std::min(static_cast<std::size_t>(text.GetLength()), size - 1);
    std::memcpy(buffer, static_cast<const char*>(text), n);
    buffer[n] = 0;
}

void KvSoftRecPBV::StoreField(WORD fieldId)
{
    KvFieldValue field(fieldId, this);
    if (fieldId == kKvFieldNotes) {
        if (m_pVavurOrezo != nullptr) {
            m_pVavurOrezo->SetDescription(field.AsText());
            m_pNotes = m_pVavurOrezo->GetDescription();
        }
        return;
    }
    const WORD storageType = GetFieldStorageType(fieldId);
    if (storageType == kKvStoreChar) {
        StoreText(fieldId, field.AsText());
        return;
    }
    void* storage = FieldStorage(fieldId);
    if (storage == nullptr) {
        KvModelSdo* model = KvGetModelSdo();
        if (model != nullptr)
            storage = model->AllocateMem(m_nPBType, ParameterName(fieldId), m_hPB, ParameterOffset(fieldId));
    }
    if (!KV_ASSERT(storage != nullptr))
        return;
    switch (storageType) {
    case kKvStoreInt16:
        *static_cast<short*>(storage) = field.AsInt16();
        break;
    case kKvStoreInt32:
    case kKvStoreBool:
        *static_cast<std::int32_t*>(storage) = field.AsInt32();
        break;
    case kKvStoreString:
        *static_cast<CString*>(storage) = field.AsText();
        break;
    default:
        KV_ASSERT(0);
    }
}

int KvSoftRecPBV::Edit()
{
    CreateFieldStorage(0);
    ShellServices* app = GetApplication();
    if (GetID() == kThruDialRecord && app != nullptr)
        app->FreeServerRec();
    ReleaseItemRefs();
    ReleaseResPermRefs();
    const int result = KvSoftRec::Edit();
    AddItemRefs();
    AddResPermRefs();
    if (GetID() == kLanguageRecord && app != nullptr)
        app->UpdateLanguageUse();
    return result;
}

void KvSoftRecPBV::ForEachItem(void (ShellServices::*voice)(int), void (ShellServices::*fax)(int))
{
    CreateFieldStorage(0);
    ShellServices* app = GetApplication();
    if (app == nullptr)
        return;
    for (WORD id : m_itemFields) {
        const std::int32_t item = KvFieldValue(id, this).AsInt32();
        if (IsItemId(item))
            (app->*(IsFaxRecord() ? fax : voice))(item);
    }
}

void KvSoftRecPBV::AddItemRefs()
{
    ForEachItem(&ShellServices::AddVoiceItemUse, &ShellServices::AddFaxItemUse);
}

void KvSoftRecPBV::ReleaseItemRefs()
{
    ForEachItem(&ShellServices::ReleaseVoiceItemUse, &ShellServices::ReleaseFaxItemUse);
}

void KvSoftRecPBV::CopyItemsToClipboard()
{
    ForEachItem(&ShellServices::CutCopyVoiceItem, &ShellServices::CutCopyFaxItem);
}

void KvSoftRecPBV::AddResPermRefs()
{
    CreateFieldStorage(0);
    ShellServices* app = GetApplication();
    if (app == nullptr)
        return;
    for (WORD id : m_resPermFields)
        app->AddResPermUse(KvFieldValue(id, this).AsInt32());
    app->UpdateResPermData();
}

void KvSoftRecPBV::ReleaseResPermRefs()
{
    CreateFieldStorage(0);
    ShellServices* app = GetApplication();
    if (app == nullptr)
        return;
    for (WORD id : m_resPermFields)
        app->RemoveResPermUse(KvFieldValue(id, this).AsInt32());
}

void KvSoftRecPBV::CopyResPermRefs()
{
    CreateFieldStorage(0);
    ShellServices* app = GetApplication();
    if (app == nullptr)
        return;
    for (WORD id : m_resPermFields) {
        const std::int32_t value = KvFieldValue(id, this).AsInt32();
        if (value > 0)
            app->CutCopyResPermItem(value);
    }
}

void KvSoftRecPBV::ReplaceItemID(bool fax, WORD oldId, WORD newId)
{
    if (IsFaxRecord() != fax)
        return;
    CreateFieldStorage(0);
    for (WORD id : m_itemFields) {
        if (KvFieldValue(id, this).AsInt32() == oldId)
            KvFieldValue(id, this) = static_cast<std::int32_t>(newId);
    }
    Commit();
}

void KvSoftRecPBV::RenumberPastedItems()
{
    CreateFieldStorage(0);
    ShellServices* app = GetApplication();
    if (app == nullptr)
        return;
    bool renumbered = false;
    for (WORD id : m_itemFields) {
        const std::int32_t item = KvFieldValue(id, this).AsInt32();
        if (!IsItemId(item))
            continue;
        const int pasted = IsFaxRecord() ? app->PastedFaxItemId(item) : app->PastedVoiceItemId(item);
        if (pasted != item) {
            KvFieldValue(id, this) = static_cast<std::int32_t>(pasted);
            renumbered = true;
        }
    }
    if (renumbered)
        Commit();
}

int KvSoftRecPBV::UpdateIconFinished()
{
    CreateFieldStorage(0);
    // Without edits in progress, read the parameters afresh: the model may have changed.
    if (!IsEditing())
        DiscardEdits();
    ShellServices* app = GetApplication();
    KvModelSdo* model = KvGetModelSdo();
    if (app != nullptr && GetID() == kThruDialRecord) {
        KvFieldValue list(kResPermField, this);
        if (list.AsInt32() != 0 && app->FindServerResPermIndex(list.AsInt32()) == -1) {
            list = static_cast<std::int32_t>(-2);
            StoreField(kResPermField);
        }
    }
    if (app != nullptr && GetID() == kLanguageRecord) {
        KvFieldValue language(kLanguageField, this);
        if (language.AsInt32() != -1 && app->FindServerLanguageIndex(language.AsInt32()) == -1) {
            language = static_cast<std::int32_t>(-2);
            StoreField(kLanguageField);
        }
    }
    // The rules run as for an edited record, without showing anything.
    const int wasEditing = IsEditing();
    SetEditing(1);
    const int valid = Verify(1);
    SetEditing(wasEditing);
    if (!valid) {
        if (model != nullptr)
            model->SetIconFinished(m_hPB, 0);
        return 0;
    }
    for (int i = 0; model != nullptr && m_pVavurOrezo != nullptr && m_pOutputs != nullptr && i < m_pOutputs->GetSize(); ++i) {
        const int r = model->IsOutputOptionalApplicable(m_pVavurOrezo->GetType(), m_pVavurOrezo->GetHandle(),
                                                        m_pVavurOrezo->GetExitLabel(i));
        if ((r & 0x1000) != 0 && (r & 0x0001) == 0 && (r & 0x0010) == 0) {
            model->SetIconFinished(m_hPB, 0);
            return 0;
        }
    }
    if (model != nullptr)
        model->SetIconFinished(m_hPB, 1);
    return 1;
}
