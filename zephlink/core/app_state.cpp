#include "app_state.h"

#include <memory>

#include "flowsmith_app.h"
#include "kvlink.h"
#include "prompts.h"

namespace zlink {
namespace {

constexpr const char kMakeIncomplete[] = "You are making a complete application incomplete, do you want to continue?";
constexpr const char kExportImported[] = "You are exporting an imported application, do you want to continue?";
constexpr const char kTargetLocked[] = "YOU MUST DO SAVE AS INSTEAD CUZ THE Target App IS Locked by another PC";

template <int Code>
int Refuse(StateAction&) { return Code; }

int RefuseInUseTarget(StateAction& a) { return a.targetUsage == 2 ? 67 : 68; }

int CopyIncomplete(StateAction& a) {
    return a.app->copy(false, a.targetCustomerId, a.targetApplicationId, 0, a.targetName, a.targetVolumeId, 0, a.flag);
}
int CopyComplete(StateAction& a) {
    return a.app->copy(false, a.targetCustomerId, a.targetApplicationId, 0, a.targetName, a.targetVolumeId, 1, a.flag);
}
int AskThenCopyIncomplete(StateAction& a) { return AskYesNo(kMakeIncomplete) ? CopyIncomplete(a) : 59; }
int NoteThenRefuse20(StateAction&) {
    ShowNote(kTargetLocked);
    return 20;
}

int SaveIncomplete0(StateAction& a) { return a.app->realFileSaveIncomplete(0); }
int MakeIncomplete(StateAction& a) {
    if (!AskYesNo(kMakeIncomplete)) return 59;
    const int rc = a.app->realFileSaveIncomplete(1);
    if (rc == 0) {
        a.app->state.complete = 0;
        a.app->state.exported = 0;
    }
    return rc;
}
int SaveComplete0(StateAction& a) { return a.app->realFileSaveComplete(0); }
int SaveCompleteMark(StateAction& a) {
    const int rc = a.app->realFileSaveComplete(1);
    if (rc == 0) a.app->state.complete = 1;
    return rc;
}

// Saves with the exported mark set (the .RLL goes too); a failure restores the mark.
int SaveExported(StateAction& a, int mode) {
    const int before = a.app->state.exported;
    a.app->state.exported = 1;
    const int rc = a.app->realFileSaveComplete(mode);
    a.app->state.exported = rc == 0 ? 1 : before;
    return rc;
}
int ExportStepA(StateAction& a) { return a.app->state.exported ? a.app->realFileSaveComplete(0) : SaveExported(a, 2); }
int ExportImported(StateAction& a) { return AskYesNo(kExportImported) ? a.app->realFileSaveComplete(0) : 59; }
int ExportIncomplete(StateAction& a) {
    const int rc = SaveExported(a, 3);
    if (rc == 0) a.app->state.complete = 1;
    return rc;
}
int UndoExportStepB(StateAction& a) {
    const int rc = a.app->realFileSaveComplete(a.app->state.complete ? 4 : 1);
    if (rc == 0) {
        a.app->state.complete = 1;
        a.app->state.exported = 0;
    }
    return rc;
}

// Columns: SaveIncomplete, SaveComplete, SaveAsIncomplete, SaveAsComplete, Export,
// UndoExportIncomplete, UndoExportComplete.
#define NOBODY_IN_USE {Refuse<2>, Refuse<4>, RefuseInUseTarget, CopyComplete, Refuse<10>, Refuse<12>, Refuse<14>}
#define OTHER {Refuse<2>, Refuse<4>, Refuse<20>, NoteThenRefuse20, Refuse<10>, Refuse<12>, Refuse<14>}
#define ME_IN_USE(undo) {Refuse<68>, SaveComplete0, Refuse<5>, Refuse<7>, ExportStepA, Refuse<22>, undo}
const StateRow kRows[] = {
    {KvAppState(1, 2, 3), "LockedByNone+Imported+Assigned", NOBODY_IN_USE},
    {KvAppState(1, 2, 1), "LockedByNone+Assigned", NOBODY_IN_USE},
    {KvAppState(1, 2, 2), "LockedByNone+Imported", NOBODY_IN_USE},
    {KvAppState(1, 2, 0), "LockedByNone+Complete+NotInUse",
     {Refuse<2>, Refuse<4>, AskThenCopyIncomplete, CopyComplete, Refuse<10>, Refuse<12>, Refuse<14>}},
    {KvAppState(0, 2, 0), "LockedByNone+Incomplete",
     {Refuse<2>, Refuse<4>, CopyIncomplete, CopyComplete, Refuse<10>, Refuse<12>, Refuse<14>}},
    {KvAppState(1, 1, 3), "LockedByOther+Imported+Assigned", OTHER},
    {KvAppState(1, 1, 1), "LockedByOther+Assigned", OTHER},
    {KvAppState(1, 1, 2), "LockedByOther+Imported", OTHER},
    {KvAppState(1, 1, 0), "LockedByOther+Complete+NotInUse", OTHER},
    {KvAppState(0, 1, 0), "LockedByOther+Incomplete", OTHER},
    {KvAppState(1, 0, 3), "LockedByMe+Imported+Assigned", ME_IN_USE(Refuse<23>)},
    {KvAppState(1, 0, 1), "LockedByMe+Assigned", ME_IN_USE(UndoExportStepB)},
    {KvAppState(0, 0, 1), "LockedByMe+Assigned", ME_IN_USE(Refuse<23>)},
    {KvAppState(1, 0, 2), "LockedByMe+Imported",
     {Refuse<68>, SaveComplete0, Refuse<5>, Refuse<7>, ExportImported, Refuse<22>, Refuse<23>}},
    {KvAppState(1, 0, 0), "LockedByMe+Complete+NotInUse",
     {MakeIncomplete, SaveComplete0, Refuse<5>, Refuse<7>, ExportStepA, MakeIncomplete, UndoExportStepB}},
    {KvAppState(0, 0, 0), "LockedByMe+Incomplete",
     {SaveIncomplete0, SaveCompleteMark, Refuse<5>, Refuse<7>, ExportIncomplete, SaveIncomplete0, UndoExportStepB}},
};
#undef NOBODY_IN_USE
#undef OTHER
#undef ME_IN_USE

std::unique_ptr<KvStateBehaviour>& Slot() {
    static std::unique_ptr<KvStateBehaviour> slot;
    return slot;
}

}  // namespace

int LockOf(const std::string& lockingUser, const std::string& lockingPc, const std::string& userId) {
    if (lockingUser.empty() && lockingPc.empty()) return 2;
    if (lockingUser.empty()) return 0;
    if (lockingUser.size() == userId.size()) {
        bool same = true;
        for (std::size_t i = 0; i < userId.size(); ++i)
            same = same && std::tolower(static_cast<unsigned char>(userId[i])) ==
                               std::tolower(static_cast<unsigned char>(lockingUser[i]));
        if (same) return 0;
    }
    return 1;
}

const StateRow* StateRows(int& count) {
    count = static_cast<int>(sizeof kRows / sizeof kRows[0]);
    return kRows;
}

KvStateBehaviour& KvStateBehaviour::Instance() {
    if (!Slot()) Slot() = std::make_unique<KvStateBehaviour>();
    return *Slot();
}

void KvStateBehaviour::Destroy() { Slot().reset(); }

const StateRow* KvStateBehaviour::Lookup(const KvAppState& state) {
    m_current = nullptr;
    for (const StateRow& row : kRows) {
        if (row.key.complete == state.complete && row.key.lock == state.lock && row.key.usage == state.usage) {
            m_current = &row;
            break;
        }
    }
    return m_current;
}

int KvStateBehaviour::Dispatch(StateActionKind action, StateAction& arguments) {
    if (!m_current) return 30;
    return m_current->handlers[action](arguments);
}

}  // namespace zlink
