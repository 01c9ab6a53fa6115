#include "application_service.h"

#include <algorithm>
#include <chrono>
#include <set>

#include "attribute_catalogue.h"
#include "client_dn.h"

namespace standin {
namespace {

std::string text(int value) { return std::to_string(value); }

std::int64_t now() {
  return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}

LdapChange put(const std::string& name, const std::string& value) { return {LdapChange::Replace, name, {value}}; }
LdapChange adds(const std::string& name, const std::string& value) { return {LdapChange::Add, name, {value}}; }

// Attributes a new version takes over from the version it is made from.
bool inherited(const std::string& name) {
  static const std::set<std::string> own = {"objectclass", "appvernum", "visible", "apppreviousvernum",
                                            "runfilepath", "rllfilepath", "misafilepath"};
  return own.count(lowerAscii(name)) == 0;
}

std::string profileDn(const std::string& suffix, int customer, int application, int version) {
  return buildDn(DnKind::Profile, {text(application), text(customer), text(version)}, suffix);
}

}  // namespace

std::string attributeValue(const std::vector<AttributeValues>& attributes, const std::string& name) {
  for (const AttributeValues& a : attributes) {
    if (sameAttribute(a.name, name)) return a.values.empty() ? std::string() : a.values.front();
  }
  return {};
}

ApplicationService::AppState ApplicationService::read(int customer, int application) {
  AppState app;
  app.customer = customer;
  app.application = application;
  app.dn = buildDn(DnKind::Application, {text(application), text(customer)}, backend_.suffix());
  std::optional<LdapEntry> entry =
      backend_.findOne(equalityFilter("APPLICATION", {{"appid", text(application)}, {"customerid", text(customer)}}));
  if (!entry) return app;
  app.exists = true;
  app.dn = entry->dn;
  app.current = intOf(entry->first("appvernum"), -1);
  if (app.current == kNoVersion) app.current = -1;
  app.working = intOf(entry->first("stworkvernum"), -1);
  app.next = std::max(intOf(entry->first("stnextvernum"), kFirstVersion), kFirstVersion);
  app.lockUser = entry->first("lockinguser");
  app.lockPc = entry->first("lockingpc");
  return app;
}

bool ApplicationService::heldBy(const AppState& app, const Context& caller) const {
  const std::string holder = lowerAscii(app.lockUser);
  return app.locked() && (holder == lowerAscii(caller.mailbox) || holder == lowerAscii(caller.userId));
}

std::string ApplicationService::lockText(const AppState& app) const {
  return "locked by " + app.lockUser + " at " + app.lockPc;
}

std::vector<LdapEntry> ApplicationService::profiles(int customer, int application) {
  return backend_.find(equalityFilter("APPPROFILE", {{"appprofid", text(application)}, {"customerid", text(customer)}}));
}

int ApplicationService::allocateVersion(AppState& app) {
  int version = app.next;
  for (const LdapEntry& p : profiles(app.customer, app.application))
    version = std::max(version, intOf(p.first("appvernum")) + 1);
  if (version >= kNoVersion) throw Refusal(kUnwilling, "application " + text(app.application) + " has no version numbers left");
  app.next = version + 1;
  return version;
}

void ApplicationService::makeVersion(const AppState& app, int version, const LdapEntry* copyFrom, const std::string& name,
                                     int volume, const std::string& lockUser, const std::string& lockPc) {
  const VersionRef ref{app.customer, app.application, version};
  std::vector<LdapChange> attributes;
  if (copyFrom) {
    for (const auto& [attribute, values] : copyFrom->attributes) {
      if (inherited(attribute)) attributes.push_back({LdapChange::Add, attribute, values});
    }
  } else {
    attributes = {adds("appprofid", text(app.application)), adds("customerid", text(app.customer)),
                  adds("appmediatype", "0"), adds("spokennamerecorded", "0"), adds("verffaxnummodifiable", "0"),
                  adds("updatepsswdneeded", "0"), adds("updatepsswd", "0000000000000000"), adds("mntadnthrudial", "0"),
                  adds("importable", "0"), adds("compiledok", "0"), adds("comfprmtmodifiable", "0"),
                  adds("volumeid", text(volume)), adds("modnum", "0")};
    if (!name.empty()) attributes.push_back(adds("appname", name));
  }
  // The lock fields are those of the application.
  std::erase_if(attributes, [](const LdapChange& c) {
    const std::string n = lowerAscii(c.attribute);
    return n == "lockinguser" || n == "lockingpc" || n == "lockingdatetime";
  });
  attributes.push_back(adds("lockingdatetime", lockUser.empty() ? "-1" : std::to_string(now())));
  if (!lockUser.empty()) attributes.push_back(adds("lockinguser", lockUser));
  if (!lockPc.empty()) attributes.push_back(adds("lockingpc", lockPc));
  attributes.push_back(adds("objectClass", "APPPROFILE"));
  attributes.push_back(adds("appvernum", text(version)));
  attributes.push_back(adds("visible", "0"));
  attributes.push_back(adds("apppreviousvernum", copyFrom ? copyFrom->first("appvernum") : text(kNoVersion)));
  attributes.push_back(adds("runfilepath", runPath(ref)));
  attributes.push_back(adds("rllfilepath", rllPath(ref)));
  attributes.push_back(adds("misafilepath", mediaFolder(ref)));
  backend_.add(profileDn(backend_.suffix(), app.customer, app.application, version), attributes);

  const std::string folder = mediaFolder(ref);
  backend_.add(buildDn(DnKind::MediaFile, {folder}, backend_.suffix()),
               {adds("objectClass", "MMFSFILE"), adds("mmfsfileid", folder), adds("appprofid", text(app.application)),
                adds("appvernum", text(version)), adds("customerid", text(app.customer))});
  std::filesystem::create_directories(backend_.store().map(versionFolder(ref)));
  std::filesystem::create_directories(backend_.store().map(folder));
  if (copyFrom) {
    const VersionRef from{app.customer, app.application, intOf(copyFrom->first("appvernum"))};
    copyMediaFileEntries(mediaFolder(from), folder);
  }
}

void ApplicationService::copyMediaFileEntries(const std::string& sourceFolder, const std::string& targetFolder) {
  for (const LdapEntry& record : backend_.find(equalityFilter("MMFSRECORD", {{"mmfsfileid", sourceFolder}}))) {
    const int id = intOf(record.first("mmfsrecid"));
    backend_.store().copy(recordPath(sourceFolder, id), recordPath(targetFolder, id));
    storeMediaRecord(targetFolder, id, intOf(record.first("mmfsrectype")), intOf(record.first("stmmfsrecsize")));
  }
}

void ApplicationService::dropVersion(int customer, int application, int version) {
  const VersionRef ref{customer, application, version};
  const std::string folder = mediaFolder(ref);
  for (const LdapEntry& record : backend_.find(equalityFilter("MMFSRECORD", {{"mmfsfileid", folder}}), {"mmfsrecid"}))
    backend_.remove(record.dn);
  for (const LdapEntry& file : backend_.find(equalityFilter("MMFSFILE", {{"mmfsfileid", folder}}), {"mmfsfileid"}))
    backend_.remove(file.dn);
  dropVersionLinks(customer, application, version);
  for (const LdapEntry& p : backend_.find(equalityFilter("APPPROFILE", {{"appprofid", text(application)},
                                                                         {"customerid", text(customer)},
                                                                         {"appvernum", text(version)}}),
                                          {"appvernum"}))
    backend_.remove(p.dn);
  backend_.store().discard(versionFolder(ref));
  backend_.store().discard(folder);
}

void ApplicationService::copyVersionLinks(int customer, int application, int from, int to) {
  const std::string c = text(customer), a = text(application);
  for (const LdapEntry& imp : backend_.find(equalityFilter("APPIMP", {{"appimpid", a}, {"customerid", c}, {"appvernum", text(from)}}))) {
    const std::string imped = imp.first("impedappid"), impedCustomer = imp.first("impedcustid");
    backend_.add(buildDn(DnKind::Import, {a, c, text(to), imped, impedCustomer}, backend_.suffix()),
                 {adds("objectClass", "APPIMP"), adds("appimpid", a), adds("customerid", c), adds("appvernum", text(to)),
                  adds("impedappid", imped), adds("impedcustid", impedCustomer)});
  }
  for (const LdapEntry& use : backend_.find(equalityFilter("APPRPL", {{"apprplid", a}, {"customerid", c}, {"appvernum", text(from)}}))) {
    const std::string list = use.first("rplid");
    std::vector<LdapChange> attributes = {adds("objectClass", "APPRPL"), adds("rplid", list), adds("apprplid", a),
                                          adds("customerid", c), adds("appvernum", text(to))};
    if (!use.first("count").empty()) attributes.push_back(adds("count", use.first("count")));
    backend_.add(buildDn(DnKind::ListUse, {list, a, c, text(to)}, backend_.suffix()), attributes);
  }
}

void ApplicationService::dropVersionLinks(int customer, int application, int version) {
  const std::string c = text(customer), a = text(application), v = text(version);
  for (const LdapEntry& e : backend_.find(equalityFilter("APPIMP", {{"appimpid", a}, {"customerid", c}, {"appvernum", v}}), {"appimpid"}))
    backend_.remove(e.dn);
  for (const LdapEntry& e : backend_.find(equalityFilter("APPRPL", {{"apprplid", a}, {"customerid", c}, {"appvernum", v}}), {"rplid"}))
    backend_.remove(e.dn);
}

void ApplicationService::setLockFields(const AppState& app, const std::string& user, const std::string& pc) {
  std::vector<LdapChange> changes;
  if (user.empty()) {
    changes = {{LdapChange::Replace, "lockinguser", {}}, {LdapChange::Replace, "lockingpc", {}}, put("lockingdatetime", "-1")};
  } else {
    changes = {put("lockinguser", user), pc.empty() ? LdapChange{LdapChange::Replace, "lockingpc", {}} : put("lockingpc", pc),
               put("lockingdatetime", std::to_string(now()))};
  }
  backend_.modify(app.dn, changes);
  for (const LdapEntry& p : profiles(app.customer, app.application)) backend_.modify(p.dn, changes);
}

Reply ApplicationService::reply(const std::string& currentEd, const std::string& newEd, int working) const {
  Reply r;
  r.code = kReply;
  r.text = "done";
  r.records = {{kReply, 0, "currentedfilepath", currentEd, ""},
               {kReply, 0, "newedfilepath", newEd, ""},
               {kReply, 0, "appvernum", text(working), ""}};
  return r;
}

Reply ApplicationService::add(const Context& caller, int customer, int application,
                              const std::vector<AttributeValues>& attributes) {
  AppState app = read(customer, application);
  const bool unbornFree = app.exists && app.current < 0 && !app.locked();
  if (app.exists && !unbornFree) throw Refusal(kAlreadyExists, "application " + text(application) + " exists");
  const ControlValues control = backend_.control();
  if (control.maxApps > 0) {
    const std::size_t count = backend_.find(equalityFilter("APPLICATION", {{"customerid", text(customer)}}), {"appid"}).size();
    if (static_cast<int>(count - (unbornFree ? 1 : 0)) >= control.maxApps)
      throw Refusal(kAdminLimit, "customer " + text(customer) + " has " + text(control.maxApps) + " applications");
  }
  if (unbornFree) {
    // Whatever an earlier, abandoned start left behind goes; the id is taken over.
    for (const LdapEntry& p : profiles(customer, application)) dropVersion(customer, application, intOf(p.first("appvernum")));
    backend_.remove(app.dn);
  }
  std::string user = attributeValue(attributes, "lockinguser");
  if (user.empty()) user = caller.mailbox;
  const std::string pc = attributeValue(attributes, "lockingpc");
  const std::string name = attributeValue(attributes, "appname");
  const int volume = intOf(attributeValue(attributes, "volumeid"), 1);
  app = AppState{};
  app.exists = true;
  app.customer = customer;
  app.application = application;
  app.dn = buildDn(DnKind::Application, {text(application), text(customer)}, backend_.suffix());
  const int working = kFirstVersion;
  std::vector<LdapChange> entry = {adds("objectClass", "APPLICATION"), adds("appid", text(application)),
                                   adds("customerid", text(customer)), adds("volumeid", text(volume)),
                                   adds("lockinguser", user), adds("lockingdatetime", std::to_string(now())),
                                   adds("stworkvernum", text(working)), adds("stnextvernum", text(working + 1))};
  if (!pc.empty()) entry.push_back(adds("lockingpc", pc));
  if (!name.empty()) entry.push_back(adds("appname", name));
  backend_.add(app.dn, entry);
  makeVersion(app, working, nullptr, name, volume, user, pc);
  return reply(control.templateEd, edPath({customer, application, working}), working);
}

Reply ApplicationService::lock(const Context& caller, int customer, int application,
                               const std::vector<AttributeValues>& attributes) {
  AppState app = read(customer, application);
  if (!app.exists || (app.current < 0 && !app.locked()))
    throw Refusal(kNoSuchObject, "application " + text(application) + " does not exist");
  if (app.locked() && !heldBy(app, caller)) throw Refusal(kUnwilling, lockText(app));
  std::string user = attributeValue(attributes, "lockinguser");
  if (user.empty()) user = app.locked() ? app.lockUser : caller.mailbox;
  const std::string pc = attributeValue(attributes, "lockingpc");
  std::vector<LdapEntry> all = profiles(customer, application);
  auto profileOf = [&](int version) -> const LdapEntry* {
    for (const LdapEntry& p : all) {
      if (intOf(p.first("appvernum"), -1) == version) return &p;
    }
    return nullptr;
  };
  // A lock held by the caller is taken again; a working version that went missing is remade.
  if (app.working < 0 || !profileOf(app.working)) {
    const LdapEntry* base = app.current >= 0 ? profileOf(app.current) : nullptr;
    const int version = allocateVersion(app);
    makeVersion(app, version, base, "", 1, user, pc);
    if (app.current >= 0) copyVersionLinks(customer, application, app.current, version);
    app.working = version;
  }
  std::vector<LdapChange> changes = {put("stworkvernum", text(app.working)), put("stnextvernum", text(app.next))};
  const std::string volume = attributeValue(attributes, "volumeid");
  if (isIntegerText(volume)) changes.push_back(put("volumeid", volume));
  backend_.modify(app.dn, changes);
  setLockFields(app, user, pc);
  const std::string current = app.current >= 0 ? edPath({customer, application, app.current}) : backend_.control().templateEd;
  return reply(current, edPath({customer, application, app.working}), app.working);
}

void ApplicationService::unlock(const Context& caller, int customer, int application) {
  AppState app = read(customer, application);
  if (!app.exists) throw Refusal(kNoSuchObject, "application " + text(application) + " does not exist");
  if (!app.locked()) return;
  // The previous designer's lock may be given up by anyone; other users' locks may not.
  if (!heldBy(app, caller) && lowerAscii(app.lockUser) != "sysadmin") throw Refusal(kUnwilling, lockText(app));
  if (app.working >= 0 && app.working != app.current) dropVersion(customer, application, app.working);
  backend_.modify(app.dn, {{LdapChange::Replace, "stworkvernum", {}}});
  setLockFields(app, "", "");
}

Reply ApplicationService::commit(const Context& caller, int customer, int application,
                                 const std::vector<AttributeValues>& attributes) {
  AppState app = read(customer, application);
  if (!app.exists) throw Refusal(kNoSuchObject, "application " + text(application) + " does not exist");
  if (!heldBy(app, caller)) throw Refusal(kUnwilling, app.locked() ? lockText(app) : "application " + text(application) + " is not locked");
  if (app.working < 0) throw Refusal(kUnwilling, "application " + text(application) + " has no working version");
  const VersionRef working{customer, application, app.working};
  if (!backend_.store().exists(edPath(working)))
    throw Refusal(kUnwilling, "the working version's file " + edPath(working) + " has not been sent");
  std::string user = attributeValue(attributes, "lockinguser");
  if (user.empty()) user = app.lockUser;
  const std::string pc = attributeValue(attributes, "lockingpc");

  const int previous = app.current;
  std::vector<LdapEntry> all = profiles(customer, application);
  const LdapEntry* committed = nullptr;
  for (const LdapEntry& p : all) {
    const int version = intOf(p.first("appvernum"), -1);
    if (version == app.working) committed = &p;
    const std::string visible = version == app.working ? "1" : "0";
    if (p.first("visible") != visible) backend_.modify(p.dn, {put("visible", visible)});
  }
  if (!committed) throw Refusal(kUnwilling, "the working version's profile is missing");
  LdapEntry base = *committed;
  if (previous >= 0 && previous != app.working) dropVersionLinks(customer, application, previous);
  app.current = app.working;
  const int next = allocateVersion(app);
  makeVersion(app, next, &base, "", 1, user, pc);
  copyVersionLinks(customer, application, app.current, next);
  app.working = next;
  backend_.modify(app.dn, {put("appvernum", text(app.current)), put("stworkvernum", text(next)), put("stnextvernum", text(app.next))});
  setLockFields(app, user, pc);
  return reply(edPath({customer, application, app.current}), edPath({customer, application, next}), next);
}

void ApplicationService::remove(const Context& caller, int customer, int application) {
  AppState app = read(customer, application);
  if (!app.exists) throw Refusal(kNoSuchObject, "application " + text(application) + " does not exist");
  if (app.locked() && !heldBy(app, caller)) throw Refusal(kUnwilling, lockText(app));
  for (const LdapEntry& p : profiles(customer, application)) dropVersion(customer, application, intOf(p.first("appvernum")));
  const std::string c = "\\c" + text(customer), a = "\\a" + text(application);
  backend_.store().discard("d:\\tarvix\\apps" + c + a);
  backend_.store().discard("d:\\tarvix\\mmfs" + c + a);
  backend_.remove(app.dn);
}

void ApplicationService::runVersionManager() {
  const int keep = backend_.control().versionKeep;
  for (const LdapEntry& entry : backend_.find("(objectClass=APPLICATION)", {"appid", "customerid"})) {
    const AppState app = read(intOf(entry.first("customerid")), intOf(entry.first("appid")));
    std::set<std::string> named;
    for (const LdapEntry& s : backend_.find(equalityFilter("APPSERVICE", {{"appid", text(app.application)}}), {"appparam"}))
      named.insert(lowerAscii(s.first("appparam")));
    std::vector<int> retired;
    for (const LdapEntry& p : profiles(app.customer, app.application)) {
      const int version = intOf(p.first("appvernum"), -1);
      if (version == app.current || version == app.working) continue;
      if (named.count(lowerAscii(p.first("runfilepath")))) continue;
      retired.push_back(version);
    }
    std::sort(retired.rbegin(), retired.rend());
    for (std::size_t i = static_cast<std::size_t>(std::max(keep, 0)); i < retired.size(); ++i)
      dropVersion(app.customer, app.application, retired[i]);
  }
}

int ApplicationService::unusedId(int customer) {
  std::set<int> used;
  for (const LdapEntry& e : backend_.find(equalityFilter("APPLICATION", {{"customerid", text(customer)}}), {"appid"}))
    used.insert(intOf(e.first("appid")));
  for (const LdapEntry& e : backend_.find(equalityFilter("APPPROFILE", {{"customerid", text(customer)}}), {"appprofid"}))
    used.insert(intOf(e.first("appprofid")));
  for (int id = std::max(backend_.control().unusedIdBase, 1); id <= 32767; ++id) {
    if (!used.count(id)) return id;
  }
  throw Refusal(kUnwilling, "no application id is free");
}

void ApplicationService::requireWorkingVersion(const Context& caller, const VersionRef& version) {
  const AppState app = read(version.customer, version.application);
  if (!app.exists || !heldBy(app, caller) || app.working != version.version)
    throw Refusal(kInsufficientAccess, "version " + text(version.version) + " of application " +
                                           text(version.application) + " is not the caller's working version");
}

void ApplicationService::copyMediaFile(const Context& caller, const std::string& sourceFolder, const std::string& targetFolder) {
  const std::optional<VersionRef> target = versionOfMediaFolder(targetFolder);
  if (!target) throw Refusal(kInsufficientAccess, "no multimedia folder: " + targetFolder);
  requireWorkingVersion(caller, *target);
  copyMediaFileEntries(FileStore::normalise(sourceFolder), mediaFolder(*target));
}

void ApplicationService::copyMediaRecord(const Context& caller, const std::string& sourceFolder, int sourceRecord,
                                         const std::string& targetFolder, int targetRecord) {
  const std::optional<VersionRef> target = versionOfMediaFolder(targetFolder);
  if (!target) throw Refusal(kInsufficientAccess, "no multimedia folder: " + targetFolder);
  requireWorkingVersion(caller, *target);
  const std::string source = FileStore::normalise(sourceFolder);
  std::optional<LdapEntry> record = backend_.findOne(
      equalityFilter("MMFSRECORD", {{"mmfsfileid", source}, {"mmfsrecid", text(sourceRecord)}}));
  if (!record) throw Refusal(kNoSuchObject, "record " + text(sourceRecord) + " of " + source + " does not exist");
  backend_.store().copy(recordPath(source, sourceRecord), recordPath(mediaFolder(*target), targetRecord));
  storeMediaRecord(mediaFolder(*target), targetRecord, intOf(record->first("mmfsrectype")),
                   intOf(record->first("stmmfsrecsize")));
}

void ApplicationService::storeMediaRecord(const std::string& folder, int record, int type, std::int64_t size) {
  for (const LdapEntry& old : backend_.find(equalityFilter("MMFSRECORD", {{"mmfsfileid", folder}, {"mmfsrecid", text(record)}}), {"mmfsrecid"}))
    backend_.remove(old.dn);
  backend_.add(buildDn(DnKind::MediaRecord, {folder, text(record), text(type)}, backend_.suffix()),
               {adds("objectClass", "MMFSRECORD"), adds("mmfsfileid", folder), adds("mmfsrecid", text(record)),
                adds("mmfsrectype", text(type)), adds("mmfsoperationtype", "0"),
                adds("stmmfsrecsize", std::to_string(size))});
}

}  // namespace standin
