#include "shell/document/kvuserapp.h"

#include <cstring>
#include <string>

#include "editor/canvas/program.h"
#include "editor/support/editorhost.h"
#include "foundation/kvassert.h"
#include "foundation/kvobarray.h"
#include "foundation/kvvifpath.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvvalue.h"
#include "kvlink.h"
#include "shell/document/locktime.h"
#include "shell/document/textcopy.h"

namespace {

// The file-name part of a path: no folder, no extension.
std::string BaseName(const char* path)
{
    std::string name = path != nullptr ? path : "";
    const std::size_t slash = name.find_last_of("\\/:");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return name;
}

}  // namespace

KvUserApp::KvUserApp(const char* path) : KvSoftRecDataLink(DEF_USER_APP)
{
    SetDefaults();
    SetText(F_UA_NAME, BaseName(path).c_str());
    Commit();
}

KvUserApp::KvUserApp(const KvAppListEntry& entry) : KvSoftRecDataLink(DEF_USER_APP)
{
    SetDefaults();
    SetInt(F_UA_CUSTOMER, entry.customerId);
    SetInt(F_UA_ID, entry.applicationId);
    SetText(F_UA_NAME, KvBoundedText(entry.name, sizeof entry.name).c_str());
    SetText(F_UA_DESCRIPTION, KvBoundedText(entry.description, sizeof entry.description).c_str());
    SetText(F_UA_LOCKING_PC, KvBoundedText(entry.lockingPc, sizeof entry.lockingPc).c_str());
    SetText(F_UA_LOCKING_USER, KvBoundedText(entry.lockingUser, sizeof entry.lockingUser).c_str());
    SetText(F_UA_LOCKING_TIME, KvFormatLockTime(entry.lockingTime).c_str());
    SetInt(F_UA_VOLUME, entry.volumeId);
    SetInt(F_UA_MODIFICATION, entry.reserved);
    Commit();
}

// The memory record frees the lists and their records; the program is not the document's.
KvUserApp::~KvUserApp() = default;

void KvUserApp::SetDefaults()
{
    SetInt(F_UA_CUSTOMER, 1);
    SetInt(F_UA_ID, 0);
    SetInt(F_UA_VOLUME, 1);
    SetText(F_UA_TELSET_PWD, kKvPasswordPlaceholder);
    SetText(F_UA_PWD_CONFIRM, kKvPasswordPlaceholder);
    SetInt(F_UA_SPOKEN_NAME_RECORDED, 0);
    SetInt(F_UA_EXPORTED, 0);
    SetInt(F_UA_COMPLETE, 0);
}

std::int32_t KvUserApp::GetInt(WORD fieldId)
{
    return KvFieldValue(fieldId, this).AsInt32();
}

CString KvUserApp::GetText(WORD fieldId)
{
    return KvFieldValue(fieldId, this).AsText();
}

void KvUserApp::SetInt(WORD fieldId, std::int32_t value)
{
    // A flag is kept as the text its controls show ("Yes"/"No"); a number there would show
    // as the digit in the property sheet.
    if (GetFieldValueType(fieldId) == kKvValueBool)
        KvFieldValue(fieldId, this) = CString(value != 0 ? "Yes" : "No");
    else
        KvFieldValue(fieldId, this) = value;
}

void KvUserApp::SetText(WORD fieldId, const char* text)
{
    KvFieldValue(fieldId, this) = CString(text != nullptr ? text : "");
}

KvObArray* KvUserApp::GetList(WORD fieldId)
{
    return static_cast<KvObArray*>(GetFieldStorage(fieldId));
}

void KvUserApp::StoreField(WORD fieldId)
{
    if (m_pProgram != nullptr)
        m_pProgram->SetModified();
    KvSoftRecDataLink::StoreField(fieldId);
    if (fieldId != F_UA_NAME || m_pProgram == nullptr)
        return;
    std::string folder = kvvif::ProgramFolder();
    if (!folder.empty() && folder.back() != '\\' && folder.back() != '/')
        folder += '\\';
    const CString& name = *static_cast<CString*>(GetFieldStorage(F_UA_NAME));
    m_pProgram->SetFileName((folder + static_cast<const char*>(name) + ".ed").c_str());
    m_pProgram->Host().UpdateChildCaptions();
}

bool KvUserApp::HoldsServerRecords(WORD fieldId)
{
    return fieldId == F_UA_VOICE_ITEMS || fieldId == F_UA_FAX_ITEMS;
}

int KvUserApp::IsModified()
{
    KV_ASSERT(m_pProgram != nullptr);
    return m_pProgram != nullptr && m_pProgram->IsModified() ? 1 : 0;
}

void KvUserApp::SetModified()
{
    KV_ASSERT(m_pProgram != nullptr);
    if (m_pProgram != nullptr)
        m_pProgram->SetModified();
}

int KvUserApp::IsComplete()
{
    return m_pProgram != nullptr ? m_pProgram->SearchPages(0) : 0;
}

int KvUserApp::IsExported()
{
    // A flag answers "No" only when clear: any other state counts as exported.
    return GetInt(F_UA_EXPORTED) != 0 ? 1 : 0;
}

void KvUserApp::SetExported(int on)
{
    SetInt(F_UA_EXPORTED, on ? 1 : 0);
    Commit();
}

int KvUserApp::GetImportCount()
{
    KvObArray* imports = GetList(F_UA_APPS);
    return imports != nullptr ? imports->GetSize() : 0;
}

bool KvUserApp::GetActiveAppFacts(ActiveAppFacts& facts)
{
    facts.exportField = IsExported() ? "Yes" : "No";
    facts.importCount = GetImportCount();
    facts.complete = IsComplete() != 0;
    return true;
}

int KvUserApp::FindImport(int appId)
{
    KvObArray* imports = GetList(F_UA_APPS);
    if (imports == nullptr)
        return -1;
    for (int i = 0; i < imports->GetSize(); ++i) {
        auto* app = dynamic_cast<KvSoftRec*>(imports->GetAt(i));
        if (app != nullptr && KvFieldValue(F_UA_ID, app).AsInt32() == appId)
            return i;
    }
    return -1;
}
