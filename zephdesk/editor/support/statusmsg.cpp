#include "editor/support/statusmsg.h"

#include "editor/support/editorhost.h"

namespace ed {

void ShowStatusMessage(EditorHost& host, const char* text, bool alert) {
  host.SetStatusText(text, alert);
  if (alert) host.Beep(kBeepExclamation);
}

}  // namespace ed
