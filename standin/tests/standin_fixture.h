#pragma once
// A test against the fresh stand-in server that the wrapper started for this test process.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "admin_service.h"
#include "backend.h"
#include "directory_session.h"

namespace standin::testing {

inline Config testConfig() {
  if (!std::getenv("VTSTANDIN_LDAP")) {
    ADD_FAILURE() << "run under standin/scripts/with-standin";
    return {};
  }
  return configFromEnvironment();
}

// The seeded administrator (mailbox 4711 at location 2).
inline ConnectRequest login(const std::string& mailbox = "4711", const std::string& password = "2468",
                            const std::string& location = "2") {
  ConnectRequest r;
  r.host = "127.0.0.1";
  r.port = 389;
  r.suffix = "o=vantora";
  r.user = mailbox;
  r.location = location;
  r.password = password;
  return r;
}

class StandinTest : public ::testing::Test {
 protected:
  void SetUp() override { backend = std::make_unique<Backend>(testConfig()); }

  // A directory session logged in as `mailbox`; its context id in `context`.
  std::unique_ptr<DirectorySession> session(std::string& context, const std::string& mailbox = "4711",
                                            const std::string& password = "2468", const std::string& location = "2") {
    auto s = std::make_unique<DirectorySession>(*backend);
    const Reply r = s->connect(login(mailbox, password, location));
    EXPECT_EQ(r.code, 0) << r.text;
    s->contextId(context);
    return s;
  }

  std::vector<std::string> entries(DirectorySession& s, const std::string& filter, const std::string& attributes,
                                   const std::string& sort = "", Reply* reply = nullptr,
                                   const std::string& context = "") {
    SearchRequest request;
    request.contextId = context;
    request.base = "o=vantora";
    request.filter = filter;
    request.attributes = attributes;
    request.sortAttribute = sort;
    const Reply r = s.search(request);
    if (reply) *reply = r;
    std::vector<std::string> out;
    for (std::optional<std::string> e; s.next(e).ok() && e;) out.push_back(*e);
    return out;
  }

  void setControl(const std::string& attribute, const std::vector<std::string>& values) {
    backend->modify(backend->controlDn(), {{LdapChange::Replace, attribute, values}});
  }

  static std::string value(const Reply& r, const std::string& attribute) {
    for (const ErrorRecord& e : r.records) {
      if (e.attribute == attribute) return e.text1;
    }
    return "<none>";
  }

  std::unique_ptr<Backend> backend;
};

}  // namespace standin::testing
