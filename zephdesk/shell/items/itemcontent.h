// Recording and import of item content (call-outs 32000-32006): one family of workers
// that differ only by the data of their table row. The content goes to the server link by
// path; the designer neither plays nor converts it.
#pragma once

#include <cstdint>

#include "foundation/kvwintypes.h"
#include "shell/items/itemworkspace.h"

enum class KvContentCall { Record, ImportVoice, ImportFax };

struct KvContentMember {
    WORD callOut;
    KvContentCall call;
    // Record fields giving name, ID and description; 0 for the spoken name (ID 9999,
    // empty texts).
    WORD nameField;
    WORD idField;
    WORD descriptionField;
    std::int16_t media;
    KvItemFileDialog file;  // filter null: no file dialog
    UINT noWindowMessage;
    UINT failureMessage;
    UINT formatMessage;     // 0 for the recording members
    // A short member reports its failure message for every non-zero result.
    bool shortResults;
};

// The row of a call-out id, or null.
const KvContentMember* KvFindContentMember(WORD callOut);
// The message of a non-zero server result of the member.
UINT KvContentFailureMessage(const KvContentMember& member, int result);

// Runs the member on the dialog's record: 0 done, 1 server failure (reported), -1 no
// active application (reported) or the file choice cancelled.
int KvRunContentMember(const KvContentMember& member, KvSoftRec& record, KvItemWorkspace& workspace);
