// The designer's copy of the lists the server offers to the dialogs: the applications of
// one list kind, the seventeen system prompt names, the restriction/permission lists, the
// languages and the volumes, each a record set of small memory records.
#pragma once

#include <cstdint>

#include "framework/softrec/kvsrecmem.h"

class KvObArray;

// The application list kinds of the server.
inline constexpr int kKvNoAppList = -1;

class KvServerRec : public KvSoftRecDataLink {
public:
    // Fetches every list but the applications; a failed fetch leaves its list empty and
    // reports it by the kind rule.
    explicit KvServerRec(int kind);
    int AddToServer() override { return 1; }
    int DeleteFromServer() override { return 1; }

    int GetKind() const { return m_kind; }
    // Fills the application list for the record's kind (8067 when the server fails).
    void LoadFileList(int activeAppId);
    // Inserts the transfer list's applications from position on.
    void LoadPumpList(int position);
    int FindResPermIndex(std::int32_t listId);
    int FindLanguageIndex(std::int32_t localLanguageId);
    // Whether the server gave the list (an empty list given is still a list).
    bool HasResPerms() const { return m_bResPerms; }
    bool HasLanguages() const { return m_bLanguages; }

    KvObArray& List(WORD fieldId);

    static const char* const kSystemPrompts[17];

private:
    void LoadResPerms();
    void LoadLanguages();
    void LoadVolumes();
    int FindIndex(WORD listField, WORD keyField, std::int32_t value);

    int m_kind;
    bool m_bResPerms = false;
    bool m_bLanguages = false;
};
