#pragma once
// The module the wizard's dialogs, picture and strings come from: the one this code was
// linked into (zephsetup.dll, or a test program), not the program that loaded it.
class TModule;

namespace setup {
TModule& SetupModule();
}
