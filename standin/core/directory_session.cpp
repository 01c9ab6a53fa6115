#include "directory_session.h"

#include "attribute_catalogue.h"
#include "client_dn.h"
#include "contexts.h"
#include "password_rules.h"

namespace standin {
namespace {

std::vector<std::string> attributeNames(const std::string& list) {
  std::vector<std::string> names;
  for (std::string name : splitText(list, ",")) {
    while (!name.empty() && name.front() == ' ') name.erase(name.begin());
    while (!name.empty() && name.back() == ' ') name.pop_back();
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

bool isProfileFilter(const std::string& filter) {
  return lowerAscii(filter).find("objectclass=appprofile") != std::string::npos;
}

// Attributes a client may never write through a plain modify or add.
bool serverOwned(const std::string& name) {
  const std::string n = lowerAscii(name);
  return n == "objectclass" || n.rfind("st", 0) == 0;
}

}  // namespace

template <class Work>
Reply DirectorySession::run(const std::string& call, const std::vector<JournalArgument>& arguments, Work work) {
  Reply reply;
  try {
    backend_.enter("directory." + call, arguments);
    reply = work();
  } catch (const Refusal& refusal) {
    reply.code = refusal.code();
    reply.text = refusal.what();
  } catch (const std::exception& error) {
    reply.code = 80;
    reply.text = error.what();
  }
  if (!reply.ok() && reply.records.empty()) reply.records.push_back({reply.code, 1, "", reply.text, ""});
  errors_ = reply.records;
  return reply;
}

void DirectorySession::requireReader(const std::string& contextId) {
  if (!contextId.empty()) {
    requireCaller(backend_, contextId, "", true);
    return;
  }
  if (bind_ == Bind::None) throw Refusal(kInsufficientAccess, "not connected");
}

Reply DirectorySession::connect(const ConnectRequest& r) {
  return run("connect",
             {{std::to_string(r.mode)}, {r.host}, {std::to_string(r.port)}, {std::to_string(r.sslPort)}, {r.certFolder},
              {r.suffix}, {r.user}, {r.location}, {r.password, true}, {r.contextId}},
             [&]() -> Reply {
               bind_ = Bind::None;
               context_.clear();
               if (!r.contextId.empty()) {
                 std::optional<Context> context = findContext(backend_, r.contextId);
                 if (!context) throw Refusal(kInvalidCredentials, "unknown context \"" + r.contextId + "\"");
                 if (!r.user.empty() && r.user != context->mailbox && lowerAscii(r.user) != lowerAscii(context->userId))
                   throw Refusal(kInsufficientAccess, "context \"" + r.contextId + "\" belongs to another user");
                 bind_ = Bind::Context;
                 context_ = context->id;
                 return {};
               }
               if (r.user.empty()) {
                 bind_ = Bind::Anonymous;
                 return {};
               }
               return bindWithPassword(r);
             });
}

Reply DirectorySession::bindWithPassword(const ConnectRequest& r) {
  const std::string location = r.location.empty() ? "2" : r.location;
  std::optional<LdapEntry> user =
      backend_.findOne(equalityFilter("VANTORAUSER", {{"usermailboxnum", r.user}, {"locationid", location}}));
  if (!user) throw Refusal(kInvalidCredentials, "no mailbox " + r.user + " at location " + location);
  const int state = intOf(user->first("stpwdstate"));
  if (state == 3) throw Refusal(kPwdRefused, "the account of mailbox " + r.user + " is refused");
  if (r.password != user->first("usermailboxpsswd")) throw Refusal(kInvalidCredentials, "wrong password");
  if (state == 2) {
    const Context context = createContext(backend_, *user, true);
    bind_ = Bind::Context;
    context_ = context.id;
    throw Refusal(kPwdExpired, "the password has expired");
  }
  if (state == 1 && warned_.insert(lowerAscii(user->first("uid"))).second)
    throw Refusal(kPwdExpiryWarning, "the password expires soon");
  const Context context = createContext(backend_, *user, false);
  bind_ = Bind::Context;
  context_ = context.id;
  return {};
}

Reply DirectorySession::search(const SearchRequest& r) {
  return run("search",
             {{r.base}, {std::to_string(r.scope)}, {r.filter}, {r.attributes}, {r.sortAttribute},
              {std::to_string(r.sizeLimit)}, {r.contextId}},
             [&]() -> Reply {
               cursor_.clear();
               requireReader(r.contextId);
               const std::vector<std::string> names = attributeNames(r.attributes);
               std::vector<std::string> wanted;
               for (const std::string& n : names) wanted.push_back(directoryName(n));
               if (wanted.empty()) wanted.push_back("1.1");
               std::vector<SortKey> sort;
               if (!r.sortAttribute.empty()) {
                 sort.push_back({directoryName(r.sortAttribute), false});
               } else if (isProfileFilter(r.filter)) {
                 sort = {{"visible", true}, {"appvernum", true}};  // the visible version first, then the newest
               }
               const int pageSize = backend_.control().pageSize;
               int limit = pageSize;
               if (r.sizeLimit > 0 && (limit == 0 || r.sizeLimit < limit)) limit = r.sizeLimit;
               SearchResult result = backend_.search(r.filter, wanted, sort, limit);
               for (const LdapEntry& entry : result.entries) {
                 std::vector<std::string> fields;
                 for (const std::string& n : names) fields.push_back(entryField(entry.values(n)));
                 cursor_.push_back(joinText(fields, kValueSep));
               }
               Reply reply;
               if (result.code == kSizeLimit) {
                 reply.code = kSizeLimit;
                 reply.text = "size limit of " + std::to_string(limit) + " reached";
               }
               return reply;
             });
}

Reply DirectorySession::next(std::optional<std::string>& entry) {
  entry.reset();
  return run("next", {}, [&]() -> Reply {
    if (!cursor_.empty()) {
      entry = cursor_.front();
      cursor_.pop_front();
    }
    return {};
  });
}

Reply DirectorySession::add(const std::string& contextId, const std::string& dnText, const std::string& attributeText, int flags) {
  return run("add", {{contextId}, {dnText}, {maskPasswords(attributeText)}, {std::to_string(flags)}}, [&]() -> Reply {
    cursor_.clear();
    const Context caller = requireCaller(backend_, contextId);
    const ClientDn dn = parseClientDn(dnText, backend_.suffix());
    const std::vector<AttributeValues> attributes = parseAttributeString(attributeText);
    switch (dn.kind) {
      case DnKind::Application: {
        Reply reply = apps_.add(caller, dn.intValue("customerid"), dn.intValue("appid"), attributes);
        cursor_.push_back(reply.records[1].text1 + std::string(kValueSep) + reply.records[0].text1);
        return reply;
      }
      case DnKind::MediaRecord: {
        const std::optional<VersionRef> version = versionOfMediaFolder(dn.value("mmfsfileid"));
        if (!version) throw Refusal(kInsufficientAccess, "no multimedia folder: " + dn.value("mmfsfileid"));
        apps_.requireWorkingVersion(caller, *version);
        addPlain(dn, attributes);
        return {};
      }
      case DnKind::User:
      case DnKind::Profile:
      case DnKind::MediaFile:
        throw Refusal(kUnwilling, "entries of this kind are made by the server");
      default:
        addPlain(dn, attributes);
        return {};
    }
  });
}

void DirectorySession::addPlain(const ClientDn& dn, const std::vector<AttributeValues>& attributes) {
  std::vector<LdapChange> entry = {{LdapChange::Add, "objectClass", {objectClassOf(dn.kind)}}};
  for (const auto& [name, value] : dn.parts) entry.push_back({LdapChange::Add, directoryName(name), {value}});
  for (const AttributeValues& a : attributes) {
    if (serverOwned(a.name)) throw Refusal(kInsufficientAccess, "attribute " + a.name + " belongs to the server");
    bool naming = false;
    for (const auto& part : dn.parts) naming = naming || sameAttribute(part.first, a.name);
    if (naming) continue;  // the name already gives it
    std::vector<std::string> values;
    for (const std::string& v : a.values) {
      if (!v.empty()) values.push_back(v);
    }
    if (isIntegerAttribute(a.name)) {
      if (values.size() != a.values.size()) throw Refusal(kInvalidSyntax, "integer attribute " + a.name + " without a value");
      for (const std::string& v : values) {
        if (!isIntegerText(v)) throw Refusal(kInvalidSyntax, "attribute " + a.name + " is not a number: " + v);
      }
    }
    if (values.empty()) continue;  // an empty text is an absent attribute
    entry.push_back({LdapChange::Add, directoryName(a.name), values});
  }
  backend_.add(dn.directoryDn, entry);
}

void DirectorySession::modifyPlain(const std::string& dn, const std::vector<AttributeValues>& attributes) {
  std::vector<LdapChange> changes;
  for (const AttributeValues& a : attributes) {
    if (serverOwned(a.name)) throw Refusal(kInsufficientAccess, "attribute " + a.name + " belongs to the server");
    std::vector<std::string> values;
    for (const std::string& v : a.values) {
      if (!v.empty()) values.push_back(v);
    }
    if (isIntegerAttribute(a.name)) {
      if (values.size() != a.values.size()) throw Refusal(kInvalidSyntax, "integer attribute " + a.name + " without a value");
      for (const std::string& v : values) {
        if (!isIntegerText(v)) throw Refusal(kInvalidSyntax, "attribute " + a.name + " is not a number: " + v);
      }
    }
    // An empty text removes the attribute.
    changes.push_back({LdapChange::Replace, directoryName(a.name), values});
  }
  backend_.modify(dn, changes);
}

Reply DirectorySession::modify(const std::string& dnText, const std::string& attributeText, const std::string& contextId) {
  return run("modify", {{dnText}, {maskPasswords(attributeText)}, {contextId}}, [&]() -> Reply {
    cursor_.clear();
    const ClientDn dn = parseClientDn(dnText, backend_.suffix());
    const std::vector<AttributeValues> attributes = parseAttributeString(attributeText);
    if (dn.kind == DnKind::User) {
      // Entry first, then the caller: an unknown user answers 32 whoever asks.
      if (!backend_.findOne(equalityFilter("VANTORAUSER", {{"uid", dn.value("userid")}})))
        throw Refusal(kNoSuchObject, "no user " + dn.value("userid"));
      return changePassword(requireCaller(backend_, contextId, "", true), dn, attributes);
    }
    const Context caller = requireCaller(backend_, contextId);
    switch (dn.kind) {
      case DnKind::Application: {
        Reply reply = apps_.commit(caller, dn.intValue("customerid"), dn.intValue("appid"), attributes);
        cursor_.push_back(reply.records[1].text1 + std::string(kValueSep) + reply.records[0].text1);
        return reply;
      }
      case DnKind::MediaFile:
        apps_.copyMediaFile(caller, dn.value("mmfsfileid"), attributeValue(attributes, "destmmfsfileid"));
        return {};
      case DnKind::MediaRecord:
        apps_.copyMediaRecord(caller, dn.value("mmfsfileid"), dn.intValue("mmfsrecid"),
                              attributeValue(attributes, "destmmfsfileid"),
                              intOf(attributeValue(attributes, "destmmfsrecid"), -1));
        return {};
      case DnKind::Profile: {
        std::optional<LdapEntry> profile = backend_.findOne(
            equalityFilter("APPPROFILE", {{"appprofid", dn.value("appprofid")}, {"customerid", dn.value("customerid")},
                                          {"appvernum", dn.value("appvernum")}}),
            {"modnum"});
        if (!profile) throw Refusal(kNoSuchObject, "no profile " + dnText);
        std::vector<AttributeValues> kept;
        for (const AttributeValues& a : attributes) {
          const std::string n = lowerAscii(a.name);
          // The lock fields mirror the application's lock and the naming values stay.
          if (n == "lockinguser" || n == "lockingpc" || n == "lockingdatetime" || n == "modnum" || n == "appprofid" ||
              n == "customerid" || n == "appvernum")
            continue;
          kept.push_back(a);
        }
        kept.push_back({"modnum", {std::to_string(intOf(profile->first("modnum")) + 1)}});
        modifyPlain(profile->dn, kept);
        return {};
      }
      default:
        modifyPlain(dn.directoryDn, attributes);
        return {};
    }
  });
}

Reply DirectorySession::changePassword(const Context& caller, const ClientDn& dn,
                                       const std::vector<AttributeValues>& attributes) {
  std::optional<LdapEntry> user = backend_.findOne(equalityFilter("VANTORAUSER", {{"uid", dn.value("userid")}}));
  if (lowerAscii(caller.userId) != lowerAscii(user->first("uid")))
    throw Refusal(kInsufficientAccess, "a user may change only the own password");
  std::vector<std::string> values;
  for (const AttributeValues& a : attributes) {
    if (!sameAttribute(a.name, "usermailboxpsswd")) throw Refusal(kInsufficientAccess, "attribute " + a.name + " belongs to the server");
    values = a.values;
  }
  if (values.size() != 2) throw Refusal(kInvalidSyntax, "a password change gives the new and the old password");
  PasswordAccount account;
  account.current = user->first("usermailboxpsswd");
  account.history = user->values("stpwdhistory");
  account.mailbox = user->first("usermailboxnum");
  if (std::optional<LdapEntry> security = backend_.findOne("(objectClass=SECURITYPROF)", {"minpsswdlen"}))
    account.minimumLength = intOf(security->first("minpsswdlen"));
  const std::int32_t code = checkPasswordChange(account, values[1], values[0]);
  if (code != kOk) throw Refusal(code, "the new password is refused");
  backend_.modify(user->dn, {{LdapChange::Replace, "usermailboxpsswd", {values[0]}},
                             {LdapChange::Add, "stpwdhistory", {account.current}},
                             {LdapChange::Replace, "stpwdstate", {"0"}}});
  liftRestriction(backend_, caller.id);
  return {};
}

Reply DirectorySession::remove(const std::string& dnText, const std::string& contextId) {
  return run("delete", {{dnText}, {contextId}}, [&]() -> Reply {
    cursor_.clear();
    const Context caller = requireCaller(backend_, contextId);
    const ClientDn dn = parseClientDn(dnText, backend_.suffix());
    switch (dn.kind) {
      case DnKind::Application:
        apps_.remove(caller, dn.intValue("customerid"), dn.intValue("appid"));
        return {};
      case DnKind::MediaRecord: {
        const std::optional<VersionRef> version = versionOfMediaFolder(dn.value("mmfsfileid"));
        if (!version) throw Refusal(kInsufficientAccess, "no multimedia folder: " + dn.value("mmfsfileid"));
        apps_.requireWorkingVersion(caller, *version);
        backend_.remove(dn.directoryDn);
        backend_.store().discard(recordPath(FileStore::normalise(dn.value("mmfsfileid")), dn.intValue("mmfsrecid")));
        return {};
      }
      case DnKind::User:
      case DnKind::Profile:
      case DnKind::MediaFile:
        throw Refusal(kUnwilling, "entries of this kind are removed by the server");
      default:
        backend_.remove(dn.directoryDn);
        return {};
    }
  });
}

Reply DirectorySession::contextId(std::string& out) {
  out.clear();
  return run("context", {}, [&]() -> Reply {
    if (bind_ == Bind::None) throw Refusal(kInsufficientAccess, "not connected");
    out = context_;
    return {};
  });
}

Reply DirectorySession::disconnect(const std::string& contextId) {
  return run("disconnect", {{contextId}}, [&]() -> Reply {
    cursor_.clear();
    const std::string id = contextId.empty() ? context_ : contextId;
    if (!id.empty()) removeContext(backend_, id);
    if (id == context_) {
      bind_ = Bind::None;
      context_.clear();
    }
    return {};
  });
}

Reply DirectorySession::lock(int customer, int application, const std::string& attributeText, bool unlock,
                             const std::string& contextId) {
  return run(unlock ? "unlock" : "lock",
             {{std::to_string(customer)}, {std::to_string(application)}, {attributeText}, {contextId}}, [&]() -> Reply {
               cursor_.clear();
               const Context caller = requireCaller(backend_, contextId);
               const std::vector<AttributeValues> attributes = parseAttributeString(attributeText);
               if (unlock) {
                 apps_.unlock(caller, customer, application);
                 return {};
               }
               Reply reply = apps_.lock(caller, customer, application, attributes);
               cursor_.push_back(reply.records[1].text1 + std::string(kValueSep) + reply.records[0].text1);
               return reply;
             });
}

Reply DirectorySession::setSecure(bool on) {
  return run("secure", {{on ? "1" : "0"}}, [&]() -> Reply { return {}; });
}

}  // namespace standin
