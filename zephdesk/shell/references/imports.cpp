#include "shell/references/imports.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "editor/canvas/program.h"
#include "foundation/kvassert.h"
#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "kvlink.h"
#include "shell/document/doctexts.h"
#include "shell/document/kvuserapp.h"
#include "shell/references/libraryname.h"
#include "shell/serverlists/kvlinkcalls.h"

namespace {

class VlxLibraryModel : public KvLibraryModel {
public:
    bool ImportLibrary(vlxHandleType program, const char* library) override
    {
        return vlxImportRLL(program, library, nullptr) != nullptr;
    }
    void RemoveLibrary(vlxHandleType program, const char* library) override { vlxRemoveRLL(program, library); }
    bool IsLibraryInUse(vlxHandleType program, const char* library) override
    {
        return vlxRLLInUse(program, library) == 1;
    }
    void GetLibraries(vlxHandleType program, std::vector<std::string>& names) override
    {
        vlxGetRLList(program, names);
    }
};

KvLibraryModel* g_model = nullptr;

KvPaletteRefresher& PaletteRefresher()
{
    static KvPaletteRefresher refresher;
    return refresher;
}

void RefreshPalette(ed::Program* program)
{
    if (!PaletteRefresher())
        return;
    PaletteRefresher()(nullptr);
    PaletteRefresher()(program);
}

std::string Upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::int32_t IdOf(KvObject* record)
{
    return KvFieldValue(F_UA_ID, static_cast<KvSoftRec*>(record)).AsInt32();
}

CString NameOf(KvObject* record)
{
    return KvFieldValue(F_UA_NAME, static_cast<KvSoftRec*>(record)).AsText();
}

}  // namespace

KvLibraryModel& KvVlxLibraryModel()
{
    static VlxLibraryModel model;
    return model;
}

KvLibraryModel& KvGetLibraryModel()
{
    return g_model != nullptr ? *g_model : KvVlxLibraryModel();
}

void KvSetLibraryModel(KvLibraryModel* model)
{
    g_model = model;
}

void KvSetPaletteRefresher(KvPaletteRefresher refresher)
{
    PaletteRefresher() = std::move(refresher);
}

bool KvSplitLibraryName(const std::string& library, int& id, std::string& name)
{
    const std::size_t dot = library.rfind('.');
    if (dot == std::string::npos)
        return false;
    const std::string digits = library.substr(dot + 1);
    if (digits.empty() || digits.size() > 9 || !std::all_of(digits.begin(), digits.end(), [](unsigned char c) {
            return std::isdigit(c) != 0;
        }))
        return false;
    id = std::atoi(digits.c_str());
    if (!KvUserApp::IsValidID(id))
        return false;
    name = library.substr(0, dot);
    return true;
}

int KvSendImports(KvUserApp& app, int mode)
{
    // The request: one entry {customer 1, imported ID, 0} per import, ended by a zero entry.
    KvObArray* imports = app.GetList(F_UA_APPS);
    std::vector<KvImportEntry> entries;
    for (int i = 0; imports != nullptr && i < imports->GetSize(); ++i)
        entries.push_back({1, IdOf(imports->GetAt(i)), 0});
    entries.push_back({0, 0, 0});
    KvImportRequest request{1, app.GetInt(F_UA_ID), entries.data()};
    KvLinkCalls* link = KvGetLinkCalls();
    int result = 60;
    if (link != nullptr)
        result = mode == 1 ? link->GetDataFromFS(&request) : link->FileImport(&request);
    if (result != 0)
        KvDocWarning(KvServerFaultMessage(result, 8039), nullptr, __FILE__, __LINE__);
    return result;
}

int KvUserApp::AddImport(KvUserApp* record)
{
    KV_ASSERT(m_pProgram != nullptr);
    if (m_pProgram == nullptr || record == nullptr)
        return 1;
    const int id = record->GetInt(F_UA_ID);
    if (id == GetInt(F_UA_ID)) {
        KvDocWarning(8119, std::to_string(id).c_str(), __FILE__, __LINE__);
        return -1;
    }
    if (FindImport(id) >= 0)
        return -1;
    const std::string library = MakeLibraryName(id, record->GetText(F_UA_NAME));
    KvLibraryModel& model = KvGetLibraryModel();
    if (!model.ImportLibrary(m_pProgram->Handle(), library.c_str()))
        return 1;
    KvObArray& imports = *GetList(F_UA_APPS);
    imports.Add(record);
    if (KvSendImports(*this, 0) != 0) {
        const int at = FindImport(id);
        KV_ASSERT(at >= 0);
        if (at >= 0)
            imports.RemoveAt(at);  // the caller keeps the record it offered
        model.RemoveLibrary(m_pProgram->Handle(), Upper(library).c_str());
        return 1;
    }
    m_pProgram->SetModified();
    m_pProgram->UpdateLibraryGroup(library.c_str());
    RefreshPalette(m_pProgram);
    return 0;
}

int KvUserApp::RemoveImport(KvUserApp& record)
{
    KV_ASSERT(m_pProgram != nullptr);
    if (m_pProgram == nullptr)
        return 1;
    const int id = record.GetInt(F_UA_ID);
    const std::string library = MakeLibraryName(id, record.GetText(F_UA_NAME));
    const int at = FindImport(id);
    KV_ASSERT(at >= 0);
    if (at < 0)
        return 1;
    KvLibraryModel& model = KvGetLibraryModel();
    if (model.IsLibraryInUse(m_pProgram->Handle(), library.c_str())) {
        KvDocWarning(8042, library.c_str(), __FILE__, __LINE__);
        return -1;
    }
    KvObArray& imports = *GetList(F_UA_APPS);
    KvObject* entry = imports.GetAt(at);
    imports.RemoveAt(at);
    if (KvSendImports(*this, 0) != 0) {
        imports.Add(entry);  // back, now last
        return 1;
    }
    delete entry;
    model.RemoveLibrary(m_pProgram->Handle(), Upper(library).c_str());
    m_pProgram->RebuildLibraryGroups();
    m_pProgram->SetModified();
    RefreshPalette(m_pProgram);
    return 0;
}

void KvUserApp::LoadImports(KvObArray* serverApps)
{
    KV_ASSERT(m_pProgram != nullptr);
    if (m_pProgram == nullptr)
        return;
    std::vector<std::string> libraries;
    KvGetLibraryModel().GetLibraries(m_pProgram->Handle(), libraries);
    KvObArray& imports = *GetList(F_UA_APPS);
    for (const std::string& library : libraries) {
        int id = 0;
        std::string name;
        if (!KvSplitLibraryName(library, id, name))
            continue;
        // The server's current name when the application is still in its list.
        for (int i = 0; serverApps != nullptr && i < serverApps->GetSize(); ++i) {
            if (IdOf(serverApps->GetAt(i)) == id) {
                name = static_cast<const char*>(NameOf(serverApps->GetAt(i)));
                break;
            }
        }
        auto* record = new KvUserApp("");
        record->SetInt(F_UA_ID, id);
        record->SetText(F_UA_NAME, name.c_str());
        record->Commit();
        imports.Add(record);
    }
}
