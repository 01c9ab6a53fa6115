// The change of an expired password: the user names a new one, the connection writes it to
// the user's directory entry, and refusals the user can correct bring the dialog back.
#include "filter_text.h"
#include "server_connection.h"

namespace gate {
namespace {

struct Refusal {
  std::int32_t code;
  const char* text;
};
constexpr Refusal kRefusals[] = {
    {54742, "A previous password cannot be re-used.  Please try again."},
    {54740, "The new password was not long enough for this server.  Please try again."},
    {54736, "A trivial password was entered.  Please try again."},
    {54737, "A trivial password was entered.  Please try again."},
    {54738, "A trivial password was entered.  Please try again."},
};

// Wipes a password copy whatever road the change takes.
struct WipedCopy {
  explicit WipedCopy(const std::string& text) : text(text) {}
  WipedCopy(const WipedCopy&) = delete;
  WipedCopy& operator=(const WipedCopy&) = delete;
  ~WipedCopy() { WipeText(text); }
  std::string text;
};

}  // namespace

int CServerConnection::ChangePassword() {
  const WipedCopy old(login_.Password);
  const std::string& oldPassword = old.text;
  auto give_up = [&]() {
    if (system_.SslLevel != 1 && directory_) directory_->SetSecure(false);
    return 0;
  };
  if (!services_.passwordUi || !directory_) return give_up();
  for (;;) {
    std::string newPassword;
    if (!services_.passwordUi->AskNewPassword(oldPassword, newPassword)) return give_up();
    if (!IsSendableValue(newPassword)) {
      WipeText(newPassword);
      error_ = "The password could not be changed.";
      LogText("The new password holds \"~{\", which cannot be sent to the server.");
      return give_up();
    }

    const std::string filter = "(&(locationid=" + EscapeFilterValue(locationId_) + ")(usermailboxnum=" +
                               EscapeFilterValue(login_.UserId) + ")(objectclass=VANTORAUSER))";
    const std::string context = contextId_.value_or("");
    std::optional<std::string> userId;
    Step failedAt = Step::Search;
    if (!SearchFirst(filter, "userid", userId, failedAt, context)) {
      if (failedAt == Step::Next) LogText("Could not getNext for User ID search.");
      WipeText(newPassword);
      error_ = "The password could not be changed.";
      return give_up();
    }
    if (!userId || userId->empty()) {
      // Without the user's own entry there is nothing to write to.
      WipeText(newPassword);
      Fail("The password could not be changed.");
      return give_up();
    }

    std::string attributes = "usermailboxpsswd~{value}~" + newPassword + "~{mv}~" + oldPassword;
    const std::string entry = "userid=" + *userId + "," + suffix_;
    if (system_.SslLevel > 0) directory_->SetSecure(true);
    const HResult hr = directory_->Modify(entry, attributes, context);
    WipeText(attributes);
    if (!Failed(hr)) {
      if (system_.SslLevel != 1) directory_->SetSecure(false);
      WipeText(login_.Password);
      login_.Password = newPassword;
      WipeText(newPassword);
      return 1;
    }
    WipeText(newPassword);
    errorCode_ = hr;
    error_ = "The password could not be changed.";
    LogText("Could not modify user password..");
    CollectDirectoryErrors("Change Password");
    const char* message = nullptr;
    for (const Refusal& r : kRefusals) {
      if (HasDirectoryError(r.code)) {
        message = r.text;
        break;
      }
    }
    if (!message) return give_up();
    services_.passwordUi->ShowRefusal(message);
  }
}

}  // namespace gate
