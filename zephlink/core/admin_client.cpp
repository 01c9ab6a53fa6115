#include "admin_client.h"

#include <filesystem>

#include "components.h"
#include "directory_client.h"
#include "link_log.h"
#include "session.h"

namespace zlink {
namespace fs = std::filesystem;

std::string SingleBackslashes(const std::string& path) {
    std::string out;
    for (std::size_t i = 0; i < path.size(); ++i) {
        out += path[i];
        if (path[i] == '\\' && i + 1 < path.size() && path[i + 1] == '\\') ++i;
    }
    return out;
}

void LogComError(const char* module, const std::string& description) {
    if (description.empty()) return;
    const std::size_t at = description.find('#');
    const std::string code = description.substr(0, at);
    const std::string text = at == std::string::npos ? std::string() : description.substr(at + 1);
    if (module && *module)
        log_message(1, "Module: %s Code: %s, Text:%s\n", module, code.c_str(), text.c_str());
    else
        log_message(1, "AOS COM Error: Code: %s, Text:%s\n", code.c_str(), text.c_str());
}

int AdminClient::Init(const std::string& server, const std::string& context, const std::string& user) {
    m_server = server;
    m_context = context;
    m_user = user;
    return 0;
}

const std::string& AdminClient::ConnectOption() {
    if (m_option.empty()) m_option = std::to_string(32);
    return m_option;
}

namespace {
// Makes and connects the configuration client for operation `name`; null after a logged failure.
std::unique_ptr<AdminConfigComponent> ConnectConfig(const char* name, const std::string& context,
                                                    const std::string& option, const std::string& server) {
    HResult hr = kOk;
    std::unique_ptr<AdminConfigComponent> config = CurrentPlatform().NewAdminConfig(hr);
    if (!config) {
        log_message(1, "CAOS::%s - config wiz client could not be instantiated, hr=%x\n", name, static_cast<unsigned>(hr));
        return nullptr;
    }
    hr = config->Connect(context, option, server);
    if (failed(hr)) {
        LogComError((std::string("CAOS::") + name).c_str(), config->ErrorDescription());
        log_message(1, "CAOS::%s - config wiz client failed to connect to %s, hr=%x\n", name, server.c_str(),
                    static_cast<unsigned>(hr));
        return nullptr;
    }
    return config;
}

std::unique_ptr<FileTransferComponent> ConnectFiles(const char* createFailure, const char* name,
                                                    const std::string& context, const std::string& option,
                                                    const std::string& server) {
    HResult hr = kOk;
    std::unique_ptr<FileTransferComponent> files = CurrentPlatform().NewFileTransfer(hr);
    if (!files) {
        log_message(1, createFailure, static_cast<unsigned>(hr));
        return nullptr;
    }
    hr = files->Connect(context, option, "vtfilexfer", "_VTAOSFile_", server);
    if (failed(hr)) {
        LogComError((std::string("CAOS::") + name).c_str(), files->ErrorDescription());
        log_message(1, "CAOS::%s - file transfer client failed to connect to %s, hr=%x\n", name, server.c_str(),
                    static_cast<unsigned>(hr));
        return nullptr;
    }
    return files;
}
}  // namespace

int AdminClient::GetLdapSuffix(std::string& suffix) {
    try {
        if (m_server.empty()) m_server = Directory().Server();
        auto config = ConnectConfig("GetLdapSuffix", "", ConnectOption(), m_server);
        if (!config) return 60;
        if (failed(config->GetLdapSuffix(suffix))) {
            LogComError("CAOS::GetLdapSuffix", config->ErrorDescription());
            return 60;
        }
        return 0;
    } catch (...) {
        log_message(1, "CAOS::GetLdapSuffix - threw exception\n");
        return 60;
    }
}

int AdminClient::GetUnusedAppID(int customerArgument, std::int32_t* id) {
    if (customerArgument < 0 || !id) return 60;
    *id = -1;
    auto config = ConnectConfig("GetUnusedAppID", m_context, ConnectOption(), m_server);
    if (!config) return 60;
    std::int32_t value = -1;
    if (failed(config->GetUnusedAppId(m_context, m_user, customerArgument, value))) {
        LogComError("CAOS::GetUnusedAppID", config->ErrorDescription());
        return 60;
    }
    *id = value;
    return 0;
}

int AdminClient::StartVersionManager() {
    auto config = ConnectConfig("StartVersionManager", m_context, ConnectOption(), m_server);
    if (!config) return 60;
    if (failed(config->StartVersionManager(m_context, m_user))) {
        LogComError("CAOS::StartVersionManager", config->ErrorDescription());
        return 60;
    }
    return 0;
}

int AdminClient::CleanUpDeleted() {
    auto config = ConnectConfig("CleanUpDeleted", m_context, ConnectOption(), m_server);
    if (!config) return 60;
    if (failed(config->CleanUpDeleted(m_context, m_user))) {
        LogComError("CAOS::CleanUpDeleted", config->ErrorDescription());
        return 60;
    }
    return 0;
}

int AdminClient::SendFileToServer(const char* key, const char* name, const char* serverPath, const char* extension) {
    log_message(2, "CAOS::SendFileToServer, App: %s\n", name ? name : "");
    if (!name || !serverPath) return 60;
    std::string folder;
    if (!ProgramFolder(key, folder)) return 49;
    const std::string local = folder + name + (extension ? extension : "");
    const std::string server = SingleBackslashes(serverPath);
    if (m_server.empty()) {
        log_message(1, "CAOS::SendFileToServer, Server name is NULL!\n");
        return 60;
    }
    auto files = ConnectFiles("CAOS::SendFileToServer, Failed to created file transfer object hr = 0x%x\n",
                              "SendFileToServer", m_context, ConnectOption(), m_server);
    if (!files) return 60;
    if (failed(files->SendFile(m_context, m_user, local, server))) {
        LogComError("CAOS::SendFileToServer", files->ErrorDescription());
        return 60;
    }
    log_message(3, "CAOS::SendFileToServer, \n\t>> Sent: %s \n\t>> To: %s\n", local.c_str(), server.c_str());
    return 0;
}

int AdminClient::SendFileToClient(const char* key, const char* name, const char* serverPath, const char* extension) {
    log_message(2, "CAOS::SendFileToClient, AppName %s\n", name ? name : "");
    if (!name || !serverPath) {
        log_message(1, "CAOS::SendFileToClient, sourceServerName %s, ClientAppName %s\n", serverPath ? serverPath : "",
                    name ? name : "");
        return 60;
    }
    std::string folder;
    if (!ProgramFolder(key, folder)) return 49;
    const std::string local = folder + name + (extension ? extension : "");
    const std::string server = SingleBackslashes(serverPath);
    if (m_server.empty()) {
        log_message(1, "CAOS::SendFileToClient, Server name is NULL!\n");
        return 60;
    }
    // The fetch goes to a temporary name and replaces the local copy only when it worked,
    // so a failed fetch keeps the old file.
    const std::string partial = local + ".part";
    std::error_code error;
    fs::remove(fs::path(partial), error);
    auto files = ConnectFiles("CAOS::SendFileToClient, failed to created file transfer object, hr=%x\n",
                              "SendFileToClient", m_context, ConnectOption(), m_server);
    if (!files) return 60;
    if (failed(files->ReceiveFile(m_context, m_user, server, partial))) {
        LogComError("CAOS::SendFileToClient", files->ErrorDescription());
        fs::remove(fs::path(partial), error);
        return 60;
    }
    fs::remove(fs::path(local), error);
    fs::rename(fs::path(partial), fs::path(local), error);
    if (error) {
        log_message(1, "CAOS::SendFileToClient, could not replace %s\n", local.c_str());
        return 60;
    }
    log_message(3, "CAOS::SendFileToClient, \n\t>> Received: %s \n\t>> At: %s\n", server.c_str(), local.c_str());
    return 0;
}

int AdminClient::SendMMFSRecord(const char* localPath, const char* serverFolder, int mediaType, int recordId) {
    // A missing path is refused before the component is asked.
    if (!localPath || !serverFolder) {
        log_message(1, "CAOS::SendMMFSRecord, invalid source or destination path");
        return 60;
    }
    auto files = ConnectFiles("CAOS::SendMMFSRecord, Failed to transfer MMFS file hr = 0x%x\n", "SendMMFSRecord",
                              m_context, ConnectOption(), m_server);
    if (!files) return 60;
    const int kind = mediaType == 15 ? 2 : 1;
    if (failed(files->SendMmfsRecord(m_context, m_user, localPath, serverFolder, recordId, kind, 2))) {
        LogComError("CAOS::SendMMFSRecord", files->ErrorDescription());
        return 60;
    }
    log_message(3, "CAOS::SendMMFSRecord, \n\t>> Sent: %s \n\t>> To: %s\\R%d.\n", localPath, serverFolder, recordId);
    return 0;
}

}  // namespace zlink
