// The designer shell's services that the framework reaches: the program's module, the main
// frame, the command states and tool bar, the drag cursors and the shell's message box; and
// for the data-object framework the start-up facts, the typed records of the server link,
// the bookkeeping of the active application's items, the cached server record and the
// workers behind the definitions' call-outs. The shell's application object implements this
// interface and installs it at start-up; tests install a recording fake whose message boxes
// never block. Every service has a neutral default (nothing, null, false, 0, -1), so an
// implementation overrides what it offers.
#pragma once

#include <cstdint>
#include <vector>

#include "foundation/kvwintypes.h"
#include "programfile/clipboard/clipinfo.h"

struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
struct HWND__;
typedef HWND__* HWND;

class KvFieldValue;
class KvMainFrame;
class KvSoftRec;

class ShellServices {
public:
    virtual ~ShellServices() = default;

    // The module instance of the program: bitmaps, string table and definition streams.
    virtual HINSTANCE GetInstance() { return nullptr; }
    // The module of the bitmap resource library loaded at start-up (null when none).
    virtual HINSTANCE GetBitmapModule() { return nullptr; }
    // The framework object of the main frame (null before the frame exists).
    virtual KvMainFrame* GetMainFrame() { return nullptr; }

    // Shows a context of the program's help.
    virtual void ShowHelp(unsigned /*contextId*/) {}
    // Makes a dialog window the server link's view of the application (the link's messages
    // go to it) and detaches it again.
    virtual void AttachView(HWND /*window*/) {}
    virtual void DetachView(HWND /*window*/) {}

    // Refreshes the enabled and checked states of the commands, the main menu and the tool bar.
    virtual void UpdateCommandStates() {}
    // Refreshes the tool bar from the command states.
    virtual void UpdateToolBar() {}
    // Whether the command is enabled now.
    virtual bool IsCommandEnabled(UINT /*commandId*/) { return false; }
    // Whether the command's item carries a check mark now.
    virtual bool IsCommandChecked(UINT /*commandId*/) { return false; }

    // The arrow cursor, or the "no" cursor while a drag is over a place that takes no drop.
    virtual void SetArrowCursor() {}
    virtual void SetNoCursor() {}

    // Shows a finished text in a message box owned by the main window; the button pressed.
    virtual int UIMessageBox(const char* /*text*/, const char* /*caption*/, UINT /*style*/) { return 0; }

    // Start-up facts used by conditions on text lengths.
    virtual bool IsStartedWithoutCommandLine() { return true; }
    // First 16-bit word of the server's customer profile, 0 when unavailable.
    virtual int GetCustomerProfile() { return 0; }

    // A new typed record (user application 22004, voice item 22801, fax item 22802,
    // resource-permission item 22807); null for any other definition.
    virtual KvSoftRec* CreateTypedRecord(WORD /*defId*/) { return nullptr; }

    // Use counts of the active application's items.
    virtual void AddVoiceItemUse(int /*id*/) {}
    virtual void ReleaseVoiceItemUse(int /*id*/) {}
    virtual void AddFaxItemUse(int /*id*/) {}
    virtual void ReleaseFaxItemUse(int /*id*/) {}
    virtual void AddResPermUse(std::int32_t /*value*/) {}
    virtual void RemoveResPermUse(std::int32_t /*value*/) {}
    virtual void UpdateResPermData() {}
    virtual void UpdateLanguageUse() {}

    // The item clipboard (copies only).
    virtual void CutCopyVoiceItem(int /*id*/) {}
    // The ID the item clipboard's last paste gave the item held under that ID in the active
    // application: pasted blocks refer to that one. Without a paste, the ID itself.
    virtual int PastedVoiceItemId(int id) { return id; }
    virtual int PastedFaxItemId(int id) { return id; }
    virtual void CutCopyFaxItem(int /*id*/) {}
    virtual void CutCopyResPermItem(std::int32_t /*value*/) {}

    // The cached server record: drop it, and look entries up in it (-1 when absent).
    virtual void FreeServerRec() {}
    virtual int FindServerResPermIndex(std::int32_t /*value*/) { return -1; }
    virtual int FindServerLanguageIndex(std::int32_t /*value*/) { return -1; }

    // The worker of a call-out id (32000-32007) on a record: 0 done, 1 failed and already
    // reported, -1 nothing done.
    virtual int RunCallOut(WORD /*id*/, KvSoftRec& /*record*/) { return -1; }

    // The lists behind the soft dialogs' data-link ids (2301-2316). Resolve points the
    // handle at the record field that holds the list; false for an id the shell does not
    // know. Refresh reads a server list again; Pump appends the next server entries from
    // a list position on.
    virtual bool ResolveDataLink(WORD /*linkId*/, KvFieldValue& /*field*/) { return false; }
    virtual void RefreshDataLink(WORD /*linkId*/) {}
    virtual void PumpDataLink(WORD /*linkId*/, int /*position*/) {}

    // The user application of the active page window, or null; whoever changes its item
    // lists commits it.
    virtual KvSoftRec* GetActiveUserApp() { return nullptr; }
    // A new voice item record (22801) or fax item record (22802) of the active application
    // with the next free ID; the caller owns it until it adds it to a list. Null without an
    // active application.
    virtual KvSoftRec* NewVoiceItem() { return nullptr; }
    virtual KvSoftRec* NewFaxItem() { return nullptr; }
    // Whether a name is free in the model and an ID free among the active application's
    // voice (fax) items: true when both are; each flag says whether its test passed.
    virtual bool CheckNewVoiceItem(const char* /*name*/, int /*id*/, bool& nameFree, bool& idFree)
    {
        nameFree = idFree = true;
        return true;
    }
    virtual bool CheckNewFaxItem(const char* /*name*/, int /*id*/, bool& nameFree, bool& idFree)
    {
        nameFree = idFree = true;
        return true;
    }

    // The item clipboard: a copy of a voice (fax) item record, clearing the clipboard first
    // when asked; what it holds and where that came from.
    virtual void HoldVoiceItem(KvSoftRec& /*record*/, bool /*clearFirst*/) {}
    virtual void HoldFaxItem(KvSoftRec& /*record*/, bool /*clearFirst*/) {}
    virtual bool IsClipboardWithoutVoiceItem() { return true; }
    virtual bool IsClipboardWithoutFaxItem() { return true; }
    virtual bool IsClipboardWithoutBlocks() { return true; }
    virtual bool IsClipboardFromActiveApp() { return false; }
    // The model's entries of the clipboard whose names clash in the paste target, appended
    // to the list; their number.
    virtual int GetAllNameConflicts(std::vector<zeph::TClipInfo>& /*conflicts*/) { return 0; }
    // The paste-conflict resolver: asks the user about every entry not yet settled (one
    // dialog each, the decision written into the entry); 1 when every entry was settled, 2
    // when the user cancelled.
    virtual int ResolveConflicts(std::vector<zeph::TClipInfo>& /*conflicts*/) { return 1; }
    // Copies the clipboard's voice (fax) items into the active application, with the
    // resolver's names and IDs.
    virtual void PasteClipboardVoiceItems(const std::vector<zeph::TClipInfo>& /*decisions*/) {}
    virtual void PasteClipboardFaxItems(const std::vector<zeph::TClipInfo>& /*decisions*/) {}
};

// The installed services (null until the shell or a test installs them).
ShellServices* KvGetShellServices();
// Installs the services (not owned); null removes them.
void KvSetShellServices(ShellServices* services);

// The program's module instance: the shell's, else the running program's own (Windows).
HINSTANCE KvProgramInstance();
