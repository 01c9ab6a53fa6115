// The application-state table: the state of an application (complete, who holds its lock,
// in use) picks one row, and the row's handler for a save-type action refuses with a
// code, asks a question, or runs the save routines of the application manager.
#pragma once
#include <cstdint>
#include <string>

namespace zlink {

class KvFlowsmithApp;

class KvAppState {
public:
    KvAppState() = default;
    KvAppState(int complete, int lock, int usage) : complete(complete), lock(lock), usage(usage) {}
    virtual ~KvAppState() = default;

    bool IsLockedByMe() const { return lock == 0; }
    bool IsLockedByOther() const { return lock == 1; }
    bool IsAssigned() const { return usage == 1 || usage == 3; }
    bool IsImported() const { return usage == 2 || usage == 3; }
    void SetUsage(bool assigned, bool imported) { usage = assigned && imported ? 3 : imported ? 2 : assigned ? 1 : 0; }
    void SetLock(int code) {
        if (code >= 0 && code <= 2) lock = code;
    }

    std::int32_t exists = 1;
    std::int32_t complete = 0;
    std::int32_t exported = 0;
    std::int32_t lock = 2;   // 0 me, 1 another user, 2 nobody
    std::int32_t usage = 0;  // 0 not in use, 1 assigned, 2 imported, 3 both
};

// The lock value of a profile's "lockinguser" and "lockingpc" for the logged-in user.
int LockOf(const std::string& lockingUser, const std::string& lockingPc, const std::string& userId);

// What a handler works on: the application, and for the save-as actions the target.
struct StateAction {
    KvFlowsmithApp* app = nullptr;
    int targetCustomerId = 0;
    int targetApplicationId = 0;
    std::string targetName;
    int targetVolumeId = 0;
    int flag = 0;
    int targetUsage = 0;
};
using StateHandler = int (*)(StateAction&);

enum StateActionKind {
    kSaveIncomplete, kSaveComplete, kSaveAsIncomplete, kSaveAsComplete, kExport, kUndoExportIncomplete,
    kUndoExportComplete, kActionCount
};

struct StateRow {
    KvAppState key;
    const char* name;
    StateHandler handlers[kActionCount];
};

class KvStateBehaviour {
public:
    static KvStateBehaviour& Instance();
    static void Destroy();
    // Selects the first row with the same complete, lock and usage; null when none.
    const StateRow* Lookup(const KvAppState& state);
    // Runs the current row's handler of the action (30 without a current row).
    int Dispatch(StateActionKind action, StateAction& arguments);

private:
    const StateRow* m_current = nullptr;
};

// The table itself (16 rows), for tests.
const StateRow* StateRows(int& count);

}  // namespace zlink
