#include "shell/records/kvuserfunc.h"

#include <string>

#include "editor/canvas/page.h"
#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "shell/document/modelsymbols.h"
#include "model/symbol.h"
#include "shell/records/kvsentence.h"
#include "shell/records/segmenttypes.h"

namespace {

constexpr short kSentenceSymbolType = 35;

}  // namespace

KvUserFunc::KvUserFunc(const ed::Page* page) : KvReadOnlyRecord(DEF_FUNCTION)
{
    if (page == nullptr)
        return;
    KvFieldValue(F_FUNC_NAME, this) = CString(page->Name().c_str());
    Commit();
}

void* KvUserFunc::FieldStorage(WORD fieldId)
{
    void* storage = KvReadOnlyRecord::FieldStorage(fieldId);
    if (fieldId != F_FUNC_SCOPES || m_bSentencesMade || storage == nullptr)
        return storage;
    m_bSentencesMade = true;
    // The memory record owns the list and deletes its records with it.
    AddSentences(*static_cast<KvObArray*>(storage));
    return storage;
}

void KvUserFunc::AddSentences(KvObArray& sentences)
{
    const std::string page = static_cast<const char*>(*static_cast<CString*>(FieldStorage(F_FUNC_NAME)));
    if (page.empty())
        return;  // no page: no function to list sentences for
    for (zeph::Symbol* symbol : KvSymbolsOfType(kSentenceSymbolType)) {
        if (KvSentencePage(symbol->Name) == page)
            sentences.Add(new KvSentence(symbol));
    }
}
