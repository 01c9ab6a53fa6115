// The workspace's cached server record and the data links through which soft dialogs reach
// the server's lists and the active application's lists by number.
#pragma once

#include "foundation/kvwintypes.h"

class KvFieldValue;
class KvServerRec;
class KvSoftRec;

class KvWorkspaceLists {
public:
    KvWorkspaceLists() = default;
    ~KvWorkspaceLists();
    KvWorkspaceLists(const KvWorkspaceLists&) = delete;
    KvWorkspaceLists& operator=(const KvWorkspaceLists&) = delete;

    // The cached record, made for kind when there is none; an existing one is returned
    // whatever its kind.
    KvServerRec& GetServerRec(int kind);
    KvServerRec* PeekServerRec() const { return m_pServerRec; }
    void FreeServerRec();

    // Points field at the list behind a data link; false (and an assertion) for an id
    // without one. The active application's links need activeApp.
    bool ResolveDataLink(WORD linkId, KvFieldValue& field, KvSoftRec* activeApp);
    // The application lists (2305-2310): a fresh record of the link's kind with its list
    // read; the active application's imports (2314) need nothing.
    void RefreshDataLink(WORD linkId, int activeAppId);
    // Inserts the server's transfer list into the cached application list at position.
    void PumpDataLink(WORD linkId, int position);

    // The application list kind of a link 2305-2310; -1 for any other.
    static int KindOfLink(WORD linkId);

private:
    KvServerRec* m_pServerRec = nullptr;
};
