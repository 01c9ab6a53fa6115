#pragma once
// The voice-messaging server's components as the launcher calls them, in plain C++ so that
// the login sequence runs natively against the stand-in server's core and under Windows
// against the COM components (components_win32.cpp adapts the COM interfaces). Every call
// answers an HRESULT value; negative is failure.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gate {

using HResult = std::int32_t;
inline constexpr HResult kOk = 0;
inline constexpr HResult kFail = static_cast<HResult>(0x80004005u);  // E_FAIL
inline constexpr bool Failed(HResult hr) { return hr < 0; }
// A server code as the components report it: FACILITY_ITF with the code in the low word.
inline constexpr HResult ServerCodeResult(std::int32_t code) {
  return static_cast<HResult>(0x80040000u | (static_cast<std::uint32_t>(code) & 0xFFFFu));
}

// One record of the directory component's error list.
struct ComponentError {
  std::int32_t code = 0;
  std::int32_t level = 0;
  std::string attribute;
  std::string text1;
  std::string text2;
};

// "Vantora.LDAPBean".
class DirectoryComponent {
 public:
  virtual ~DirectoryComponent() = default;
  virtual HResult Bind(std::int32_t mode, const std::string& host, std::int32_t port, std::int32_t sslPort,
                       const std::string& certFolder, const std::string& suffix, const std::string& user,
                       const std::string& locationId, const std::string& password, const std::string& contextId) = 0;
  virtual HResult Search(const std::string& base, std::int32_t scope, const std::string& filter,
                         const std::string& attributes, const std::string& contextId) = 0;
  // The next entry of the last search; nullopt at the end.
  virtual HResult GetNext(std::optional<std::string>& entry) = 0;
  virtual HResult Modify(const std::string& dn, const std::string& attributes, const std::string& contextId) = 0;
  virtual HResult GetContextId(std::string& contextId) = 0;
  virtual HResult Unbind(const std::string& contextId) = 0;
  virtual HResult Errors(std::vector<ComponentError>& errors) = 0;
  virtual HResult SetSecure(bool on) = 0;
};

// What the admin service's clients leave for a failed call: the description of the
// error information ("code#text"), or nothing.
class AdminErrorSource {
 public:
  virtual ~AdminErrorSource() = default;
  virtual std::optional<std::string> LastErrorDescription() = 0;
};

// "Vantora.AOSClient_ConfigWizard".
class AdminConfigComponent : public AdminErrorSource {
 public:
  virtual HResult Connect(const std::string& protocol, const std::string& connectOption,
                          const std::string& server) = 0;
  virtual HResult GetLdapSuffix(std::string& suffix) = 0;
};

// "Vantora.AOSClient_FileTransfer".
class FileTransferComponent : public AdminErrorSource {
 public:
  virtual HResult Connect(const std::string& contextId, const std::string& connectOption, const std::string& service,
                          const std::string& clientTag, const std::string& server) = 0;
  virtual HResult ReceiveFile(const std::string& contextId, const std::string& user, const std::string& serverPath,
                              const std::string& localPath) = 0;
  virtual HResult FetchTimeStamp(const std::string& contextId, const std::string& user,
                                 const std::string& localStampPath, const std::string& serverPath) = 0;
  virtual HResult CompareTimeStamp(const std::string& contextId, const std::string& user,
                                   const std::string& localStampPath, const std::string& serverPath, bool& same) = 0;
};

// "Vantora.PwdEncoder".
class PasswordEncoderComponent {
 public:
  virtual ~PasswordEncoderComponent() = default;
  virtual HResult Encode(const std::string& plain, std::string& encoded) = 0;
};

// How making a component ended: its class id unknown, the instance refused, or an
// exception thrown while making it.
enum class Creation { Made, NoClassId, NotCreated, Threw };

template <class Component>
struct Created {
  Creation how = Creation::NotCreated;
  HResult hr = kFail;
  std::unique_ptr<Component> component;
};

// Makes components by their ProgIDs (in-process).
class ComponentFactory {
 public:
  virtual ~ComponentFactory() = default;
  virtual Created<DirectoryComponent> MakeDirectory() = 0;
  virtual Created<AdminConfigComponent> MakeAdminConfig() = 0;
  virtual Created<FileTransferComponent> MakeFileTransfer() = 0;
  virtual Created<PasswordEncoderComponent> MakePasswordEncoder() = 0;
};

}  // namespace gate
