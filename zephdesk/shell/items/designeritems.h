// The item workers' workspace in the designer: the active application of the workspace
// object, the open-file dialog, the cursors and the command states.
#pragma once

#include <memory>

#include "shell/items/itemworkspace.h"
#include "shell/items/userappitems.h"

class KvUserApp;
class UIMDIFrame;

// Define > Voice Items and Define > Fax Items.
inline constexpr unsigned kCmDefineVoiceItems = 0x1031;
inline constexpr unsigned kCmDefineFaxItems = 0x1032;

class KvDesignerItemWorkspace : public KvItemWorkspace {
public:
    KvItemApplication* ActiveItemApplication() override;
    // The open-file dialog owned by the active window, given the whole 260-character
    // buffer: told of only 128, a longer path would fail the import without a word.
    bool ChooseImportFile(const KvItemFileDialog& dialog, char (&path)[kKvImportPathRoom]) override;
    void SetWaitCursor() override;
    void SetArrowCursor() override;
    void UpdateCommandStates() override;
    // Option Confirm PB Deletes (0x80) of the application object.
    bool ConfirmsDeletes() override;

private:
    std::unique_ptr<KvUserAppItems> m_active;
    KvUserApp* m_activeDocument = nullptr;
};

// The designer's item workspace and item link, installed once (Windows start-up).
void KvInstallDesignerItems();

// The frame's Define > Voice Items and Fax Items commands open the active application's
// item lists.
void KvInstallItemCommands(UIMDIFrame& frame);
