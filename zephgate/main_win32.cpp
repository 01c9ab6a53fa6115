// zephgate.exe: one pass of the launcher, then the program ends (exit code 0 once the
// designer was started, 1 when nothing was).
#include <windows.h>

#include "com_components.h"
#include "login_app.h"
#include "windows_system.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  CLog log("");
  gate::WindowsSystem system(instance);
  gate::ComComponentFactory components;
  std::string encodedPassword;
  gate::GateServices services{components, system, log, PlatformDialUpNetwork(), nullptr, &encodedPassword};
  gate::CLoginApp app(services, nullptr);
  app.InitInstance(commandLine ? commandLine : "");
  return app.ExitCode();
}
