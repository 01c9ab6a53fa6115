#include "server_connection.h"

#include <cstdlib>

#include "filter_text.h"

namespace gate {
namespace {

constexpr HResult kRpcTooLate = static_cast<HResult>(0x80010119u);  // security already set in this process
constexpr const char* kValueSeparator = "~{value}~";
constexpr const char* kMultiSeparator = "~{mv}~";
constexpr std::size_t kLogLineLimit = 255;

std::string Cut(const std::string& text, std::size_t length) { return text.substr(0, length); }

// The parts of a multi-value text.
std::vector<std::string> Values(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  const std::string separator = kMultiSeparator;
  for (;;) {
    const std::size_t at = text.find(separator, start);
    parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) return parts;
    start = at + separator.size();
  }
}

}  // namespace

void WipeText(std::string& text) {
  volatile char* p = text.data();
  for (std::size_t i = 0; i < text.size(); ++i) p[i] = '\0';
  text.clear();
}

CServerConnection::CServerConnection(const CSystemInfo& system, const CLoginData& login, GateServices& services)
    : services_(services), dialUp_(std::make_unique<CRAS>(services.dialUp)), system_(system), login_(login) {}

CServerConnection::~CServerConnection() {
  directory_.reset();
  dialUp_.reset();
  WipeText(login_.Password);
  WipeText(system_.DialPassword);
  if (comStarted_) services_.system.Shutdown();
}

void CServerConnection::LogText(const std::string& text) { services_.log << CLogEntry(text); }

int CServerConnection::Fail(const std::string& text) {
  error_ = text;
  LogText(text);
  return 0;
}

void CServerConnection::ClearError() {
  error_.clear();
  errorCode_ = kOk;
}

const std::string& CServerConnection::GetConnectOption() {
  if (!connectOption_) connectOption_ = std::to_string(32);
  return *connectOption_;
}

std::optional<std::string> CServerConnection::MachineValue(const std::string& name) {
  const std::optional<std::string> key = services_.system.LoadText(kIdsDataKey);
  if (!key) return std::nullopt;
  return services_.system.ReadMachineValue(*key, name);
}

int CServerConnection::Initialize() {
  initialised_ = false;
  ClearError();
  HResult hr = services_.system.InitializeCom();
  if (Failed(hr)) {
    errorCode_ = hr;
    return Fail("Could not initialize COM libraries, hr= " + HexText(hr));
  }
  comStarted_ = true;
  hr = services_.system.InitializeComSecurity();
  // Security can be set once per process; a second connection finds it already set.
  if (Failed(hr) && hr != kRpcTooLate) {
    errorCode_ = hr;
    return Fail("Could not set COM security level, hr= " + HexText(hr));
  }
  services_.system.StartSockets();
  initialised_ = CreateDirectoryObject() != 0;
  return initialised_ ? 1 : 0;
}

int CServerConnection::CreateDirectoryObject() {
  LogText("Creating LDAP Bean object");
  directory_.reset();
  Created<DirectoryComponent> made = services_.components.MakeDirectory();
  switch (made.how) {
    case Creation::Made:
      directory_ = std::move(made.component);
      LogText("Created LDAP Bean object");
      return 1;
    case Creation::NoClassId:
      errorCode_ = made.hr;
      return Fail("Could not retrieve LDAP COM class ID");
    case Creation::NotCreated:
      errorCode_ = made.hr;
      return Fail("Could not create LDAP COM object. Please re-install Flowsmith.");
    case Creation::Threw:
      LogText("Exception occurred while creating LDAP Bean object");
      error_ = "Exception occurred while creating LDAP Bean object";
      return 0;
  }
  return 0;
}

