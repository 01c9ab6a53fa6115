#include "shell/records/kvsentence.h"

#include <cstring>
#include <string>

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "model/symbol.h"
#include "model/vsentence.h"
#include "shell/records/kvsegment.h"
#include "shell/records/segmenttypes.h"

KvSentence::KvSentence(zeph::Symbol* symbol) : KvReadOnlyRecord(DEF_SCOPE), m_pSymbol(symbol)
{
    if (symbol == nullptr)
        return;
    const std::string name(symbol->Name, strnlen(symbol->Name, sizeof symbol->Name));
    const std::size_t dollar = name.find('$');
    KvFieldValue(F_SCOPE_NAME, this) = CString(dollar == std::string::npos ? name.c_str() : name.c_str() + dollar + 1);
    const char* scope = KvSentenceScopeText(symbol->Scope);
    KvFieldValue(F_SCOPE_SCOPE, this) = CString(scope != nullptr ? scope : "");
    Commit();
}

void* KvSentence::FieldStorage(WORD fieldId)
{
    void* storage = KvReadOnlyRecord::FieldStorage(fieldId);
    if (fieldId != F_SCOPE_FILES || m_bSegmentsMade || storage == nullptr)
        return storage;
    m_bSegmentsMade = true;
    // The memory record owns the list and deletes its records with it.
    auto* segments = static_cast<KvObArray*>(storage);
    zeph::SentenceComponent** first = m_pSymbol != nullptr ? zeph::SentenceComponents(m_pSymbol) : nullptr;
    for (const zeph::SentenceComponent* c = first != nullptr ? *first : nullptr; c != nullptr; c = c->Next)
        segments->Add(new KvSegment(*c));
    return storage;
}
