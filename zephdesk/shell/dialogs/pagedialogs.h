// The dialogs of SuperBlock and Verification Block pages: the name of a new page, a page's
// new name, the choice of a page to view, and the list of a program's pages of one kind
// with add, edit, delete, rename, copy, paste and the export mark. Every change of the
// list dialog is made at once; Cancel undoes nothing.
#pragma once

#include <cstdint>

#include "owl/dialog.h"
#include "shell/dialogs/basedialog.h"

namespace ed {
class Page;
class Program;
}
class PageDialogHost;

namespace desk {

inline constexpr std::size_t kPageNameMax = 15;

// Template NAMEPAGE: edit 100 with the buffer (at least 16 bytes), prompt 103. OK stores
// at most 15 characters; the caller checks the name with the model.
class TNamePageDialog : public TBaseDialog {
public:
    TNamePageDialog(TWindow* parent, char* name, std::int32_t pageType);
    void SetupWindow() override;
    bool CanClose() override;

protected:
    char* m_name;
    std::int32_t m_pageType;
};

// NAMEPAGE asking for a page's new name: the caller's caption (when not empty), the old
// name shown; a name any symbol of the program has already keeps the dialog open.
class TRenamePageDialog : public TNamePageDialog {
public:
    TRenamePageDialog(TWindow* parent, char* oldName, const char* caption, char* newName);
    void SetupWindow() override;
    bool CanClose() override;

private:
    const char* m_caption;
    char* m_newName;
};

// Template VIEWPAGES: the program's pages of the type; OK (or a double click) returns the
// chosen one through result.
class TViewPagesDialog : public TBaseDialog {
public:
    TViewPagesDialog(TWindow* parent, ed::Page** result, ed::Program& program, std::int32_t pageType);
    void SetupWindow() override;
    bool CanClose() override;
    void LbnDblClk();

private:
    ed::Page** m_result;
    ed::Program& m_program;
    std::int32_t m_pageType;

    DECLARE_RESPONSE_TABLE(TViewPagesDialog);
};

// Asks for a new page's name until the model accepts one or the user cancels; a refused
// page goes before the name is asked again. The page is added with its standard blocks
// (and removed again when they cannot be placed). The added page, or null.
ed::Page* AddNamedPage(TWindow* parent, ed::Program& program, std::int32_t pageType, UINT outOfMemoryIcon);

// Template DEFINEPAGES: the program's pages of the type with their buttons.
class TDefinePagesDialog : public TBaseDialog {
public:
    TDefinePagesDialog(TWindow* parent, ed::Program& program, std::int32_t pageType, PageDialogHost& host);
    void SetupWindow() override;

    void LbnSelChange();
    void LbnDblClk();
    void CmExport();
    void CmAdd();
    void CmEdit();
    void CmDelete();
    void CmRename();
    void CmCopy();
    void CmPaste();

private:
    // The selected line's page; null when none is selected.
    ed::Page* SelectedPage(int* index = nullptr) const;
    // Adds or replaces (at index) the page's line and selects it.
    void PutLine(ed::Page& page, int index, bool replace);
    void FillList();
    void SetExportBox(bool enabled, bool checked);

    ed::Program& m_program;
    std::int32_t m_pageType;
    PageDialogHost& m_host;

    DECLARE_RESPONSE_TABLE(TDefinePagesDialog);
};

}  // namespace desk
