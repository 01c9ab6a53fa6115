// The designer program: the shell's entry over the settings file "VOXTRELL.INI", the
// client library and the model library.
#include <windows.h>

#include "shell/app/designerentry.h"
#include "shell/app/modelexports.h"
#include "shell/settings/privateprofile.h"
#include "shell/workspace/loginexports.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE prevInstance, LPSTR cmdLine, int) {
    PrivateProfile profile;
    return DesignerMain(instance, prevInstance, cmdLine, UIAppCalls{profile, ExportLoginCalls(), ModelExportCalls()});
}
