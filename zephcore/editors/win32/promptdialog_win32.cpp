// The prompt database dialog.
#include "editors/win32/promptdialog.h"

#include "editors/sentences/pathpart.h"
#include "editors/sentences/promptpaths.h"
#include "editors/win32/controltext.h"
#include "editors/win32/pathdialog.h"
#include "model/symtable.h"
#include "pane/promptdbids.h"

namespace zeph {
namespace {

constexpr int kFolderTooLong = -121;

int EditId(std::size_t database) { return IDC_PRDB_FIRSTEDIT + 2 * static_cast<int>(database); }

std::string FolderText(HWND dialog, int id) { return ItemText(dialog, id).substr(0, kPromptPathChars); }

}  // namespace

DEFINE_RESPONSE_TABLE(TPromptDialog, TGenericForm)
  EV_CHILD_NOTIFY_RANGE(IDC_PRDB_FIRSTBROWSE, IDC_PRDB_LASTBROWSE, BN_CLICKED, EvBrowse),
END_RESPONSE_TABLE;

TPromptDialog::TPromptDialog(TWindow* parent, const char* resource) : TGenericForm(parent, resource) {
  SetHelpName("Setup Prompt Databases");
}

void TPromptDialog::SetupWindow() {
  TGenericForm::SetupWindow();
  PromptPaths& paths = PromptPathBuffer();
  if (SymbolTable* program = ResolveProgram(Program())) LoadPromptPaths(paths, *program);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    ::SendDlgItemMessageA(HWindow, EditId(i), EM_LIMITTEXT, kPromptPathChars, 0);
    ::SetDlgItemTextA(HWindow, EditId(i), paths[i].c_str());
  }
}

// Browse buttons have the even ids, each just before its edit.
void TPromptDialog::EvBrowse(UINT id) {
  if ((id - IDC_PRDB_FIRSTBROWSE) % 2 != 0) return;
  const int edit = static_cast<int>(id) + 1;
  std::string path = AppendPathPart(FolderText(HWindow, edit), "*.*");
  TPathDialog picker(this, kPathDialogResource, path);
  if (picker.Execute() == IDOK) ::SetDlgItemTextA(HWindow, edit, path.substr(0, kPromptPathChars).c_str());
}

bool TPromptDialog::CanClose() {
  PromptPaths edited;
  for (std::size_t i = 0; i < edited.size(); ++i) {
    std::string text = FolderText(HWindow, EditId(i));
    if (!CloseFolderText(text)) {
      // A 47-character folder has no room for its closing "\".
      ShowFormMessage(HWindow, kFolderTooLong);
      ::SetFocus(::GetDlgItem(HWindow, EditId(i)));
      return false;
    }
    ::SetDlgItemTextA(HWindow, EditId(i), text.c_str());
    edited[i] = text;
  }
  PromptPaths& paths = PromptPathBuffer();
  paths = edited;
  if (SymbolTable* program = ResolveProgram(Program())) StorePromptPaths(paths, *program);
  return true;
}

}  // namespace zeph
