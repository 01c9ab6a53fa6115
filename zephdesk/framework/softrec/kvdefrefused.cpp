#include "framework/softrec/kvdefrefused.h"

#include <set>

namespace {

std::set<WORD>& Refused()
{
    static std::set<WORD> ids;
    return ids;
}

}  // namespace

bool KvIsRefusedDefinition(WORD defId)
{
    return Refused().count(defId) != 0;
}

void KvMarkRefusedDefinition(WORD defId)
{
    Refused().insert(defId);
}

void KvForgetRefusedDefinitions()
{
    Refused().clear();
}
