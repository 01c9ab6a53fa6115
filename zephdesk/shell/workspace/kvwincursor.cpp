#include "shell/workspace/kvwinapp.h"

#ifndef _WIN32
// Off Windows the designer shows no pointer of its own.
void KvWinApp::SetWaitCursor() {}
void KvWinApp::SetArrowCursor() {}
void KvWinApp::SetCrossCursor() {}
void KvWinApp::SetNoCursor() {}
#endif
