// zephgate.exe: one pass of the launcher, then the program ends (exit code 0 once the
// designer was started, 1 when nothing was). Without a command line the login dialog runs.
#include <windows.h>

#include "com_components.h"
#include "dialog_password_ui.h"
#include "login_app.h"
#include "login_dlg.h"
#include "mfc/winapp.h"
#include "windows_system.h"
#include "wizard_editor.h"

namespace {

// No help files are shipped: a help request is written to the log with what it asked for.
class LoginDialogOfTheProgram final : public gate::LoginDialogRunner {
 public:
  void Run(gate::CLoginApp& app) override {
    const auto help = [&app](const std::string& path, std::int32_t context) {
      app.LogText("Help requested: " + path + ", context " + std::to_string(context) + " (no help files installed).");
    };
    CSystemWizard wizard;
    setup::WizardServices services;
    services.help = help;
    wizard.SetServices(services);
    gate::WizardSystemEditor editor(wizard);
    gate::CLoginDlg dialog(app, help, &editor);
    dialog.DoModal();
  }
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  CWinApp winApp("Flowsmith");
  winApp.Start(instance, commandLine);
  CLog log("");
  gate::WindowsSystem system(instance);
  gate::ComComponentFactory components;
  gate::DialogPasswordChangeUi passwordUi;
  std::string encodedPassword;
  gate::GateServices services{components, system, log, PlatformDialUpNetwork(), &passwordUi, &encodedPassword};
  LoginDialogOfTheProgram dialog;
  gate::CLoginApp app(services, &dialog);
  app.InitInstance(commandLine ? commandLine : "");
  return app.ExitCode();
}
