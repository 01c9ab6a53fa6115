#include <windows.h>

#include "shell/app/processexit.h"

void SuppressFaultErrorBoxes() { ::SetErrorMode(SEM_NOGPFAULTERRORBOX); }
