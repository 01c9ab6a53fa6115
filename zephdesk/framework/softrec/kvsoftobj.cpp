#include "framework/softrec/kvsoftobj.h"

#include "foundation/kvassert.h"
#include "framework/shellservices.h"

namespace {

KvRecordEditor* g_editor = nullptr;

struct CallOutRule {
    WORD id;
    bool minusOneKeepsResult;
};

constexpr CallOutRule kCallOuts[] = {
    {32000, false},  // record a voice item
    {32001, true},   // import a voice item
    {32002, false},  // import a fax item
    {32003, false},  // record a fax item's prompt
    {32004, true},   // import a fax item's prompt
    {32005, false},  // record the spoken name
    {32006, true},   // import the spoken name
    {32007, true},   // delete a fax item
};

const char* const kValueTypeNames[] = {"NONE", "INT16", "INT32", "TEXT", "BOOL", "MONTHANDDAY", "TIME",
                                       "RECORDSET"};

struct StorageName {
    WORD type;
    const char* name;
};

constexpr StorageName kStorageNames[] = {
    {0x8020, "CHAR"},  {0x8040, "MEMSTRINGTABLEID"}, {0x8080, "INT32"},   {0x8100, "INT16"},
    {0x8200, "BOOL"},  {0x8400, "STRING"},           {0x8800, "OBARRAY"},
};

}  // namespace

void KvSoftObj::SetApplication(ShellServices* app)
{
    KvSetShellServices(app);
}

ShellServices* KvSoftObj::GetApplication()
{
    return KvGetShellServices();
}

void KvSoftObj::SetRecordEditor(KvRecordEditor* editor)
{
    g_editor = editor;
}

KvRecordEditor* KvSoftObj::GetRecordEditor()
{
    return g_editor;
}

void KvSoftObj::CallOut(WORD id, KvSoftRec* pContext, WORD, short* pResult)
{
    const CallOutRule* rule = nullptr;
    for (const auto& r : kCallOuts) {
        if (r.id == id)
            rule = &r;
    }
    ShellServices* app = GetApplication();
    if (!KV_ASSERT(rule != nullptr) || !KV_ASSERT(pContext != 0) || !KV_ASSERT(app != nullptr))
        return;
    const int nRV = app->RunCallOut(id, *pContext);
    if (pResult == nullptr)
        return;
    if (rule->minusOneKeepsResult && nRV == -1)
        return;
    if (!KV_ASSERT(nRV >= (-32767 - 1) && nRV <= 32767))
        return;
    *pResult = static_cast<short>(nRV);
}

CString KvSoftObj::GetValueTypeName(WORD valueType)
{
    if (!KV_ASSERT(valueType <= 7))
        return CString();
    CString name = kValueTypeNames[valueType];
    while (name.GetLength() < 11)
        name += ' ';
    return name;
}

CString KvSoftObj::GetStorageTypeName(WORD storageType)
{
    for (const auto& entry : kStorageNames) {
        if (entry.type == storageType)
            return entry.name;
    }
    KV_ASSERT(0);
    return CString();
}
