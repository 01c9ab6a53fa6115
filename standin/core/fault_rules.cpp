#include "fault_rules.h"

#include <sstream>

#include "attribute_catalogue.h"

namespace standin {

std::optional<FaultRule> parseFaultRule(const std::string& text) {
  FaultRule rule;
  std::istringstream in(text);
  std::string code;
  if (!(in >> rule.target >> code) || rule.target.find('.') == std::string::npos || !isIntegerText(code)) return std::nullopt;
  rule.target = lowerAscii(rule.target);
  rule.code = std::stoi(code);
  std::string option;
  while (in >> option) {
    if (option.rfind("count=", 0) == 0 && isIntegerText(option.substr(6))) {
      rule.count = std::stoi(option.substr(6));
    } else if (option.rfind("skip=", 0) == 0 && isIntegerText(option.substr(5))) {
      rule.skip = std::stoi(option.substr(5));
    } else if (option.rfind("match=", 0) == 0) {
      // The match text runs to the end of the rule, so it may hold blanks.
      std::string rest;
      std::getline(in, rest);
      rule.match = option.substr(6) + rest;
      break;
    } else {
      return std::nullopt;
    }
  }
  return rule;
}

std::string formatFaultRule(const FaultRule& rule) {
  std::string text = rule.target + " " + std::to_string(rule.code);
  if (rule.count) text += " count=" + std::to_string(*rule.count);
  if (rule.skip > 0) text += " skip=" + std::to_string(rule.skip);
  if (!rule.match.empty()) text += " match=" + rule.match;
  return text;
}

FaultDecision decideFault(const std::vector<std::string>& storedRules, const std::string& target,
                          const std::string& arguments) {
  FaultDecision decision;
  const std::string wanted = lowerAscii(target);
  for (const std::string& stored : storedRules) {
    std::optional<FaultRule> rule = parseFaultRule(stored);
    if (!rule || rule->target != wanted) continue;
    if (!rule->match.empty() && arguments.find(rule->match) == std::string::npos) continue;
    if (rule->skip > 0) {
      --rule->skip;
      decision.rewrites.emplace_back(stored, formatFaultRule(*rule));
      continue;
    }
    if (rule->count && *rule->count <= 0) continue;
    decision.code = rule->code;
    if (rule->count) {
      --*rule->count;
      decision.rewrites.emplace_back(stored, *rule->count > 0 ? formatFaultRule(*rule) : std::string());
    }
    break;
  }
  return decision;
}

}  // namespace standin
