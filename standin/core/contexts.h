#pragma once
// Directory contexts: what a password bind hands out and later calls name. A context is
// an entry of the stand-in's own part of the directory; a restricted one (password
// expired) allows searches and its own user's password change only.
#include <optional>
#include <string>

#include "backend.h"

namespace standin {

struct Context {
  std::string id;
  std::string userId;   // the user's unique id (VANTORAUSER userid)
  std::string mailbox;  // the user's mailbox number
  std::string location;
  bool restricted = false;
};

std::optional<Context> findContext(Backend& backend, const std::string& id);
Context createContext(Backend& backend, const LdapEntry& user, bool restricted);
void removeContext(Backend& backend, const std::string& id);
void liftRestriction(Backend& backend, const std::string& id);

// The caller of an operation named by a context argument: the context must exist, not be
// restricted (unless `restrictedAllowed`) and, when `user` is given, belong to that user
// (by unique id or mailbox). Throws Refusal(kInsufficientAccess).
Context requireCaller(Backend& backend, const std::string& contextId, const std::string& user = "",
                      bool restrictedAllowed = false);

}  // namespace standin
