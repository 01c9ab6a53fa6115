#include "attribute_catalogue.h"

#include <algorithm>
#include <array>

namespace standin {
namespace {

constexpr std::array<std::string_view, 48> kIntegerAttributes = {
    "customerid", "appid", "appprofid", "appvernum", "apppreviousvernum", "appmediatype",
    "spokennamerecorded", "verffaxnummodifiable", "updatepsswdneeded", "mntadnthrudial",
    "importable", "compiledok", "comfprmtmodifiable", "lockingdatetime", "volumeid", "visible",
    "modnum", "appimpid", "impedappid", "impedcustid", "rplid", "apprplid", "count",
    "sysserviceid", "mediatype", "custombuiltapp", "apphidden", "vpromptlangid", "locallangid",
    "minpsswdlen", "mmfsrecid", "mmfsrectype", "mmfsoperationtype", "locationid",
    "isadministrator", "vtmappid", "stworkvernum", "stnextvernum", "stcreatetime", "stpagesize",
    "stmaxapps", "stversionkeep", "stpwdstate", "stmmfsrecsize", "stunusedidbase",
    "destappprofid", "destappvernum", "destmmfsrecid"};

constexpr std::array<std::string_view, 5> kMultiValued = {"volumenum", "vtmappid", "stfaultrule",
                                                          "stpwdhistory", "objectclass"};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& list, std::string_view name) {
  const std::string lower = lowerAscii(name);
  return std::find(list.begin(), list.end(), lower) != list.end();
}

}  // namespace

std::string lowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

bool isIntegerAttribute(std::string_view name) { return listed(kIntegerAttributes, name); }
bool isMultiValuedAttribute(std::string_view name) { return listed(kMultiValued, name); }

std::string directoryName(std::string_view name) {
  const std::string lower = lowerAscii(name);
  return lower == "userid" ? std::string("uid") : lower;
}

bool sameAttribute(std::string_view a, std::string_view b) { return directoryName(a) == directoryName(b); }

bool isIntegerText(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  if (i == text.size()) return false;
  return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(i), text.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace standin
