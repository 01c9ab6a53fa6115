// The item members of a user-application document as the item workers reach them: the
// server items of its voice and fax items (add 21, remove 23, fax content delete 25) and
// of its spoken name, each failure reported with its message.
#pragma once

#include "foundation/kvwintypes.h"
#include "shell/items/itemworkspace.h"

class KvUserApp;

class KvUserAppItems : public KvItemApplication {
public:
    explicit KvUserAppItems(KvUserApp& document) : m_document(document) {}

    std::int32_t ApplicationId() override;
    void SetModified() override;
    bool IsSpokenNameRecorded() override;
    int AddSpokenNameItem() override;
    int AddItemOnServer(int kind, const char* name, int id, const char* description) override;
    int RemoveItemOnServer(int kind, const char* name, int id, const char* description) override;
    int DeleteFaxContentOnServer(const char* name, int id, const char* description) override;
    KvSoftRec* DocumentRecord() override;

private:
    int Manipulate(int operation, int kind, const char* name, int id, const char* description, UINT failure);

    KvUserApp& m_document;
};
