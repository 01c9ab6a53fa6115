// The document's item lists made from the item symbols of a program read from its file.
#include "foundation/kvassert.h"
#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "model/symbol.h"
#include "shell/document/kvuserapp.h"
#include "shell/document/modelsymbols.h"
#include "shell/items/itemdata.h"
#include "shell/items/kvsoftitem.h"

void KvUserApp::LoadItemsFromModel(int kind)
{
    KvObArray& items = *GetList(kind == kKvFaxItemKind ? F_UA_FAX_ITEMS : F_UA_VOICE_ITEMS);
    for (zeph::Symbol* symbol : KvSymbolsOfType(kKvItemSymbolType)) {
        // An item symbol always has its block; one without is left out.
        if (!KV_ASSERT(symbol->Variable()))
            continue;
        if (symbol->NotInCode != 0 || symbol->Deleted != 0 || KvItemKind(symbol) != kind)
            continue;
        if (kind == kKvFaxItemKind)
            items.Add(new KvFaxItem(symbol));
        else
            items.Add(new KvVoiceItem(symbol));
    }
}
