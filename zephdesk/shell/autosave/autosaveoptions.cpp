#include "shell/autosave/autosaveoptions.h"

#include <memory>

#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsoftrec.h"

void KvRunAutoSaveOptions(bool& enabled, std::int32_t& minutes)
{
    std::unique_ptr<KvSoftRec> record(KvSoftRec::Create(DEF_AUTO_SAVE, 0));
    if (!record)
        return;
    KvFieldValue(F_AS_ENABLED, record.get()) = static_cast<std::int32_t>(enabled ? 1 : 0);
    KvFieldValue(F_AS_MINUTES, record.get()) = minutes;
    record->EditInDialog(DLG_AUTO_SAVE, 11163);
    enabled = KvFieldValue(F_AS_ENABLED, record.get()).AsInt32() == 1;
    minutes = KvFieldValue(F_AS_MINUTES, record.get()).AsInt32();
}
