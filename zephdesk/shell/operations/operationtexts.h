// The texts of the document operations' messages (open, new, save, save as, close,
// delete and the workspace's file commands) and the tables that map a server result to
// its message.
#pragma once

#include "foundation/kvwintypes.h"

// The text of a message id of the operations; null for another id.
const char* KvOperationText(UINT id);

// A server result and the message it shows (0: none, the user declined); the icon is the
// stop sign when stop is set, else the exclamation mark.
struct KvResultMessage {
    int result;
    UINT message;
    bool stop;
};

// The row of a table for result (tables end with a row whose result is -1, the message of
// any other result).
const KvResultMessage& KvFindResultMessage(const KvResultMessage* table, int result);

// Shows the message of a table row (with %1 = insert); nothing for message 0.
void KvShowResultMessage(const KvResultMessage& row, const char* insert, const char* file, int line);

// The result tables of the operations.
extern const KvResultMessage kKvOpenResults[];
extern const KvResultMessage kKvNewResults[];
extern const KvResultMessage kKvSaveResults[];
extern const KvResultMessage kKvSaveAsResults[];
extern const KvResultMessage kKvDeleteResults[];
extern const KvResultMessage kKvExportResults[];
extern const KvResultMessage kKvUndoExportResults[];
extern const KvResultMessage kKvPropertiesResults[];
