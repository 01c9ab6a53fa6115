#include "shell/commands/reportlookups.h"

#include "foundation/kvobarray.h"
#include "framework/definitions/defs_ids.h"
#include "framework/softrec/kvfldvlu.h"
#include "framework/softrec/kvsoftrec.h"

namespace {

enum class IdWidth { none, int16, int32 };  // none: every entry's id is 0

// Where one table's entries come from: the list's data link and the fields of its records.
struct TableSource {
    zeph::ComboTableIndex table;
    WORD link;
    bool onActiveApp;
    WORD idField;
    IdWidth width;
    WORD textField;
};

// The system prompts are looked up by position, so their ids carry nothing.
constexpr TableSource kSources[] = {
    {zeph::kComboLanguages, 2313, false, F_LANG_LOCAL_ID, IdWidth::int32, F_LANG_NAME},
    {zeph::kComboSystemPrompts, 2311, false, 0, IdWidth::none, F_DIR_NAME},
    {zeph::kComboRestrictions, 2312, false, F_RPL_LIST_ID, IdWidth::int32, F_RPL_NAME},
    {zeph::kComboVoiceItems, 2302, true, F_VI_ID, IdWidth::int16, F_VI_NAME},
    {zeph::kComboFaxItems, 2303, true, F_FI_ID, IdWidth::int16, F_FI_NAME},
};

std::int16_t IdOf(const TableSource& source, KvSoftRec* record)
{
    switch (source.width) {
    case IdWidth::int16:
        return KvFieldValue(source.idField, record).AsInt16();
    case IdWidth::int32:
        return static_cast<std::int16_t>(KvFieldValue(source.idField, record).AsInt32());
    default:
        return 0;
    }
}

}  // namespace

ReportLookupTables::ReportLookupTables(const Resolver& resolve, bool withAppLists)
{
    for (const TableSource& source : kSources) {
        if (source.onActiveApp && !withAppLists)
            continue;
        KvFieldValue list;
        if (!resolve(source.link, list) || list.GetSoftRec() == nullptr)
            continue;
        auto* records = static_cast<KvObArray*>(list.GetSoftRec()->GetFieldStorage(list.GetFieldID()));
        if (records == nullptr || records->GetSize() == 0)
            continue;
        std::vector<zeph::ComboStruct> entries;
        for (int i = 0; i < records->GetSize(); ++i) {
            auto* record = dynamic_cast<KvSoftRec*>(records->GetAt(i));
            if (record == nullptr)
                continue;
            m_texts.push_back(std::make_unique<std::string>(
                static_cast<const char*>(KvFieldValue(source.textField, record).AsText())));
            entries.push_back({IdOf(source, record), m_texts.back()->c_str()});
        }
        entries.push_back({zeph::kComboEnd, nullptr});
        m_entries.push_back(std::move(entries));
        m_tables[source.table] = m_entries.back().data();
    }
}
