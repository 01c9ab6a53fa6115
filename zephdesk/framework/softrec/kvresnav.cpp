#include "framework/softrec/kvresnav.h"

#include "framework/softrec/kvdefcheck.h"
#include "framework/softrec/kvdefrefused.h"
#include "framework/softrec/kvdefstore.h"

KvResNav::KvResNav(WORD defId)
    : m_defId(defId)
{
    if (KvIsRefusedDefinition(defId) || !KvGetDefinitionStore().Find(defId, m_pFirst, m_count) ||
        m_pFirst == nullptr)
        throw KvException(kKvCannotLoadResource, __FILE__, __LINE__);
}

WORD KvResNav::GetCurrentToken() const
{
    if (m_count == 0)
        return 0;
    return m_pFirst[m_pos];
}

WORD KvResNav::GetNextToken()
{
    if (m_pos + 1 >= m_count)
        return 0;
    return m_pFirst[++m_pos];
}

WORD KvResNav::PeekNextToken() const
{
    if (m_pos + 1 >= m_count)
        return 0;
    return m_pFirst[m_pos + 1];
}
