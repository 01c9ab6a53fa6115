// CLDAP: the library's road to the server's directory, a thin client over the directory
// component. It keeps the session's context id and suffix, collects the error list after
// failures, and reads the lists and queries that the designer and the application manager
// ask for (server_lists.cpp).
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "components.h"
#include "dir_text.h"
#include "kvlink.h"

namespace zlink {

class KvFlowsmithApp;

class DirectoryClient {
public:
    DirectoryClient();
    ~DirectoryClient();

    HResult Init(const std::string& server, const std::string& userId, const std::string& password,
                 const std::string& locationId, const std::string& contextId);
    HResult Search(const Filter& filter, const AttrList& attributes, const std::string& sort = "", int scope = 2,
                   std::int16_t attrsOnly = 0);
    HResult GetNext(std::optional<std::string>& entry);
    HResult Add(const std::string& dn, const std::string& attributes, int flags);
    HResult Modify(const std::string& dn, const std::string& attributes);
    HResult Delete(const std::string& dn);
    HResult Lock(int customerId, int applicationId, const std::string& attributes, std::string& newPath,
                 std::string& oldPath);
    HResult Unlock(int customerId, int applicationId, const std::string& attributes);
    // Empties the error list and fills it from the component, logged under context.
    void GetLastError(const char* context);
    bool FindCode(std::int32_t code, KvDirectoryError* out = nullptr) const;
    bool FindAttribute(const char* attribute, KvDirectoryError* out = nullptr) const;
    const std::vector<KvDirectoryError>& Errors() const { return m_errors; }
    void ClearErrors() { m_errors.clear(); }
    // The first of 60657, 60656, 60658 in the error list as 62, 63, 64; 0 when none.
    int MappedServerCode() const;

    const std::string& ContextId() const { return m_context; }
    const std::string& Suffix() const { return m_suffix; }
    const std::string& Server() const { return m_server; }
    bool HasComponent() const { return m_component != nullptr; }

    // Lists (blocks freed with FreeList) and queries.
    int RetrieveApplicationList(KvAppListEntry** out, int mode, int customerId, int applicationId);
    int RetrieveLanguageList(KvLanguageEntry** out);
    int RetrieveResPermList(KvResPermListEntry** out);
    int RetrieveVolumeList(KvVolumeEntry** out);
    int QueryApplicationExists(int customerId, int applicationId, int* version, const std::string& name);
    int RetrieveInUseState(int customerId, int applicationId, KvFlowsmithApp& app);
    int RetrieveInUseState(int customerId, int applicationId, int& usage);
    static int FreeList(void* list);

private:
    int ReadEntries(const char* context, std::vector<std::string>& entries, bool query);

    std::unique_ptr<DirectoryComponent> m_component;
    std::string m_context;
    std::string m_suffix;
    std::string m_server;
    std::vector<KvDirectoryError> m_errors;
};

// Stand-alone lists: fixed tables and the program folder's "*.ed" files.
int StandAloneApplicationList(KvAppListEntry** out);
int StandAloneLanguageList(KvLanguageEntry** out);
int StandAloneResPermList(KvResPermListEntry** out);
int StandAloneVolumeList(KvVolumeEntry** out);

}  // namespace zlink
