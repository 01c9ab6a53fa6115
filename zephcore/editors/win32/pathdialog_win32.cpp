// The folder picker.
#include "editors/win32/pathdialog.h"

#include <vector>

#include "editors/sentences/pathpart.h"
#include "pane/promptdbids.h"

namespace zeph {
namespace {

std::string CurrentFolder() {
  std::vector<char> text(::GetCurrentDirectoryA(0, nullptr) + 1);
  ::GetCurrentDirectoryA(static_cast<DWORD>(text.size()), text.data());
  return text.data();
}

// An entry of the list as a path part: "[name]" is "name\", "[-c-]" is "c:".
std::string SelectedPart(HWND dialog) {
  char part[MAX_PATH] = {};
  ::DlgDirSelectExA(dialog, part, sizeof part, IDC_PATH_LIST);
  return part;
}

bool IsDrive(const std::string& part) { return part.size() == 2 && part[1] == ':'; }

}  // namespace

DEFINE_RESPONSE_TABLE(TPathDialog, TGenericForm)
  EV_LBN_SELCHANGE(IDC_PATH_LIST, EvSelChange),
  EV_LBN_DBLCLK(IDC_PATH_LIST, EvDoubleClick),
  EV_CHILD_NOTIFY(IDC_PATH_LIST, LBN_KILLFOCUS, EvListKillFocus),
END_RESPONSE_TABLE;

TPathDialog::TPathDialog(TWindow* parent, const char* resource, std::string& path)
    : TGenericForm(parent, resource), path_(path), pattern_(path.substr(0, kPathChars)) {}

void TPathDialog::SetupWindow() {
  TGenericForm::SetupWindow();
  // A starting folder that cannot be listed leaves the picker in the current folder.
  if (!Fill(pattern_)) Fill("*.*");
}

// Lists the folders and drives of the pattern's folder and shows that folder. The
// listing moves the process's current folder; it is put back at once.
bool TPathDialog::Fill(const std::string& pattern) {
  const std::string saved = CurrentFolder();
  std::vector<char> text(pattern.begin(), pattern.end());
  text.resize(MAX_PATH + 1, '\0');
  const bool listed = ::DlgDirListA(HWindow, text.data(), IDC_PATH_LIST, 0,
                                    DDL_DIRECTORY | DDL_DRIVES | DDL_EXCLUSIVE) != 0;
  if (listed) folder_ = CurrentFolder().substr(0, kPathChars);
  ::SetCurrentDirectoryA(saved.c_str());
  ::SetDlgItemTextA(HWindow, IDC_PATH_FOLDER, folder_.c_str());
  return listed;
}

void TPathDialog::EvSelChange() {
  const std::string part = SelectedPart(HWindow);
  if (part.empty()) return;
  pattern_ = IsDrive(part) ? part : AppendPathPart(folder_, part);
}

void TPathDialog::EvDoubleClick() {
  EvSelChange();
  // A drive entry ("c:*.*") moves to that drive's current folder, a folder entry into it.
  Fill(IsDrive(pattern_) ? pattern_ + "*.*" : AppendPathPart(pattern_, "*.*"));
}

void TPathDialog::EvListKillFocus() {
  ::SendDlgItemMessageA(HWindow, IDC_PATH_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

bool TPathDialog::CanClose() {
  path_ = folder_;
  return true;
}

}  // namespace zeph
