#include "backend.h"

#include <cstdlib>

#include "fault_rules.h"
#include "server_reply.h"

namespace standin {

Backend::Backend(Config config) : config_(std::move(config)), store_(pathFromText(config_.storeRoot)) {}

LdapWire& Backend::wire() {
  if (!wire_) {
    std::unique_ptr<LdapWire> wire = openLdapWire(config_.host, config_.port);
    if (!wire) throw Refusal(kServerDown, "directory server address refused");
    const int rc = wire->bind(config_.bindDn, config_.bindPassword);
    if (rc != 0) throw Refusal(rc == kLdapServerDown ? kServerDown : rc, "service account bind failed");
    wire_ = std::move(wire);
  }
  return *wire_;
}

int Backend::check(int code, const std::string& what) {
  if (code == kLdapServerDown) wire_.reset();  // a later call connects again
  if (code != 0) throw Refusal(code, what + " failed with directory code " + std::to_string(code));
  return code;
}

SearchResult Backend::search(const std::string& filter, const std::vector<std::string>& attributes,
                             const std::vector<SortKey>& sort, int sizeLimit) {
  SearchResult result = wire().search(config_.suffix, filter, attributes, sort, sizeLimit);
  if (result.code != kSizeLimit) check(result.code, "search " + filter);
  return result;
}

std::vector<LdapEntry> Backend::find(const std::string& filter, const std::vector<std::string>& attributes) {
  return search(filter, attributes.empty() ? std::vector<std::string>{"*"} : attributes).entries;
}

std::optional<LdapEntry> Backend::findOne(const std::string& filter, const std::vector<std::string>& attributes) {
  std::vector<LdapEntry> entries = find(filter, attributes);
  if (entries.empty()) return std::nullopt;
  return std::move(entries.front());
}

void Backend::add(const std::string& dn, const std::vector<LdapChange>& attributes) {
  check(wire().add(dn, attributes), "add " + dn);
}

void Backend::modify(const std::string& dn, const std::vector<LdapChange>& changes) {
  if (changes.empty()) return;
  check(wire().modify(dn, changes), "modify " + dn);
}

void Backend::remove(const std::string& dn) { check(wire().remove(dn), "delete " + dn); }

ControlValues Backend::control() {
  ControlValues values;
  std::optional<LdapEntry> entry = findOne("(objectClass=STANDINCONTROL)");
  if (!entry) return values;
  values.pageSize = intOf(entry->first("stpagesize"));
  values.maxApps = intOf(entry->first("stmaxapps"));
  values.versionKeep = intOf(entry->first("stversionkeep"), 2);
  values.unusedIdBase = intOf(entry->first("stunusedidbase"), 1000);
  if (!entry->first("sttemplateed").empty()) values.templateEd = entry->first("sttemplateed");
  values.faultRules = entry->values("stfaultrule");
  return values;
}

void Backend::enter(const std::string& call, const std::vector<JournalArgument>& arguments) {
  writeJournal(config_.journal, call, arguments);
  const ControlValues values = control();
  if (values.faultRules.empty()) return;
  std::string joined;
  for (const JournalArgument& a : arguments) joined += a.text + "\n";
  const FaultDecision decision = decideFault(values.faultRules, call, joined);
  for (const auto& [before, after] : decision.rewrites) {
    std::vector<LdapChange> changes{{LdapChange::Delete, "stfaultrule", {before}}};
    if (!after.empty()) changes.push_back({LdapChange::Add, "stfaultrule", {after}});
    modify(controlDn(), changes);
  }
  if (decision.code) throw Refusal(*decision.code, "fault injected at " + call);
}

std::string escapeFilterValue(const std::string& value) {
  std::string out;
  for (unsigned char c : value) {
    if (c == '*' || c == '(' || c == ')' || c == '\\' || c == 0) {
      static const char digits[] = "0123456789abcdef";
      out += '\\';
      out += digits[c >> 4];
      out += digits[c & 0xF];
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

std::string equalityFilter(const std::string& objectClass,
                           const std::vector<std::pair<std::string, std::string>>& equalities) {
  std::string filter = "(&(objectClass=" + objectClass + ")";
  for (const auto& [name, value] : equalities) filter += "(" + name + "=" + escapeFilterValue(value) + ")";
  return filter + ")";
}

int intOf(const std::string& text, int fallback) {
  if (text.empty()) return fallback;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  return end && *end == '\0' ? static_cast<int>(value) : fallback;
}

}  // namespace standin
