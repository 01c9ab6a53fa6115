#include "admin_service.h"

#include <fstream>
#include <sstream>

#include "attribute_catalogue.h"
#include "contexts.h"
#include "password_rules.h"

namespace standin {
namespace fs = std::filesystem;

template <class Work>
Reply AdminService::run(const std::string& call, const std::vector<JournalArgument>& arguments, Work work) {
  Reply reply;
  try {
    backend_.enter(call, arguments);
    reply = work();
  } catch (const Refusal& refusal) {
    reply.code = refusal.code();
    reply.text = refusal.what();
  } catch (const std::exception& error) {
    reply.code = 80;
    reply.text = error.what();
  }
  return reply;
}

void AdminService::requireConnected(bool connected) const {
  if (!connected) throw Refusal(kInsufficientAccess, "not connected");
}

void AdminService::requireReader(const std::string& contextId, const std::string& user, const std::string& serverPath) {
  if (contextId.empty() && lowerAscii(FileStore::normalise(serverPath)).rfind("d:\\tarvix\\ssl\\", 0) == 0) return;
  requireCaller(backend_, contextId, user);
}

std::string AdminService::timeStamp(const std::string& serverPath) const {
  const fs::path path = backend_.store().map(serverPath);
  std::error_code error;
  const auto stamp = fs::last_write_time(path, error);
  if (error) throw Refusal(kNoSuchObject, "server file " + serverPath + " does not exist");
  return std::to_string(stamp.time_since_epoch().count()) + ":" + std::to_string(fs::file_size(path));
}

Reply AdminService::configConnect(const std::string& contextId, const std::string& option, const std::string& server) {
  return run("config.connect", {{contextId}, {option}, {server}}, [&]() -> Reply {
    if (!contextId.empty()) requireCaller(backend_, contextId);
    configConnected_ = true;
    return {};
  });
}

Reply AdminService::unusedId(const std::string& contextId, const std::string& user, int customer, std::int32_t& id) {
  return run("config.unusedid", {{contextId}, {user}, {std::to_string(customer)}}, [&]() -> Reply {
    requireConnected(configConnected_);
    requireCaller(backend_, contextId, user);
    id = apps_.unusedId(customer);
    return {};
  });
}

Reply AdminService::versionManager(const std::string& contextId, const std::string& user) {
  return run("config.versionmanager", {{contextId}, {user}}, [&]() -> Reply {
    requireConnected(configConnected_);
    requireCaller(backend_, contextId, user);
    apps_.runVersionManager();
    return {};
  });
}

Reply AdminService::cleanUp(const std::string& contextId, const std::string& user) {
  return run("config.cleanup", {{contextId}, {user}}, [&]() -> Reply {
    requireConnected(configConnected_);
    requireCaller(backend_, contextId, user);
    backend_.store().emptyTrash();
    return {};
  });
}

Reply AdminService::suffix(std::string& out) {
  out.clear();
  return run("config.suffix", {}, [&]() -> Reply {
    requireConnected(configConnected_);
    out = backend_.suffix();
    return {};
  });
}

Reply AdminService::filesConnect(const std::string& contextId, const std::string& option, const std::string& service,
                                 const std::string& clientTag, const std::string& server) {
  return run("files.connect", {{contextId}, {option}, {service}, {clientTag}, {server}}, [&]() -> Reply {
    if (!contextId.empty()) requireCaller(backend_, contextId);
    filesConnected_ = true;
    return {};
  });
}

Reply AdminService::receive(const std::string& contextId, const std::string& user, const std::string& serverPath,
                            const std::string& localPath) {
  return run("files.receive", {{contextId}, {user}, {serverPath}, {localPath}}, [&]() -> Reply {
    requireConnected(filesConnected_);
    requireReader(contextId, user, serverPath);
    backend_.store().readTo(serverPath, pathFromText(localPath));
    return {};
  });
}

Reply AdminService::send(const std::string& contextId, const std::string& user, const std::string& localPath,
                         const std::string& serverPath) {
  return run("files.send", {{contextId}, {user}, {localPath}, {serverPath}}, [&]() -> Reply {
    requireConnected(filesConnected_);
    const Context caller = requireCaller(backend_, contextId, user);
    FileStore::normalise(serverPath);  // a path outside the store is refused as such
    const auto target = versionOfAppFile(serverPath);
    if (!target) throw Refusal(kInsufficientAccess, "files are sent only to a working version: " + serverPath);
    apps_.requireWorkingVersion(caller, target->first);
    backend_.store().writeFrom(pathFromText(localPath), serverPath);
    return {};
  });
}

Reply AdminService::sendRecord(const std::string& contextId, const std::string& user, const std::string& localPath,
                               const std::string& serverFolder, int record, int kind, int mode) {
  return run("files.record",
             {{contextId}, {user}, {localPath}, {serverFolder}, {std::to_string(record)}, {std::to_string(kind)},
              {std::to_string(mode)}},
             [&]() -> Reply {
               requireConnected(filesConnected_);
               const Context caller = requireCaller(backend_, contextId, user);
               FileStore::normalise(serverFolder);
               const std::optional<VersionRef> version = versionOfMediaFolder(serverFolder);
               if (!version) throw Refusal(kInsufficientAccess, "records go only to a working version: " + serverFolder);
               apps_.requireWorkingVersion(caller, *version);
               if (record < 0 || record > 65535) throw Refusal(kUnwilling, "record number out of range");
               const fs::path source = pathFromText(localPath);
               const std::string folder = mediaFolder(*version);
               backend_.store().writeFrom(source, recordPath(folder, record));
               apps_.storeMediaRecord(folder, record, kind == 2 ? 15 : 14,
                                      static_cast<std::int64_t>(fs::file_size(source)));
               return {};
             });
}

Reply AdminService::fetchTimeStamp(const std::string& contextId, const std::string& user,
                                   const std::string& localStampPath, const std::string& serverPath) {
  return run("files.fetchstamp", {{contextId}, {user}, {localStampPath}, {serverPath}}, [&]() -> Reply {
    requireConnected(filesConnected_);
    requireReader(contextId, user, serverPath);
    const std::string stamp = timeStamp(serverPath);
    const fs::path target = pathFromText(localStampPath);
    const fs::path temporary = fs::path(target).concat(".part");
    fs::create_directories(target.parent_path());
    {
      std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
      out << stamp << "\r\n";
      if (!out) throw Refusal(kUnwilling, "cannot write " + localStampPath);
    }
    fs::rename(temporary, target);
    return {};
  });
}

Reply AdminService::compareTimeStamp(const std::string& contextId, const std::string& user,
                                     const std::string& localStampPath, const std::string& serverPath, bool& same) {
  same = false;
  return run("files.comparestamp", {{contextId}, {user}, {localStampPath}, {serverPath}}, [&]() -> Reply {
    requireConnected(filesConnected_);
    requireReader(contextId, user, serverPath);
    const std::string stamp = timeStamp(serverPath);
    std::ifstream in(pathFromText(localStampPath), std::ios::binary);
    std::string local;
    std::getline(in, local);
    if (!local.empty() && local.back() == '\r') local.pop_back();
    same = in.good() || in.eof() ? local == stamp : false;
    return {};
  });
}

Reply AdminService::encode(const std::string& plain, std::string& code) {
  code.clear();
  return run("encoder.encode", {{plain, true}}, [&]() -> Reply {
    code = encodePassword(plain);
    return {};
  });
}

}  // namespace standin
