// User-facing messages of the record framework.
#pragma once

// Tells the user that a record was not assigned from one with another field count:
// "Cannot copy record. Size is not the same!", caption "ERROR", one OK button.
void KvRecordShowCopyRefused();
