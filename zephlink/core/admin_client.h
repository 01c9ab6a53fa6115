// CAOS: the admin service's client. Every operation makes its component, connects,
// calls and releases it; failures are logged and answered 60 (49 without a program folder).
#pragma once
#include <cstdint>
#include <string>

namespace zlink {

class AdminClient {
public:
    int Init(const std::string& server, const std::string& context, const std::string& user);
    int GetLdapSuffix(std::string& suffix);
    int GetUnusedAppID(int customerArgument, std::int32_t* id);
    int StartVersionManager();
    int CleanUpDeleted();
    // The file of name + extension in the program folder of registry key, to or from serverPath.
    int SendFileToServer(const char* key, const char* name, const char* serverPath, const char* extension);
    int SendFileToClient(const char* key, const char* name, const char* serverPath, const char* extension);
    int SendMMFSRecord(const char* localPath, const char* serverFolder, int mediaType, int recordId);

    const std::string& User() const { return m_user; }

private:
    const std::string& ConnectOption();
    std::string m_server;
    std::string m_context;
    std::string m_user;
    std::string m_option;
};

// "\\\\" -> "\\" in a server path.
std::string SingleBackslashes(const std::string& path);
// Logs the "code#text" error description of a component under module ("" for none).
void LogComError(const char* module, const std::string& description);

}  // namespace zlink
