#pragma once
// One log-in to a configured server system: network (dial-up when configured), the
// directory component, the directory suffix from the admin service, anonymous bind,
// location id, the user's rights, the certificate for SSL, the real bind with its
// password-expiry handling, and the context id. Operations answer 1 for success and 0 for
// failure, leaving the reason in GetErrorText; no exception leaves them.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "components.h"
#include "dialup.h"
#include "gate_system.h"
#include "log.h"
#include "password_change_ui.h"
#include "system_info.h"

namespace gate {

// What a connection works through; the launcher's own objects or tests' ones.
struct GateServices {
  ComponentFactory& components;
  GateSystem& system;
  CLog& log;
  DialUpNetwork& dialUp;
  PasswordChangeUi* passwordUi = nullptr;  // the expired-password dialog
  std::string* encodedPassword = nullptr;  // the launcher's encoded password, rewritten after a change
};

struct DirectoryError {
  std::int32_t code = 0;
  std::int32_t level = 0;
  std::string attribute;  // at most 63 characters
  std::string text1;      // at most 255
  std::string text2;      // at most 255
};

class CServerConnection {
 public:
  CServerConnection(const CSystemInfo& system, const CLoginData& login, GateServices& services);
  CServerConnection(const CServerConnection&) = delete;
  CServerConnection& operator=(const CServerConnection&) = delete;
  virtual ~CServerConnection();

  int Initialize();
  int CreateDirectoryObject();
  int ConnectNetwork();
  int Login();
  int Logout();
  int EncodePassword(std::string& password);
  int ChangePassword();

  // Certificates of SSL systems.
  int GenerateCertificatePath(const std::string& systemName, int deleteOld, std::string& folder);
  int GetCertificatePath(const std::string& systemName, std::string& path);
  int CheckCertificate(const std::string& systemName, int checkNewer);
  int IsNewerCertificate(const std::string& systemName);
  int RetrieveSSLCertificate(const std::string& systemName);
  int InitSSL(const std::string& systemName);

  const std::string& GetErrorText() const { return error_; }
  HResult GetErrorCode() const { return errorCode_; }
  // The context id after a log-in; nullopt before.
  const std::optional<std::string>& GetContextId() const { return contextId_; }
  const std::string& GetLocationId() const { return locationId_; }
  const std::vector<DirectoryError>& GetDirectoryErrors() const { return directoryErrors_; }
  bool HasDirectoryError(std::int32_t code) const;
  // The login data as it stands (a changed password replaces the old one).
  const CLoginData& GetLoginData() const { return login_; }

  // The admin service's connect option: the text of the number 32.
  const std::string& GetConnectOption();

 private:
  void LogText(const std::string& text);
  int Fail(const std::string& text);
  void ClearError();
  void CollectDirectoryErrors(const std::string& module);
  void LogAdminError(AdminErrorSource& source, const std::string& module);
  int GetLdapSuffix();
  int QueryLocationID();
  int IsSpecialAdminstrator(const std::string& mailboxId);
  std::optional<std::string> MachineValue(const std::string& name);
  // Searches and reads the first entry; 1 with `entry` (nullopt for none), 0 on failure
  // (errors collected; `failedAt` says which of the two calls failed).
  enum class Step { Search, Next };
  int SearchFirst(const std::string& filter, const std::string& attributes, std::optional<std::string>& entry,
                  Step& failedAt, const std::string& contextId = "");
  template <class Component>
  bool MakeFileTransfer(Created<Component>& made, const std::string& caller);

  GateServices& services_;
  std::unique_ptr<CRAS> dialUp_;
  std::unique_ptr<DirectoryComponent> directory_;
  std::string error_;
  HResult errorCode_ = kOk;
  bool connected_ = false;
  bool loggedIn_ = false;
  bool initialised_ = false;
  bool comStarted_ = false;
  CSystemInfo system_;
  CLoginData login_;
  std::optional<std::string> contextId_;
  std::string suffix_;
  std::optional<std::string> connectOption_;
  std::string locationId_;
  std::vector<DirectoryError> directoryErrors_;
};

// Wipes a text's characters before it is released (passwords).
void WipeText(std::string& text);

}  // namespace gate