int CServerConnection::ConnectNetwork() {
  ClearError();
  if (connected_) return 1;
  if (system_.ConnectionType == CSystemInfo::DialUp) {
    LogText("Starting PPP connection...");
    dialUp_->Initialize();
    if (!dialUp_->Dial(system_.DialEntry, system_.DialUserName, system_.DialPassword)) {
      std::string format = services_.system.LoadText(kIdsDialError).value_or("Error: %s");
      const std::size_t at = format.find("%s");
      error_ = at == std::string::npos ? format : format.replace(at, 2, dialUp_->GetLatestErrorText());
      const std::int32_t code = dialUp_->GetRetCode();
      errorCode_ = code > 0 ? static_cast<HResult>(0x80070000u | (static_cast<std::uint32_t>(code) & 0xFFFFu)) : code;
      LogText(error_);
      return 0;
    }
  }
  connected_ = true;
  return 1;
}

int CServerConnection::Logout() {
  LogText("CServerConnection::Logout");
  ClearError();
  if (!loggedIn_) return 1;
  if (!connected_) {
    error_ = services_.system.LoadText(kIdsNotConnected).value_or("Not Connected");
    errorCode_ = kFail;
    return 0;
  }
  loggedIn_ = false;
  return 1;
}

int CServerConnection::EncodePassword(std::string& password) {
  Created<PasswordEncoderComponent> made = services_.components.MakePasswordEncoder();
  switch (made.how) {
    case Creation::Made: break;
    case Creation::NoClassId:
      errorCode_ = made.hr;
      return Fail("Could not retrieve Password COM class ID. Please re-install Flowsmith.");
    case Creation::NotCreated:
      errorCode_ = made.hr;
      return Fail("Could not create Password COM object. Please re-install Flowsmith.");
    case Creation::Threw:
      error_ = "COM threw exception creating Password COM object";
      LogText(error_);
      return 0;
  }
  std::string encoded;
  const HResult hr = made.component->Encode(password, encoded);
  if (Failed(hr)) {
    errorCode_ = hr;
    return Fail("Password encoding failed, hr = " + HexText(hr) + ".");
  }
  WipeText(password);
  password = encoded;
  LogText("Password successfully encoded!");
  return 1;
}

void CServerConnection::CollectDirectoryErrors(const std::string& module) {
  directoryErrors_.clear();
  if (!directory_) return;
  std::vector<ComponentError> items;
  if (Failed(directory_->Errors(items))) return;
  for (const ComponentError& item : items) {
    DirectoryError e{item.code, item.level, Cut(item.attribute, 63), Cut(item.text1, 255), Cut(item.text2, 255)};
    const std::string fields = "Code: " + std::to_string(e.code) + ", Level:" + std::to_string(e.level) +
                               ", Attribute:" + e.attribute + ", Text1:" + e.text1 + ", Text2:" + e.text2 + ".";
    LogText(Cut(module.empty() ? "LDAP COM Error: " + fields : "Module: " + module + " " + fields, kLogLineLimit));
    directoryErrors_.push_back(std::move(e));
  }
}

bool CServerConnection::HasDirectoryError(std::int32_t code) const {
  for (const DirectoryError& e : directoryErrors_) {
    if (e.code == code) return true;
  }
  return false;
}

void CServerConnection::LogAdminError(AdminErrorSource& source, const std::string& module) {
  const std::optional<std::string> description = source.LastErrorDescription();
  if (!description || description->empty()) return;
  const std::size_t hash = description->find('#');
  const std::string code = hash == std::string::npos ? *description : description->substr(0, hash);
  const std::string text = hash == std::string::npos ? *description : description->substr(hash + 1);
  const std::string fields = "Code: " + code + ", Text:" + text + "\n";
  LogText(Cut(module.empty() ? "AOS COM Error: " + fields : "Module: " + module + " " + fields, kLogLineLimit));
}

int CServerConnection::GetLdapSuffix() {
  Created<AdminConfigComponent> made = services_.components.MakeAdminConfig();
  if (made.how != Creation::Made) {
    errorCode_ = made.hr;
    return Fail("CAOS::GetLdapSuffix - config wiz client could not be instantiated, hr=" + HexText(made.hr) + "\n");
  }
  HResult hr = made.component->Connect("", GetConnectOption(), system_.Address);
  if (Failed(hr)) {
    errorCode_ = hr;
    LogAdminError(*made.component, "CAOS::GetLdapSuffix");
    error_ = "Could not connect to AOS server.";
    LogText("CAOS::GetLdapSuffix - config wiz client failed to connect to server");
    return 0;
  }
  hr = made.component->GetLdapSuffix(suffix_);
  if (Failed(hr)) {
    errorCode_ = hr;
    LogAdminError(*made.component, "CAOS::GetLdapSuffix");
    return Fail("Failed to retrieve LDAP suffix.  Check log file.");
  }
  return 1;
}

