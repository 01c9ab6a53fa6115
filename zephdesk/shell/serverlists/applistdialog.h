// The application list dialog: the File commands that name applications on the server let
// the user choose them in one soft dialog per command, check the choice and hand it back
// as one user application filled in place or as a list of records.
#pragma once

#include "foundation/kvwintypes.h"

class KvServerRec;
class KvSoftRec;
class KvWorkspaceLists;

struct KvAppListMode {
    WORD defId;
    WORD helpId;
    WORD titleId;   // the string the dialog's title comes from
    bool seedNewId;  // a fresh application ID is offered
    bool checkId;
    bool checkName;
};

inline constexpr KvAppListMode kKvSaveAsMode{14509, 11130, 1007, true, true, true};
inline constexpr KvAppListMode kKvImportMode{14510, 11110, 1010, false, false, true};
inline constexpr KvAppListMode kKvNewMode{14511, 11112, 1009, true, true, true};
inline constexpr KvAppListMode kKvOpenMode{14512, 11120, 1008, false, false, true};
inline constexpr KvAppListMode kKvRemoveImportMode{14513, 11111, 1011, false, false, true};
inline constexpr KvAppListMode kKvDeleteMode{14514, 11131, 1022, false, false, true};
inline constexpr KvAppListMode kKvLocksMode{14515, 11135, 1012, false, false, false};

// Runs the dialog until the choice passes the mode's checks (1) or the user cancels (0).
// With single, the chosen ID, name and volume go into it; with holder (a server record
// whose application list is empty), the chosen applications become its list.
int KvChooseApplications(KvWorkspaceLists& lists, const KvAppListMode& mode, KvSoftRec* single,
                         KvServerRec* holder);
// Offers a new application ID from the server as the record's one application.
void KvGetUnusedAppId(KvServerRec& record);
// 1 when the record's ID (checkId) and name (checkName) are acceptable; else shows why, 0.
// An ID of -1 (a typed name that matched nothing) is stored back as 0.
int KvValidateAppChoice(bool checkId, bool checkName, KvSoftRec& record);
