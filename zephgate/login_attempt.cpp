#include "login_attempt.h"

namespace gate {

LoginOutcome LogInAndLaunch(CLoginApp& app, const std::string& systemName, const CSystemInfo& system,
                            const CLoginData& login) {
  GateServices& services = app.Services();
  std::string localEncoded;
  std::string& encoded = services.encodedPassword ? *services.encodedPassword : localEncoded;
  LoginOutcome outcome;
  CServerConnection connection(system, login, services);
  const auto refuse = [&](bool clear) {
    outcome.clearFields = clear;
    outcome.errorText = connection.GetErrorText();
    return outcome;
  };
  if (!connection.Initialize()) return refuse(true);
  encoded = login.Password;
  // The fields are kept after an encoding failure: nothing was wrong with them.
  if (!connection.EncodePassword(encoded)) return refuse(false);
  if (!connection.ConnectNetwork()) return refuse(true);
  if (!connection.Login()) return refuse(true);

  outcome.loggedIn = true;
  const std::string context = connection.GetContextId().value_or("");
  const std::string locationId = connection.GetLocationId();
  if (!app.LaunchDesigner(system.Location, systemName, system.Address, login.UserId, "1", context, locationId,
                          encoded, system.SslLevel, system.SslPort)) {
    // The dialog has gone: without a box the user would see nothing happen at all.
    outcome.errorText = app.LastLogText();
  }
  return outcome;
}

}  // namespace gate