int CServerConnection::SearchFirst(const std::string& filter, const std::string& attributes,
                                   std::optional<std::string>& entry, Step& failedAt, const std::string& contextId) {
  entry.reset();
  HResult hr = directory_->Search(suffix_, 2, filter, attributes, contextId);
  if (Failed(hr)) {
    errorCode_ = hr;
    failedAt = Step::Search;
    CollectDirectoryErrors("");
    return 0;
  }
  hr = directory_->GetNext(entry);
  if (Failed(hr)) {
    errorCode_ = hr;
    failedAt = Step::Next;
    CollectDirectoryErrors("");
    return 0;
  }
  return 1;
}

int CServerConnection::QueryLocationID() {
  LogText("CServerConnection::QueryLocationID");
  if (!initialised_) return Fail("Initialization is incomplete.");
  const std::string filter =
      "(&(locationname=" + EscapeFilterValue(login_.Location) + ")(objectclass=NETWLOCATION))";
  std::optional<std::string> entry;
  Step failedAt = Step::Search;
  if (!SearchFirst(filter, "locationid", entry, failedAt)) {
    if (failedAt == Step::Search) return Fail("The location name is not valid.  Please check log file.");
    LogText("Could not getNext for location IDs.");
    return 0;
  }
  if (!entry || entry->empty()) {
    LogText("No location ID returned from LDAP search");
    return 0;
  }
  locationId_ = *entry;
  return 1;
}

int CServerConnection::IsSpecialAdminstrator(const std::string& mailboxId) {
  LogText("CServerConnection::IsSpecialAdminstrator");
  if (!initialised_) return Fail("Initialization is incomplete.");
  const std::string filter =
      "(&(objectclass=VTMSPECIALUSER)(specialuserid=" + EscapeFilterValue(mailboxId) + "))";
  std::optional<std::string> entry;
  Step failedAt = Step::Search;
  if (!SearchFirst(filter, "vtmappid", entry, failedAt)) {
    if (failedAt == Step::Search)
      return Fail("Could not check the special administrator rights of user " + login_.UserId + ".");
    LogText("Could not getNext for special user data.");
    return 0;
  }
  if (entry) {
    // One of the values must be the designer's application number itself.
    for (const std::string& value : Values(*entry)) {
      if (value == GetConnectOption()) return 1;
    }
  }
  return Fail("The mailbox: " + login_.UserId + " does not have special admin priviledges");
}

