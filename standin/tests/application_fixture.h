#pragma once
// Application scenarios as the client library runs them: add, save (send the .ED, then
// commit), close (unlock), open (lock), delete, through the directory and file components.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "standin_fixture.h"

namespace standin::testing {

inline std::string appDn(int id) { return "appid=" + std::to_string(id) + "+customerid=1,o=vantora"; }
inline std::string lockAttributes(const std::string& user) {
  return "volumeid~{value}~1~{attrib}~lockingpc~{value}~1.1.1.1~{attrib}~lockinguser~{value}~" + user +
         "~{attrib}~appname~{value}~App";
}

// One logged-in client: its directory session and admin components.
struct Client {
  Client(Backend& backend, const std::string& mailbox, const std::string& password, const std::string& userId)
      : directory(backend), admin(backend), mailbox(mailbox), userId(userId) {
    EXPECT_EQ(directory.connect(login(mailbox, password)).code, 0);
    directory.contextId(context);
    EXPECT_EQ(admin.configConnect(context, "32", "127.0.0.1").code, 0);
    EXPECT_EQ(admin.filesConnect(context, "32", "vtfilexfer", "_VTAOSFile_", "127.0.0.1").code, 0);
  }

  Reply add(int id) { return directory.add(context, appDn(id), lockAttributes(mailbox), 0); }
  Reply lock(int id) { return directory.lock(1, id, lockAttributes(mailbox), false, context); }
  Reply unlock(int id) { return directory.lock(1, id, "apppreviousvernum~{value}~65535", true, context); }
  Reply commit(int id) {
    return directory.modify(appDn(id), "lockinguser~{value}~" + mailbox + "~{attrib}~lockingpc~{value}~1.1.1.1", context);
  }
  Reply remove(int id) { return directory.remove(appDn(id), context); }
  Reply send(const std::string& serverPath, const std::string& content = "program") {
    // Test processes run side by side: a name of this process's own.
    static int serial = 0;
    const std::filesystem::path local = std::filesystem::temp_directory_path() /
        ("standin-send-" + std::to_string(getpid()) + "-" + std::to_string(++serial) + ".ed");
    std::ofstream(local, std::ios::binary) << content;
    const Reply r = admin.send(context, userId, local.string(), serverPath);
    std::filesystem::remove(local);
    return r;
  }
  // Sends the working .ED (its path from the reply) and commits.
  Reply save(int id, const Reply& opened) {
    for (const ErrorRecord& e : opened.records) {
      if (e.attribute == "newedfilepath") EXPECT_EQ(send(e.text1).code, 0);
    }
    return commit(id);
  }

  DirectorySession directory;
  AdminService admin;
  std::string mailbox;
  std::string userId;
  std::string context;
};

}  // namespace standin::testing
