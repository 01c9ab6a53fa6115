// Natively there are no dialog windows: the clipboard's dialogs do not run.
#ifndef _WIN32
#include "programfile/clipboard/clipdialogs.h"

namespace zeph {
int RunNameConflictsDialog(TProgram&, int, char*) { return -1; }
int RunClipContentsDialog() { return -1; }
}  // namespace zeph
#endif
