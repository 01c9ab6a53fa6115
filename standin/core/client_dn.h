#pragma once
// Entry names as the clients write them (raw values, server paths with backslashes, the
// directory suffix at the end) matched against the templates the server accepts, and
// rebuilt as proper directory names with RFC 4514 escaping. Anything else is refused with
// kInvalidDn. Names are compared by their parts, never as text.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace standin {

enum class DnKind {
  Application,   // appid + customerid
  Profile,       // appprofid + customerid + appvernum
  Import,        // appimpid + customerid + appvernum + impedappid + impedcustid
  ListUse,       // rplid + apprplid + customerid + appvernum
  Service,       // appid + sysserviceid
  MediaRecord,   // mmfsfileid + mmfsrecid + mmfsrectype
  MediaFile,     // mmfsfileid, appprofid, appvernum (comma form; one flat entry)
  User,          // userid
};

struct ClientDn {
  DnKind kind{};
  // Every attribute the name holds, in template order (for a multimedia file also its
  // application id and version, which are attributes of the flat entry).
  std::vector<std::pair<std::string, std::string>> parts;
  std::string directoryDn;  // the rebuilt, escaped name of the entry
  const std::string& value(std::string_view attribute) const;
  int intValue(std::string_view attribute) const;
};

std::string escapeDnValue(std::string_view value);
// Parses `dn` (which must end in `suffix`) against the templates; throws Refusal(kInvalidDn).
ClientDn parseClientDn(std::string_view dn, std::string_view suffix);
// The object class of the entry that a template names.
const char* objectClassOf(DnKind kind);
// Builds the directory name of a template's entry from values in template order.
std::string buildDn(DnKind kind, const std::vector<std::string>& values, std::string_view suffix);

}  // namespace standin
