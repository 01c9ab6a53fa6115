#pragma once
// What OK in the login dialog does with a stored system: the server log-in (with the
// expired-password change on the way) and, once logged in, the designer's launch.
#include <string>

#include "login_app.h"

namespace gate {

struct LoginOutcome {
  bool loggedIn = false;     // the dialog closes
  bool clearFields = false;  // user id, password and location are emptied
  std::string errorText;     // the text of a box with caption "Error" (none when empty)
};

// `systemName` is the name selected in the list; the customer number is always "1".
LoginOutcome LogInAndLaunch(CLoginApp& app, const std::string& systemName, const CSystemInfo& system,
                            const CLoginData& login);

}  // namespace gate
