#pragma once
// The library's platform over the stand-in server's core in-process: every component the
// library makes is a session or admin object of one shared backend. A test fixture
// installs it with an in-memory registry (ProgDir = a scratch folder), a scripted answer
// to every question, and a fixed clock.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "admin_service.h"
#include "backend.h"
#include "components.h"
#include "directory_session.h"
#include "foundation/kvmsgbox.h"
#include "foundation/kvreg.h"
#include "foundation/kvvif.h"
#include "kvlink.h"
#include "session.h"

namespace zlink::testing {

inline HResult ResultOf(const standin::Reply& r) { return r.ok() ? kOk : serverCodeResult(r.code); }
inline std::string DescriptionOf(const standin::Reply& r) {
    return r.ok() ? std::string() : std::to_string(r.code) + "#" + r.text;
}

class StandinDirectory : public DirectoryComponent {
public:
    explicit StandinDirectory(standin::Backend& backend) : m_session(backend) {}
    HResult Connect(int mode, const std::string& host, int port, int sslPort, const std::string& certFolder,
                    const std::string& suffix, const std::string& user, const std::string& location,
                    const std::string& password, const std::string& contextId) override {
        standin::ConnectRequest r;
        r.mode = mode;
        r.host = host;
        r.port = port;
        r.sslPort = sslPort;
        r.certFolder = certFolder;
        r.suffix = suffix;
        r.user = user;
        r.location = location;
        r.password = password == " " ? "" : password;
        r.contextId = contextId;
        return ResultOf(m_session.connect(r));
    }
    HResult Add(const std::string& contextId, const std::string& dn, const std::string& attributes, int flags) override {
        return ResultOf(m_session.add(contextId, dn, attributes, flags));
    }
    HResult Search(const std::string& base, int scope, const std::string& filter, const std::string& attributes,
                   std::int16_t, const std::string& sort, int sizeLimit, const std::string& contextId) override {
        standin::SearchRequest r;
        r.base = base;
        r.scope = scope;
        r.filter = filter;
        r.attributes = attributes;
        r.sortAttribute = sort;
        r.sizeLimit = sizeLimit;
        r.contextId = contextId;
        return ResultOf(m_session.search(r));
    }
    HResult GetNext(std::optional<std::string>& entry) override {
        const standin::Reply r = m_session.next(entry);
        if (!r.ok()) return ResultOf(r);
        return entry ? kOk : kFalse;
    }
    HResult Modify(const std::string& dn, const std::string& attributes, const std::string& contextId) override {
        return ResultOf(m_session.modify(dn, attributes, contextId));
    }
    HResult Delete(const std::string& dn, const std::string& contextId) override {
        return ResultOf(m_session.remove(dn, contextId));
    }
    HResult GetContextId(std::string& contextId) override { return ResultOf(m_session.contextId(contextId)); }
    HResult GetErrors(std::vector<ComponentError>& errors) override {
        errors.clear();
        for (const standin::ErrorRecord& e : m_session.errors())
            errors.push_back({e.code, e.level, e.attribute, e.text1, e.text2});
        return kOk;
    }
    HResult LockApplication(const std::string&, int, int customerId, int applicationId, const std::string& attributes,
                            int unlock, const std::string& contextId) override {
        return ResultOf(m_session.lock(customerId, applicationId, attributes, unlock != 0, contextId));
    }
    HResult SetSecure(int on) override { return ResultOf(m_session.setSecure(on != 0)); }

private:
    standin::DirectorySession m_session;
};

// The admin components keep the description of their last failure.
struct LastFailure {
    HResult Keep(const standin::Reply& r) {
        m_last = DescriptionOf(r);
        return ResultOf(r);
    }
    std::string m_last;
};

class StandinConfig : public AdminConfigComponent, private LastFailure {
public:
    explicit StandinConfig(standin::Backend& backend) : m_admin(backend) {}
    HResult Connect(const std::string& c, const std::string& o, const std::string& s) override {
        return Keep(m_admin.configConnect(c, o, s));
    }
    HResult GetUnusedAppId(const std::string& c, const std::string& u, int customer, std::int32_t& id) override {
        return Keep(m_admin.unusedId(c, u, customer, id));
    }
    HResult StartVersionManager(const std::string& c, const std::string& u) override {
        return Keep(m_admin.versionManager(c, u));
    }
    HResult CleanUpDeleted(const std::string& c, const std::string& u) override { return Keep(m_admin.cleanUp(c, u)); }
    HResult GetLdapSuffix(std::string& suffix) override { return Keep(m_admin.suffix(suffix)); }
    std::string ErrorDescription() override { return m_last; }

private:
    standin::AdminService m_admin;
};

class StandinFiles : public FileTransferComponent, private LastFailure {
public:
    explicit StandinFiles(standin::Backend& backend) : m_admin(backend) {}
    HResult Connect(const std::string& c, const std::string& o, const std::string& s, const std::string& t,
                    const std::string& server) override {
        return Keep(m_admin.filesConnect(c, o, s, t, server));
    }
    HResult ReceiveFile(const std::string& c, const std::string& u, const std::string& server,
                        const std::string& local) override {
        return Keep(m_admin.receive(c, u, server, local));
    }
    HResult SendFile(const std::string& c, const std::string& u, const std::string& local,
                     const std::string& server) override {
        return Keep(m_admin.send(c, u, local, server));
    }
    HResult SendMmfsRecord(const std::string& c, const std::string& u, const std::string& local,
                           const std::string& folder, int record, int kind, int mode) override {
        return Keep(m_admin.sendRecord(c, u, local, folder, record, kind, mode));
    }
    std::string ErrorDescription() override { return m_last; }

private:
    standin::AdminService m_admin;
};

class StandinPlatform : public LinkPlatform {
public:
    explicit StandinPlatform(standin::Backend& backend) : m_backend(backend) {}
    std::unique_ptr<DirectoryComponent> NewDirectory(HResult& hr) override {
        hr = kOk;
        return std::make_unique<StandinDirectory>(m_backend);
    }
    std::unique_ptr<AdminConfigComponent> NewAdminConfig(HResult& hr) override {
        hr = kOk;
        return std::make_unique<StandinConfig>(m_backend);
    }
    std::unique_ptr<FileTransferComponent> NewFileTransfer(HResult& hr) override {
        hr = kOk;
        return std::make_unique<StandinFiles>(m_backend);
    }

private:
    standin::Backend& m_backend;
};

// Answers every question from a script (Yes when the script runs out is a test failure)
// and keeps the texts shown.
class ScriptedBoxes : public KvMessagePresenter {
public:
    int Show(const KvMessageBoxRequest& request) override {
        shown.push_back(request.text);
        if ((request.style & kKvMbTypeMask) == kKvMbOk) return kKvIdOk;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << request.text;
            return kKvIdNo;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<int> answers;
    std::vector<std::string> shown;
};

class LinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("VTSTANDIN_LDAP"), nullptr) << "run under standin/scripts/with-standin";
        backend = std::make_unique<standin::Backend>(standin::configFromEnvironment());
        platform = std::make_unique<StandinPlatform>(*backend);
        SetPlatform(platform.get());
        folder = std::filesystem::temp_directory_path() / ("zephlink-" + std::to_string(getpid()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        registry.Set(kKvProductKey, "ProgDir", folder.string() + "/");
        KvSetRegistry(&registry);
        KvSetMessagePresenter(&boxes);
        SetClock([] { return std::int64_t{1700000000}; });
    }
    void TearDown() override {
        if (started) KvTermFlowsmith();
        ResetLibraryState();
        SetClock(nullptr);
        KvSetMessagePresenter(nullptr);
        KvSetRegistry(nullptr);
        SetPlatform(nullptr);
        std::filesystem::remove_all(folder);
    }

    // A directory context of the user, as the launcher hands it to the designer.
    std::string Context(const std::string& mailbox = "4711", const std::string& password = "2468") {
        standin::DirectorySession s(*backend);
        standin::ConnectRequest r;
        r.host = "127.0.0.1";
        r.user = mailbox;
        r.location = "2";
        r.password = password;
        EXPECT_EQ(s.connect(r).code, 0);
        std::string context;
        s.contextId(context);
        return context;
    }

    int Start(const std::string& mailbox = "4711", const std::string& password = "2468", int logLevel = 3,
              int flag = 0) {
        const std::string context = Context(mailbox, password);
        const int rc = KvInitFlowsmith("", 1, flag, "ENCODED", "127.0.0.1", 1, mailbox.c_str(), logLevel, 0,
                                       context.c_str(), "2", 0, 0);
        started = rc == 0 || rc == 35;
        return rc;
    }

    std::string LogText() const {
        std::ifstream in(folder / "FlowsmithLog.txt");
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string Journal() const {
        std::ifstream in(backend->config().journal);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // Journal lines from mark on.
    std::string JournalSince(std::size_t mark) const { return Journal().substr(mark); }

    void SetControl(const std::string& attribute, const std::vector<std::string>& values) {
        backend->modify(backend->controlDn(), {{standin::LdapChange::Replace, attribute, values}});
    }
    void LoadFixtures() {
        ASSERT_EQ(std::system(("ldapadd -x -H ldap://" + std::string(std::getenv("VTSTANDIN_LDAP")) +
                               " -D cn=admin,o=vantora -w standin -f " STANDIN_SCHEMA_DIR "/fixture-states.ldif >/dev/null")
                                  .c_str()),
                  0);
    }
    // A file in the server's store (the fixture entries come without their files).
    void StoreFile(const std::string& serverPath, const std::string& text) {
        const std::filesystem::path p = backend->store().map(serverPath);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << text;
    }
    void WriteLocal(const std::string& file, const std::string& text) {
        std::ofstream(folder / file, std::ios::binary) << text;
    }
    std::string ReadLocal(const std::string& file) const {
        std::ifstream in(folder / file, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    std::unique_ptr<standin::Backend> backend;
    std::unique_ptr<StandinPlatform> platform;
    KvMemoryRegistry registry;
    ScriptedBoxes boxes;
    std::filesystem::path folder;
    bool started = false;
};

// An application record for open and new.
inline KvAppRecord AppRecord(int applicationId, const char* name, int volumeId = 1) {
    KvAppRecord r{};
    r.customerId = 1;
    r.applicationId = applicationId;
    std::snprintf(r.name, sizeof r.name, "%s", name);
    r.volumeId = volumeId;
    return r;
}

}  // namespace zlink::testing
