#include "shell/workspace/apppicker.h"

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "shell/document/kvuserapp.h"
#include "shell/serverlists/kvserverrec.h"

KvUserApp* KvMakeChosenApp(const KvChosenApp& chosen)
{
    auto* app = new KvUserApp(chosen.name.c_str());
    app->SetInt(F_UA_ID, chosen.id);
    app->SetInt(F_UA_VOLUME, chosen.volume);
    app->Commit();
    return app;
}

int KvDialogAppPicker::PickOne(const KvAppListMode& mode, KvUserApp& target)
{
    return KvChooseApplications(m_lists, mode, &target, nullptr);
}

int KvDialogAppPicker::PickMany(const KvAppListMode& mode, std::vector<KvChosenApp>& chosen)
{
    KvServerRec holder(kKvNoAppList);
    if (KvChooseApplications(m_lists, mode, nullptr, &holder) == 0)
        return 0;
    KvObArray& list = holder.List(F_SRV_APPS);
    for (int i = 0; i < list.GetSize(); ++i) {
        auto* record = dynamic_cast<KvSoftRec*>(list.GetAt(i));
        if (record == nullptr)
            continue;
        KvChosenApp app;
        app.id = KvFieldValue(F_UA_ID, record).AsInt32();
        app.name = static_cast<const char*>(KvFieldValue(F_UA_NAME, record).AsText());
        app.volume = KvFieldValue(F_UA_VOLUME, record).AsInt32();
        app.modification = KvFieldValue(F_UA_MODIFICATION, record).AsInt32();
        chosen.push_back(app);
    }
    return 1;
}
