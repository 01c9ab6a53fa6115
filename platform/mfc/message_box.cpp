#include "mfc/message_box.h"

#include "mfc/winapp.h"
#include "owl/msgbox.h"

int AfxMessageBox(const std::string& text, UINT type) {
  const CWinApp* app = AfxGetApp();
  const char* caption = app && !app->m_pszAppName.empty() ? app->m_pszAppName.c_str() : nullptr;
  return ShowMessageBox(::GetActiveWindow(), text.c_str(), caption, type);
}
