#include "contexts.h"

#include <chrono>
#include <random>

#include "attribute_catalogue.h"
#include "client_dn.h"
#include "server_reply.h"

namespace standin {
namespace {

std::string contextDn(Backend& backend, const std::string& id) {
  return "stcontextid=" + escapeDnValue(id) + "," + backend.contextsDn();
}

std::string newContextId() {
  static std::mt19937_64 random(std::random_device{}() ^
                                static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  static const char digits[] = "0123456789abcdef";
  std::string id = "ctx-";
  std::uint64_t bits = random();
  for (int i = 0; i < 16; ++i, bits >>= 4) id += digits[bits & 0xF];
  return id;
}

}  // namespace

std::optional<Context> findContext(Backend& backend, const std::string& id) {
  if (id.empty()) return std::nullopt;
  std::optional<LdapEntry> entry = backend.findOne(equalityFilter("STCONTEXT", {{"stcontextid", id}}));
  if (!entry) return std::nullopt;
  return Context{entry->first("stcontextid"), entry->first("uid"), entry->first("usermailboxnum"),
                 entry->first("locationid"), intOf(entry->first("stpwdstate")) == 2};
}

Context createContext(Backend& backend, const LdapEntry& user, bool restricted) {
  Context context{newContextId(), user.first("uid"), user.first("usermailboxnum"), user.first("locationid"), restricted};
  const auto now = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
  std::vector<LdapChange> attributes = {
      {LdapChange::Add, "objectClass", {"STCONTEXT"}},
      {LdapChange::Add, "stcontextid", {context.id}},
      {LdapChange::Add, "stcreatetime", {std::to_string(now)}},
      {LdapChange::Add, "stpwdstate", {restricted ? "2" : "0"}},
  };
  if (!context.userId.empty()) attributes.push_back({LdapChange::Add, "uid", {context.userId}});
  if (!context.mailbox.empty()) attributes.push_back({LdapChange::Add, "usermailboxnum", {context.mailbox}});
  if (!context.location.empty()) attributes.push_back({LdapChange::Add, "locationid", {context.location}});
  backend.add(contextDn(backend, context.id), attributes);
  return context;
}

void removeContext(Backend& backend, const std::string& id) {
  if (findContext(backend, id)) backend.remove(contextDn(backend, id));
}

void liftRestriction(Backend& backend, const std::string& id) {
  if (findContext(backend, id)) backend.modify(contextDn(backend, id), {{LdapChange::Replace, "stpwdstate", {"0"}}});
}

Context requireCaller(Backend& backend, const std::string& contextId, const std::string& user, bool restrictedAllowed) {
  std::optional<Context> context = findContext(backend, contextId);
  if (!context) throw Refusal(kInsufficientAccess, "no session for context \"" + contextId + "\"");
  if (context->restricted && !restrictedAllowed)
    throw Refusal(kInsufficientAccess, "the session's password has expired; only a password change is allowed");
  if (!user.empty() && lowerAscii(user) != lowerAscii(context->userId) && user != context->mailbox)
    throw Refusal(kInsufficientAccess, "user \"" + user + "\" does not own context \"" + contextId + "\"");
  return *context;
}

}  // namespace standin
