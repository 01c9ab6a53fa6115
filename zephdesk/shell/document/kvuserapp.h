// The document of one server application: a memory record of the user-application
// definition whose fields hold everything the server keeps about the application, with
// five lists of item records (functions, voice and fax items, imported applications, used
// resource permissions) and, once opened, the canvas program that shows its pages.
#pragma once

#include <cstdint>
#include <string>

#include "framework/softrec/kvsrecmem.h"
#include "shell/states/commandfacts.h"

struct KvAppListEntry;
struct KvAppInfo;
struct KvResultMessage;
class KvObArray;

namespace ed {
class Program;
struct ApplicationInfo;
}  // namespace ed

// The text the password entry fields hold while the stored password is unchanged.
inline constexpr const char kKvPasswordPlaceholder[] = "ABCDEFGHIJKLMNOPQR";

// Whether a name can be a file name (none of \ / : * ? " < > |).
bool KvIsFileNameText(const char* name);

// Application IDs the server accepts.
inline constexpr int kKvFirstAppId = 1000;
inline constexpr int kKvLastAppId = 49999;

class KvUserApp : public KvSoftRecDataLink, public ActiveAppSource {
public:
    // A document for a program file path: named after the file (no folder, no extension).
    explicit KvUserApp(const char* path);
    // A document for one entry of a server list.
    explicit KvUserApp(const KvAppListEntry& entry);
    ~KvUserApp() override;
    KvUserApp(const KvUserApp&) = delete;
    KvUserApp& operator=(const KvUserApp&) = delete;

    // Additions and removals of the item lists are the server's business elsewhere; the
    // document accepts every one.
    int AddToServer() override { return 1; }
    int DeleteFromServer() override { return 1; }
    void StoreField(WORD fieldId) override;

protected:
    // The voice and fax items: each one added, renamed or removed goes through its record
    // to the model and the server, and the list keeps the typed records.
    bool HoldsServerRecords(WORD fieldId) override;

public:

    // The canvas program of the opened document (not owned).
    ed::Program* GetProgram() const { return m_pProgram; }
    void SetProgram(ed::Program* program) { m_pProgram = program; }

    int IsModified();
    void SetModified();
    int IsComplete();
    int IsExported();
    void SetExported(int on);
    static int IsValidID(int id) { return id >= kKvFirstAppId && id <= kKvLastAppId; }
    static int IsValidName(const CString& name) { return !name.IsEmpty(); }
    const unsigned char* GetStoredPassword() const { return m_abPassword; }
    int GetImportCount();
    // What the command states read of the document: "Yes" or "No" for its export flag,
    // its imports and whether its program is complete; true.
    bool GetActiveAppFacts(ActiveAppFacts& facts) override;
    // Index of the imported application with that ID; -1 when none.
    int FindImport(int appId);

    // Field values in short (committed storage through the edit buffers).
    std::int32_t GetInt(WORD fieldId);
    CString GetText(WORD fieldId);
    void SetInt(WORD fieldId, std::int32_t value);
    void SetText(WORD fieldId, const char* text);

    // The storage of a list field.
    KvObArray* GetList(WORD fieldId);

    // Exchange with the server link's records and the program header.
    void FillAppRecord(KvAppListEntry& record);
    void FillInfoRecord(KvAppInfo& info);
    void ApplyInfoRecord(const KvAppInfo* info);
    void StoreProgramHeader();
    void LoadProgramHeader();
    void StoreHeader(ed::ApplicationInfo& header);
    void LoadHeader(const ed::ApplicationInfo& header);

    // Imported applications: 0 done; 1 failed (reported) or no program; -1 refused (the
    // document's own ID or already imported; in use for a removal). The offered record
    // becomes the document's only with 0; otherwise the caller keeps it.
    int AddImport(KvUserApp* record);
    int RemoveImport(KvUserApp& record);
    // Rebuilds the list from the program's libraries, named as the server's application
    // list (kind 1) names them now.
    void LoadImports(KvObArray* serverApps);
    // Appends a record for each live item symbol of the kind (0 voice, 3 fax) of the
    // current program to the document's voice or fax items.
    void LoadItemsFromModel(int kind);

    // Uses of restriction/permission lists by the application's ThruDial blocks.
    void AddResPermUse(std::int32_t listId);
    void RemoveResPermUse(std::int32_t listId, int removeAll);
    // Rebuilds the used lists from the program's restriction/permission symbols (after an
    // open).
    void LoadResPerms();
    // Drops the uses of lists the server no longer offers (naming the blocks), then sends
    // the used lists: mode 1 after an open, 0 after a change. The server's result code.
    int SendResPerms(int mode);
    // Names the SetLanguage blocks whose language the server no longer offers.
    void CheckLanguages();

    // File > Properties: refreshes "Complete", shows the property sheet when showSheet is
    // 1, then sends the fields to the server. 0 done, 1 failed (reported), -1 cancelled.
    int EditProperties(int showSheet);

    // ---- Document operations (open, new, recover, save, save as, close) --------------
    static constexpr int kLoadOpen = 0;
    static constexpr int kLoadNew = 1;
    static constexpr int kLoadRecover = 2;
    // Opens the application on the server (open, new) or from its recovery copy, then its
    // local program file: 0; 1 after a reported failure; -1 for an open of an application
    // already open in the workspace.
    int Load(int mode);
    // Writes the local file and, with toServer, builds it and saves it on the server: 0
    // saved, 1 failed (reported) or declined.
    int Save(int toServer);
    // Saves under the target's name, ID and volume ID: 0 saved, 1 failed (reported).
    int SaveAs(KvUserApp& target);
    // The local write of the auto-save: 0, 1 when the restored marker could not be cleared.
    int SaveLocal();
    // Writes the local program file and, with build, builds a complete application: 1 when
    // the file was written, 0 when not (reported by the writer).
    int WriteAndBuild(int build);
    // Copies the run file beside the program file to its library file; without a run file
    // the library file is removed.
    void CopyRunToRll(const char* path);
    // Puts the application into service (marked exported, a "Continue" entry block on the
    // active page, built and sent) or takes it out again: 0 done; 1 failed (reported, or
    // declined at a server prompt), with the mark and the block as they were before.
    int Export();
    int UndoExport();
    // Asks the server whether another application imports this one: the server's result;
    // imported is set on 0.
    int QueryImported(bool& imported);
    // Closes the application on the server, then deletes the local files: 0; 1 refused.
    int Close();
    std::string GetLocalFilePath();
    // Deletes every file of the program folder with the name (empty: the document's own).
    void DeleteLocalFiles(const char* name);
    int OpenLocalProgram();
    // Whether the last build of WriteAndBuild failed (the application is then saved as
    // incomplete).
    bool LastBuildFailed() const { return m_bBuildFailed; }

private:
    void SetDefaults();
    // Empties the restored marker of the description on the server: 0, or 1 (reported).
    int ClearRestoredMarker();
    int LoadLocalProgram(int mode);
    // The server's save kind of the application now: complete and built.
    int CompleteFlag();
    // After the server accepted a save: its answer into the fields and the local file
    // (not stand-alone), and the program no longer modified.
    void TakeSavedInfo(const KvAppInfo& info);
    // The "Continue" entry block of an exported application on the active page.
    void AddExportBlock();
    void RemoveExportBlock();
    void MarkExported(int on);
    // Export (exported 1) or undo export (0) with the server's save kind; a refusal shows
    // its message of results.
    int ChangeExport(int exported, int saveKind, const KvResultMessage* results);

    ed::Program* m_pProgram = nullptr;
    unsigned char m_abPassword[8] = {};
    bool m_bBuildFailed = false;
};