int CServerConnection::Login() {
  LogText("CServerConnection::Login");
  ClearError();
  if (!initialised_) return Fail("Initialization is incomplete.");
  if (loggedIn_) return 1;
  if (!connected_) {
    error_ = services_.system.LoadText(kIdsNotConnected).value_or("Not Connected");
    errorCode_ = kFail;
    return 0;
  }
  if (!IsSendableValue(login_.UserId) || !IsSendableValue(login_.Location) || !IsSendableValue(login_.Password)) {
    LogText("The user ID, location or password holds \"~{\", which cannot be sent to the server.");
    error_ = "Login Failed.  Please check log file and try again.";
    return 0;
  }

  LogText("Get LDAP suffix");
  if (!GetLdapSuffix()) return 0;

  LogText("Start anonymous login.");
  HResult hr = directory_->Bind(1, system_.Address, 389, 636, "", suffix_, "", "2", "", "");
  if (Failed(hr)) {
    errorCode_ = hr;
    CollectDirectoryErrors("");
    return Fail("Could not connect to  LDAP server " + system_.Name + " at " + system_.Address);
  }

  if (login_.Location.empty()) {
    locationId_ = "2";
  } else {
    LogText("Retrieve location ID.");
    if (!QueryLocationID())
      return Fail("Could not determine a location ID from Location: " + login_.Location + ".");
  }

  const std::string userFilter = "(&(usermailboxnum=" + EscapeFilterValue(login_.UserId) +
                                 ")(locationid=" + EscapeFilterValue(locationId_) + ")(objectclass=VANTORAUSER))";
  std::optional<std::string> user;
  Step failedAt = Step::Search;
  if (!SearchFirst(userFilter, "isadministrator,mailboxid", user, failedAt)) {
    if (failedAt == Step::Search) return Fail("Could not check user's administration priviledges.");
    LogText("UserMailbox search could not getNext results.");
    return 0;
  }
  if (!user) return Fail("Access Denied for User: " + login_.UserId);
  const std::size_t cut = user->find(kValueSeparator);
  const int administrator = std::atoi(user->substr(0, cut).c_str());
  const std::string mailboxId = cut == std::string::npos ? "" : user->substr(cut + std::string(kValueSeparator).size());

  std::string certificateFolder;
  if (system_.SslLevel > 0) {
    LogText("Checking for SSL Certificate.");
    if (!CheckCertificate(system_.Name, 0)) return Fail("SSL connection could not be established.");
    if (const std::optional<std::string> key = services_.system.LoadText(kIdsDataKey)) {
      const std::optional<std::string> bindir = services_.system.ReadMachineValue(*key, "bindir");
      if (!bindir) {
        LogText("CServerConnection::Login bindir registry entry not found!");
        return Fail("SSL connection could not be established.");
      }
      certificateFolder = *bindir;
    }
    if (!CreateDirectoryObject()) return 0;
    directory_->SetSecure(true);
  }

  LogText("Start actual login.");
  std::string password = login_.Password;
  bool certificateRetried = false, warningIgnored = false, passwordChanged = false;
  for (;;) {
    hr = directory_->Bind(1, system_.Address, 389, system_.SslPort, certificateFolder, suffix_, login_.UserId,
                          Cut(locationId_, 31), password, "");
    if (!Failed(hr)) break;
    errorCode_ = hr;
    CollectDirectoryErrors("");
    if (HasDirectoryError(36110) && !warningIgnored) {
      LogText("Ignoring user pwd expiring warning from LDAP (code #36110).");
      warningIgnored = true;
      continue;
    }
    if (HasDirectoryError(54734) && !passwordChanged) {
      std::string context;
      if (!Failed(directory_->GetContextId(context))) contextId_ = context;
      if (!ChangePassword()) {
        WipeText(password);
        return 0;
      }
      passwordChanged = true;
      WipeText(password);
      password = login_.Password;
      LogText("Re-encoding password.");
      if (services_.encodedPassword) {
        *services_.encodedPassword = password;
        if (!EncodePassword(*services_.encodedPassword)) {
          WipeText(password);
          return 0;
        }
      }
      continue;
    }
    if (HasDirectoryError(54732)) {
      WipeText(password);
      return Fail("Login Failed.  Please contact your administrator.");
    }
    if (system_.SslLevel < 1 || certificateRetried || HasDirectoryError(36110) || HasDirectoryError(54734)) {
      WipeText(password);
      return Fail("Login Failed.  Please check log file and try again.");
    }
    CheckCertificate(system_.Name, 1);
    certificateRetried = true;
  }
  WipeText(password);
  if (system_.SslLevel != 1) directory_->SetSecure(false);

  LogText("Successful login for user.");
  std::string context;
  hr = directory_->GetContextId(context);
  if (Failed(hr)) {
    errorCode_ = hr;
    CollectDirectoryErrors("");
    return Fail("Could not retrieve LDAP context ID, hr=" + HexText(hr));
  }
  contextId_ = context;
  LogText("Retrieved context ID.");

  if (administrator == 0 && !IsSpecialAdminstrator(mailboxId)) {
    Fail("Access Denied for User: " + login_.UserId);
    directory_->Unbind(context);
    contextId_.reset();
    return 0;
  }
  loggedIn_ = true;
  return 1;
}

}  // namespace gate
