// What the item workers need of the workspace and of the active application: the seams
// through which tests drive them without windows, a server or a file dialog.
#pragma once

#include <cstdint>

class KvSoftRec;

// The open-file dialog of an import: one filter entry, its title and default extension;
// the file must exist.
struct KvItemFileDialog {
    const char* filter;     // "WAV File (*.WAV)"
    const char* pattern;    // "*.wav"
    const char* title;      // "Import voice item"
    const char* extension;  // "WAV"
};

// The room of the chosen path, all of which the dialog may fill.
inline constexpr int kKvImportPathRoom = 260;

// The active application as the item workers see it.
class KvItemApplication {
public:
    virtual ~KvItemApplication() = default;
    // The server's ID of the application (document field 25255).
    virtual std::int32_t ApplicationId() = 0;
    virtual void SetModified() = 0;
    // The spoken name's server item (9999): whether it exists, and its creation (0 done;
    // a failure is reported by the document).
    virtual bool IsSpokenNameRecorded() = 0;
    virtual int AddSpokenNameItem() = 0;
    // The server item of a new or removed item, with its messages and the local save:
    // 0 done, else failed (reported).
    virtual int AddItemOnServer(int kind, const char* name, int id, const char* description) = 0;
    virtual int RemoveItemOnServer(int kind, const char* name, int id, const char* description) = 0;
    // Deletes a fax item's content on the server (the item stays): 0 done, else failed
    // (reported).
    virtual int DeleteFaxContentOnServer(const char* name, int id, const char* description) = 0;
    // The document's own record, which holds the item lists.
    virtual KvSoftRec* DocumentRecord() = 0;
};

class KvItemWorkspace {
public:
    virtual ~KvItemWorkspace() = default;
    // The application of the active page window, or null.
    virtual KvItemApplication* ActiveItemApplication() = 0;
    // Runs the open-file dialog; false when cancelled or failed (path too long included).
    virtual bool ChooseImportFile(const KvItemFileDialog& dialog, char (&path)[kKvImportPathRoom]) = 0;
    virtual void SetWaitCursor() = 0;
    virtual void SetArrowCursor() = 0;
    virtual void UpdateCommandStates() = 0;
    // Whether deletions are confirmed first (option Confirm Paste/Delete).
    virtual bool ConfirmsDeletes() = 0;
};

// The installed workspace of the item records and workers (not owned); null until the
// shell or a test installs one.
KvItemWorkspace* KvGetItemWorkspace();
void KvSetItemWorkspace(KvItemWorkspace* workspace);
