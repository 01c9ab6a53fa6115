#include "directory_client.h"

#include <cstring>

#include "admin_client.h"
#include "link_log.h"
#include "session.h"

namespace zlink {

DirectoryClient::DirectoryClient() {
    HResult hr = kOk;
    m_component = CurrentPlatform().NewDirectory(hr);
    if (!m_component) log_message(1, "Failed to instantiate CLDAP object, hr = %x", static_cast<unsigned>(hr));
}

DirectoryClient::~DirectoryClient() = default;

HResult DirectoryClient::Init(const std::string& server, const std::string& userId, const std::string&,
                              const std::string& locationId, const std::string& contextId) {
    if (!m_component) {
        log_message(1, "CLDAP::Init, CLDAP object doesn't exist!\n");
        return kFail;
    }
    m_server = server;
    log_message(3, "CLDAP::Init, ContextID: %s\n", contextId.c_str());
    const Session& session = TheSession();
    std::string certFolder;
    if (session.sslLevel > 0) {
        BinFolder(certFolder);
        m_component->SetSecure(1);
    }
    if (Admin().GetLdapSuffix(m_suffix) != 0) {
        log_message(1, "CLDAP::Init to retrieve LDAP suffix from AOS\n");
        return kFail;
    }
    if (contextId.empty()) {
        log_message(1, "CLDAP::Init No Context ID specified!\n");
        return kFail;
    }
    log_message(1, "CLDAP::Init Login Info: SSL Port: %d, SSL Level: %d, CertDBPath: %s\n", session.sslPort,
                session.sslLevel, certFolder.c_str());
    HResult hr = m_component->Connect(1, server, 389, session.sslPort, certFolder, m_suffix, userId, locationId, " ",
                                      contextId);
    if (failed(hr)) {
        log_message(1, "CLDAP::Init failed, hr=%x\n", static_cast<unsigned>(hr));
    } else {
        hr = m_component->GetContextId(m_context);
        if (failed(hr)) log_message(1, "CLDAP::Init failed to get context ID from LDAP COM, hr=%x\n", static_cast<unsigned>(hr));
    }
    if (session.sslLevel != 1) m_component->SetSecure(0);
    return hr;
}

HResult DirectoryClient::Search(const Filter& filter, const AttrList& attributes, const std::string& sort, int scope,
                                std::int16_t attrsOnly) {
    if (!m_component) {
        log_message(1, "CLDAP::Search, CLDAP object doesn't exist!\n");
        return kFail;
    }
    if (filter.Refused()) return kFail;
    return m_component->Search(m_suffix, scope, filter.str(), attributes.str(), attrsOnly, sort, 0, m_context);
}

HResult DirectoryClient::GetNext(std::optional<std::string>& entry) {
    entry.reset();
    if (!m_component) {
        log_message(1, "CLDAP::GetNext, CLDAP object doesn't exist!");
        return kFail;
    }
    return m_component->GetNext(entry);
}

HResult DirectoryClient::Add(const std::string& dn, const std::string& attributes, int flags) {
    if (!m_component) {
        log_message(1, "CLDAP::Add, CLDAP object doesn't exist!");
        return kFail;
    }
    return m_component->Add(m_context, dn, attributes, flags);
}

HResult DirectoryClient::Modify(const std::string& dn, const std::string& attributes) {
    if (!m_component) {
        log_message(1, "CLDAP::Modify CLDAP object doesn't exist!");
        return kFail;
    }
    return m_component->Modify(dn, attributes, m_context);
}

HResult DirectoryClient::Delete(const std::string& dn) {
    if (!m_component) {
        log_message(1, "CLDAP::Delete, CLDAP object doesn't exist!");
        return kFail;
    }
    return m_component->Delete(dn, m_context);
}

HResult DirectoryClient::Lock(int customerId, int applicationId, const std::string& attributes, std::string& newPath,
                              std::string& oldPath) {
    if (!m_component) {
        log_message(1, "CLDAP::Lock, CLDAP object doesn't exist!");
        return kFail;
    }
    const HResult hr = m_component->LockApplication(m_suffix, 2, customerId, applicationId, attributes, 0, m_context);
    if (failed(hr)) return hr;
    std::optional<std::string> entry;
    if (failed(m_component->GetNext(entry)) || !entry) {
        log_message(1, "CLDAP::Lock, Could not retrieve NewEDPath + OldEDPath");
        return hr;
    }
    log_message(3, "CLDAP::Lock, Returned -> %s\n", entry->c_str());
    std::string rest = *entry;
    if (TakeField(rest, newPath) && TakeField(rest, oldPath))
        log_message(3, "CLDAP::Lock, Successfully parsed LDAP search results -> NewEDPath:%s  OldEDPath:%s",
                    newPath.c_str(), oldPath.c_str());
    else
        log_message(1, "CLDAP::Lock, Could not parse LDAP search results for NewEDPath + OldEDPath");
    return hr;
}

HResult DirectoryClient::Unlock(int customerId, int applicationId, const std::string& attributes) {
    if (!m_component) {
        log_message(1, "CLDAP::Unlock, CLDAP object doesn't exist!");
        return kFail;
    }
    return m_component->LockApplication(m_suffix, 2, customerId, applicationId, attributes, 1, m_context);
}

void DirectoryClient::GetLastError(const char* context) {
    m_errors.clear();
    if (!m_component) {
        log_message(1, "CLDAP::GetLastError, CLDAP object doesn't exist!");
        return;
    }
    std::vector<ComponentError> errors;
    if (failed(m_component->GetErrors(errors))) return;
    for (const ComponentError& e : errors) {
        if (context)
            log_message(1, "Module: %s Code: %d, Level:%d, Attribute:%s, Text1:%s, Text2:%s.\n", context, e.code,
                        e.level, e.attribute.c_str(), e.text1.c_str(), e.text2.c_str());
        else
            log_message(1, "LDAP COM Error: Code: %d, Level:%d, Attribute:%s, Text1:%s, Text2:%s.\n", e.code, e.level,
                        e.attribute.c_str(), e.text1.c_str(), e.text2.c_str());
        KvDirectoryError record{};
        record.code = e.code;
        record.level = e.level;
        CopyText(record.attribute, sizeof record.attribute, e.attribute);
        CopyText(record.text1, sizeof record.text1, e.text1);
        CopyText(record.text2, sizeof record.text2, e.text2);
        m_errors.push_back(record);
    }
}

bool DirectoryClient::FindCode(std::int32_t code, KvDirectoryError* out) const {
    for (const KvDirectoryError& e : m_errors) {
        if (e.code == code) {
            if (out) *out = e;
            return true;
        }
    }
    return false;
}

bool DirectoryClient::FindAttribute(const char* attribute, KvDirectoryError* out) const {
    for (const KvDirectoryError& e : m_errors) {
        if (std::strcmp(e.attribute, attribute) == 0) {
            if (out) *out = e;
            return true;
        }
    }
    return false;
}

int DirectoryClient::MappedServerCode() const {
    if (FindCode(60657)) return 62;
    if (FindCode(60656)) return 63;
    if (FindCode(60658)) return 64;
    return 0;
}

int DirectoryClient::FreeList(void* list) {
    std::free(list);
    return 0;
}

}  // namespace zlink
