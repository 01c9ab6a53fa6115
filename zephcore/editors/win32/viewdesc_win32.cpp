// The file descriptions dialog.
#include "editors/win32/viewdesc.h"

#include <vector>

#include "editors/sentences/descriptions.h"
#include "editors/sentences/sentlist.h"
#include "editors/win32/stopbox.h"
#include "model/pbaccess_msgtext.h"
#include "pane/sentenceids.h"

namespace zeph {
namespace {

constexpr int kNameTabStop = 56;
constexpr int kTextLimit = 2047;

std::string ListLine(HWND list, int at) {
  std::vector<char> text(static_cast<std::size_t>(::SendMessageA(list, LB_GETTEXTLEN, at, 0)) + 1);
  ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(text.data()));
  return text.data();
}

std::string EditText(HWND dialog) {
  HWND edit = ::GetDlgItem(dialog, IDC_VIEWDESC_TEXT);
  std::vector<char> text(static_cast<std::size_t>(::GetWindowTextLengthA(edit)) + 1);
  ::GetWindowTextA(edit, text.data(), static_cast<int>(text.size()));
  return text.data();
}

}  // namespace

DEFINE_RESPONSE_TABLE(ViewDesc, TBaseDialog)
  EV_LBN_SELCHANGE(IDC_VIEWDESC_LIST, EvSelChange),
  EV_EN_KILLFOCUS(IDC_VIEWDESC_TEXT, EvTextKillFocus),
END_RESPONSE_TABLE;

ViewDesc::ViewDesc(TWindow* parent, const char* resource, const std::string& folder, const std::string& extension,
                   std::string& result, std::size_t size)
    : TBaseDialog(parent, resource), folder_(folder), extension_(extension), result_(result), size_(size) {
  result_.clear();
  SetHelpName("File Descriptions");
}

void ViewDesc::SetupWindow() {
  TBaseDialog::SetupWindow();
  ::SetWindowTextA(HWindow, ("File Descriptions / " + folder_).c_str());
  HWND list = ::GetDlgItem(HWindow, IDC_VIEWDESC_LIST);
  const int tab = kNameTabStop;
  ::SendMessageA(list, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tab));
  ::SendDlgItemMessageA(HWindow, IDC_VIEWDESC_TEXT, EM_LIMITTEXT, kTextLimit, 0);
  const DWORD attributes = ::GetFileAttributesA(folder_.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    ShowStopBox(HWindow, PBMessageText(-124));
    return;
  }
  for (const DescribedFile& file : DescribedFiles(folder_, extension_, size_ > 0 ? size_ - 1 : 0)) {
    const std::string line = file.Name + "\t" + file.Description;
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  if (::SendMessageA(list, LB_GETCOUNT, 0, 0) > 0) {
    ::SendMessageA(list, LB_SETCURSEL, 0, 0);
    EvSelChange();
  }
}

std::string ViewDesc::SelectedName() const {
  HWND list = ::GetDlgItem(HWindow, IDC_VIEWDESC_LIST);
  const LRESULT at = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (at < 0) return std::string();
  const std::string line = ListLine(list, static_cast<int>(at));
  const std::size_t tab = line.find('\t');
  return tab == std::string::npos ? std::string() : line.substr(0, tab);
}

void ViewDesc::EvSelChange() {
  const std::string name = SelectedName();
  if (name.empty()) return;
  const std::string text = ReadDescriptionText(DescriptionPath(folder_, name, extension_), size_ > 0 ? size_ - 1 : 0);
  ::SetDlgItemTextA(HWindow, IDC_VIEWDESC_TEXT, text.c_str());
}

void ViewDesc::EvTextKillFocus() {
  HWND list = ::GetDlgItem(HWindow, IDC_VIEWDESC_LIST);
  const LRESULT at = ::SendMessageA(list, LB_GETCURSEL, 0, 0);
  const std::string name = SelectedName();
  if (at < 0 || name.empty()) return;
  const std::string text = EditText(HWindow);
  if (!WriteDescriptionText(DescriptionPath(folder_, name, extension_), text)) {
    ShowStopBox(HWindow, "Failed to create description file.");
    return;
  }
  const std::string line = name + "\t" + text;
  ::SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(at), 0);
  ::SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(at), reinterpret_cast<LPARAM>(line.c_str()));
  ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
}

bool ViewDesc::CanClose() {
  const std::string name = SelectedName();
  if (name.empty()) {
    ShowSentenceCode(-177);
    return false;
  }
  result_ = DescriptionResult(name, EditText(HWindow), size_);
  return true;
}

}  // namespace zeph
