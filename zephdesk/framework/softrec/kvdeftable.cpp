// The built-in definition table: the definition sources compiled into word arrays, for
// builds without resources and for comparing the resources with their source.
#include <algorithm>
#include <iterator>

#include "framework/softrec/kvdefstore.h"

#include "framework/definitions/defs_ids.h"
#include "framework/definitions/defs_words.h"

namespace {

#define DEFINITION(id) const WORD kWords_##id[] = {
#define END_DEFINITION };
#include "framework/definitions/records.def"
#include "framework/definitions/sheets.def"
#include "framework/definitions/dialogs.def"
#undef DEFINITION
#undef END_DEFINITION

struct BuiltinDefinition {
    WORD id;
    const WORD* words;
    int count;
};

#undef DEF_WORDS
#define DEF_WORDS(...)
#define DEFINITION(id) {id, kWords_##id, static_cast<int>(std::size(kWords_##id))},
#define END_DEFINITION
const BuiltinDefinition kDefinitions[] = {
#include "framework/definitions/records.def"
#include "framework/definitions/sheets.def"
#include "framework/definitions/dialogs.def"
};
#undef DEFINITION
#undef END_DEFINITION

}  // namespace

bool KvBuiltinDefinitionStore::Find(WORD defId, const WORD*& words, int& count)
{
    for (const auto& def : kDefinitions) {
        if (def.id == defId) {
            words = def.words;
            count = def.count;
            return true;
        }
    }
    return false;
}

std::vector<WORD> KvBuiltinDefinitionStore::Ids()
{
    std::vector<WORD> ids;
    for (const auto& def : kDefinitions)
        ids.push_back(def.id);
    std::sort(ids.begin(), ids.end());
    return ids;
}
