// The designer's small dialogs: the block name (add, rename), the zoom, the about box and
// the save-application dialog with RunSaveProgramDialog.
#pragma once

#include <cstdint>
#include <string>

#include "owl/dialog.h"
#include "shell/dialogs/basedialog.h"

namespace desk {

// Template NAMEPB: edit 101 (30 characters); OK gives the cleaned name into the buffer
// (at least 31 bytes).
class TNamePBDialog : public TBaseDialog {
public:
    TNamePBDialog(TWindow* parent, char* name, const char* caption, bool rename);
    void SetupWindow() override;
    bool CanClose() override;

private:
    char* m_name;
};

// Template SCALE: the current zoom in static 204 and combo 205; OK checks the entry and
// stores the new zoom.
class TScaleDialog : public TBaseDialog {
public:
    TScaleDialog(TWindow* parent, std::int32_t* zoom);
    void SetupWindow() override;
    bool CanClose() override;
    void CbnSelChange();

private:
    std::int32_t* m_zoom;

    DECLARE_RESPONSE_TABLE(TScaleDialog);
};

// Template ABOUT: static 102 shows the version of the product key's "Flowsmith Version",
// or keeps the template's text when the key cannot be read.
class TAboutDialog : public TDialog {
public:
    explicit TAboutDialog(TWindow* parent, const char* productKey = nullptr);
    void SetupWindow() override;

private:
    std::string m_key;
};

// Template SAVEAS: the program folder's application files with their descriptions; OK
// checks the name, asks before replacing a program, and writes the new description.
class TSaveProgramDialog : public TBaseDialog {
public:
    TSaveProgramDialog(TWindow* parent, char* name);
    void SetupWindow() override;
    bool CanClose() override;
    void LbnSelChange();

private:
    char* m_name;  // at least 12 bytes: 8 characters and ".ed"
    char m_description[80] = "";

    DECLARE_RESPONSE_TABLE(TSaveProgramDialog);
};

// Asks for a new application file name over the main window; true with ".ed" appended.
bool RunSaveProgramDialog(char* name);

}  // namespace desk
