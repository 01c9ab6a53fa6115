// The server's components as the client library calls them, in plain C++: the directory
// access component, the admin service's configuration and file-transfer clients. Results
// are HRESULT values (negative = failure). The library reaches them, and the calls that
// start and end COM on its thread, through one LinkPlatform: COM objects by ProgID in
// the DLL, the stand-in server's core in the native tests.
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace zlink {

using HResult = std::int32_t;
inline constexpr HResult kOk = 0;
inline constexpr HResult kFalse = 1;  // a success without a result (no further entry)
inline constexpr HResult kFail = static_cast<HResult>(0x80004005u);
inline bool failed(HResult hr) { return hr < 0; }
// A server code as the components report it: FACILITY_ITF with the code in the low word.
inline HResult serverCodeResult(std::int32_t code) {
    return static_cast<HResult>(0x80040000u | (static_cast<std::uint32_t>(code) & 0xFFFFu));
}

struct ComponentError {
    std::int32_t code = 0;
    std::int32_t level = 0;
    std::string attribute;
    std::string text1;
    std::string text2;
};

class DirectoryComponent {
public:
    virtual ~DirectoryComponent() = default;
    virtual HResult Connect(int mode, const std::string& host, int port, int sslPort, const std::string& certFolder,
                            const std::string& suffix, const std::string& user, const std::string& location,
                            const std::string& password, const std::string& contextId) = 0;
    virtual HResult Add(const std::string& contextId, const std::string& dn, const std::string& attributes,
                        int flags) = 0;
    virtual HResult Search(const std::string& base, int scope, const std::string& filter,
                           const std::string& attributes, std::int16_t attrsOnly, const std::string& sort,
                           int sizeLimit, const std::string& contextId) = 0;
    // The next entry string; nullopt at the end.
    virtual HResult GetNext(std::optional<std::string>& entry) = 0;
    virtual HResult Modify(const std::string& dn, const std::string& attributes, const std::string& contextId) = 0;
    virtual HResult Delete(const std::string& dn, const std::string& contextId) = 0;
    virtual HResult GetContextId(std::string& contextId) = 0;
    // The error list of the last call; a failure when there is none to give.
    virtual HResult GetErrors(std::vector<ComponentError>& errors) = 0;
    virtual HResult LockApplication(const std::string& base, int scope, int customerId, int applicationId,
                                    const std::string& attributes, int unlock, const std::string& contextId) = 0;
    virtual HResult SetSecure(int on) = 0;
};

// The admin service's components report failures through the thread's error information,
// whose description reads "code#text"; ErrorDescription gives it ("" when none).
class AdminConfigComponent {
public:
    virtual ~AdminConfigComponent() = default;
    virtual HResult Connect(const std::string& contextId, const std::string& option, const std::string& server) = 0;
    virtual HResult GetUnusedAppId(const std::string& contextId, const std::string& user, int customerId,
                                   std::int32_t& id) = 0;
    virtual HResult StartVersionManager(const std::string& contextId, const std::string& user) = 0;
    virtual HResult CleanUpDeleted(const std::string& contextId, const std::string& user) = 0;
    virtual HResult GetLdapSuffix(std::string& suffix) = 0;
    virtual std::string ErrorDescription() = 0;
};

class FileTransferComponent {
public:
    virtual ~FileTransferComponent() = default;
    virtual HResult Connect(const std::string& contextId, const std::string& option, const std::string& service,
                            const std::string& clientTag, const std::string& server) = 0;
    virtual HResult ReceiveFile(const std::string& contextId, const std::string& user, const std::string& serverPath,
                                const std::string& localPath) = 0;
    virtual HResult SendFile(const std::string& contextId, const std::string& user, const std::string& localPath,
                             const std::string& serverPath) = 0;
    virtual HResult SendMmfsRecord(const std::string& contextId, const std::string& user, const std::string& localPath,
                                   const std::string& serverFolder, int recordId, int kind, int mode) = 0;
    virtual std::string ErrorDescription() = 0;
};

// What the library needs of the platform: COM on its thread, sockets, and the components.
// Creation answers null with the failure in hr.
class LinkPlatform {
public:
    virtual ~LinkPlatform() = default;
    virtual HResult InitializeCom() { return kOk; }
    virtual HResult InitializeSecurity() { return kOk; }
    virtual void StartSockets() {}
    virtual void StopSockets() {}
    virtual void UninitializeCom() {}
    virtual std::unique_ptr<DirectoryComponent> NewDirectory(HResult& hr) = 0;
    virtual std::unique_ptr<AdminConfigComponent> NewAdminConfig(HResult& hr) = 0;
    virtual std::unique_ptr<FileTransferComponent> NewFileTransfer(HResult& hr) = 0;
};

// The platform in use: the DLL's COM platform, or one that a test installs (not owned;
// null restores the default).
LinkPlatform& CurrentPlatform();
void SetPlatform(LinkPlatform* platform);

}  // namespace zlink
