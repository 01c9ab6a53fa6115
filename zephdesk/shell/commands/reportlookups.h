// The display-text tables of the block details report: the languages, the system prompts,
// the restriction/permission lists, and the active application's voice and fax items, read
// from the lists behind their data links, so that the model prints a block's stored ids as
// the names the user chose them by.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "foundation/kvwintypes.h"
#include "model/pbentry_combo.h"

class KvFieldValue;

class ReportLookupTables {
public:
    // Points the field at the list behind a data link; false when the link has no list now.
    using Resolver = std::function<bool(WORD linkId, KvFieldValue& list)>;

    // Builds the five tables; withAppLists is false when no application is active, so that
    // its voice and fax item links are never resolved. A list without entries gives no
    // table.
    ReportLookupTables(const Resolver& resolve, bool withAppLists);
    ReportLookupTables(const ReportLookupTables&) = delete;
    ReportLookupTables& operator=(const ReportLookupTables&) = delete;

    // In the model's order (languages, system prompts, restrictions, voice items, fax
    // items); null for a table not built. Valid while this object lives.
    zeph::ComboStruct* const* Tables() const { return m_tables; }

private:
    // Copies of the texts: the tables point into them, so they must not move.
    std::vector<std::unique_ptr<std::string>> m_texts;
    std::vector<std::vector<zeph::ComboStruct>> m_entries;
    zeph::ComboStruct* m_tables[5] = {};
};
