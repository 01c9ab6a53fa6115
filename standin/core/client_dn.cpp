#include "client_dn.h"

#include <algorithm>
#include <array>

#include "attribute_catalogue.h"
#include "server_reply.h"

namespace standin {
namespace {

struct Template {
  DnKind kind;
  const char* objectClass;
  std::vector<std::string_view> naming;  // attributes of the first RDN, in order
  bool commaForm;                        // naming attributes are separate RDNs
};

const std::vector<Template>& templates() {
  static const std::vector<Template> list = {
      {DnKind::Application, "APPLICATION", {"appid", "customerid"}, false},
      {DnKind::Profile, "APPPROFILE", {"appprofid", "customerid", "appvernum"}, false},
      {DnKind::Import, "APPIMP", {"appimpid", "customerid", "appvernum", "impedappid", "impedcustid"}, false},
      {DnKind::ListUse, "APPRPL", {"rplid", "apprplid", "customerid", "appvernum"}, false},
      {DnKind::Service, "APPSERVICE", {"appid", "sysserviceid"}, false},
      {DnKind::MediaRecord, "MMFSRECORD", {"mmfsfileid", "mmfsrecid", "mmfsrectype"}, false},
      {DnKind::MediaFile, "MMFSFILE", {"mmfsfileid", "appprofid", "appvernum"}, true},
      {DnKind::User, "VANTORAUSER", {"userid"}, false},
  };
  return list;
}

const Template& templateOf(DnKind kind) {
  for (const Template& t : templates()) {
    if (t.kind == kind) return t;
  }
  throw Refusal(kInvalidDn, "unknown entry kind");
}

using Ava = std::pair<std::string, std::string>;

[[noreturn]] void refuse(std::string_view dn, std::string_view why) {
  throw Refusal(kInvalidDn, "invalid entry name \"" + std::string(dn) + "\": " + std::string(why));
}

// Splits "a=1+b=2,c=3" into RDNs of attribute-value pairs. Client names carry raw values,
// so a backslash is an ordinary character here.
std::vector<std::vector<Ava>> splitRdns(std::string_view dn) {
  std::vector<std::vector<Ava>> rdns;
  std::size_t start = 0;
  while (start <= dn.size()) {
    std::size_t end = dn.find(',', start);
    if (end == std::string_view::npos) end = dn.size();
    std::vector<Ava> rdn;
    std::string_view text = dn.substr(start, end - start);
    std::size_t avaStart = 0;
    while (avaStart <= text.size()) {
      std::size_t avaEnd = text.find('+', avaStart);
      if (avaEnd == std::string_view::npos) avaEnd = text.size();
      std::string_view ava = text.substr(avaStart, avaEnd - avaStart);
      const std::size_t eq = ava.find('=');
      if (eq == std::string_view::npos || eq == 0 || eq + 1 == ava.size()) refuse(dn, "malformed part");
      std::string name = lowerAscii(ava.substr(0, eq));
      while (!name.empty() && name.front() == ' ') name.erase(name.begin());
      rdn.emplace_back(name, std::string(ava.substr(eq + 1)));
      avaStart = avaEnd + 1;
    }
    rdns.push_back(std::move(rdn));
    start = end + 1;
  }
  return rdns;
}

bool sameRdn(const std::vector<Ava>& a, const std::vector<Ava>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (!sameAttribute(a[i].first, b[i].first) || lowerAscii(a[i].second) != lowerAscii(b[i].second)) return false;
  }
  return true;
}

void checkValue(std::string_view dn, const std::string& attribute, const std::string& value) {
  if (isIntegerAttribute(attribute) && !isIntegerText(value)) refuse(dn, attribute + " is not a number");
}

}  // namespace

const std::string& ClientDn::value(std::string_view attribute) const {
  for (const auto& [name, value] : parts) {
    if (sameAttribute(name, attribute)) return value;
  }
  static const std::string empty;
  return empty;
}

int ClientDn::intValue(std::string_view attribute) const { return std::stoi(value(attribute)); }

std::string escapeDnValue(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    const bool edge = (i == 0 && (c == ' ' || c == '#')) || (i + 1 == value.size() && c == ' ');
    if (edge || c == '"' || c == '+' || c == ',' || c == ';' || c == '<' || c == '>' || c == '\\' || c == '=') {
      out += '\\';
      out += c;
    } else if (c == '\0') {
      out += "\\00";
    } else {
      out += c;
    }
  }
  return out;
}

const char* objectClassOf(DnKind kind) { return templateOf(kind).objectClass; }

std::string buildDn(DnKind kind, const std::vector<std::string>& values, std::string_view suffix) {
  const Template& t = templateOf(kind);
  // A multimedia file is one flat entry named by its path alone.
  const std::size_t count = t.commaForm ? 1 : t.naming.size();
  std::string dn;
  for (std::size_t i = 0; i < count && i < values.size(); ++i) {
    if (i > 0) dn += '+';
    dn += directoryName(t.naming[i]) == "uid" ? "uid" : std::string(t.naming[i]);
    dn += '=';
    dn += escapeDnValue(values[i]);
  }
  dn += ',';
  dn += suffix;
  return dn;
}

ClientDn parseClientDn(std::string_view dn, std::string_view suffix) {
  if (dn.empty()) refuse(dn, "empty");
  const std::vector<std::vector<Ava>> rdns = splitRdns(dn);
  const std::vector<std::vector<Ava>> suffixRdns = splitRdns(suffix);
  if (rdns.size() <= suffixRdns.size()) refuse(dn, "no entry below the suffix");
  const std::size_t own = rdns.size() - suffixRdns.size();
  for (std::size_t i = 0; i < suffixRdns.size(); ++i) {
    if (!sameRdn(rdns[own + i], suffixRdns[i])) refuse(dn, "not below the directory suffix");
  }
  for (const Template& t : templates()) {
    std::vector<Ava> parts;
    if (t.commaForm) {
      if (own != t.naming.size()) continue;
      bool match = true;
      for (std::size_t i = 0; i < own && match; ++i) {
        match = rdns[i].size() == 1 && sameAttribute(rdns[i][0].first, t.naming[i]);
        if (match) parts.push_back(rdns[i][0]);
      }
      if (!match) continue;
    } else {
      if (own != 1 || rdns[0].size() != t.naming.size()) continue;
      // The parts of a multi-valued name may come in any order.
      bool match = true;
      for (std::string_view name : t.naming) {
        auto it = std::find_if(rdns[0].begin(), rdns[0].end(), [&](const Ava& a) { return sameAttribute(a.first, name); });
        if (it == rdns[0].end()) {
          match = false;
          break;
        }
        parts.emplace_back(std::string(name), it->second);
      }
      if (!match) continue;
    }
    ClientDn result;
    result.kind = t.kind;
    std::vector<std::string> values;
    for (std::size_t i = 0; i < parts.size(); ++i) {
      checkValue(dn, std::string(t.naming[i]), parts[i].second);
      result.parts.emplace_back(std::string(t.naming[i]), parts[i].second);
      values.push_back(parts[i].second);
    }
    result.directoryDn = buildDn(t.kind, values, suffix);
    return result;
  }
  refuse(dn, "no entry of this form");
}

}  // namespace standin
