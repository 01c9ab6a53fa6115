#pragma once
// Fault injection for tests: rules kept as values of the control entry, read at every
// operation, each "<component>.<operation> <code> [count=n] [skip=k] [match=text]".
// A rule applies to calls of that operation whose arguments contain `text`; it lets the
// first k of them pass, then fails the next n (every one without a count) with `code`.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace standin {

struct FaultRule {
  std::string target;  // "component.operation"
  std::int32_t code = 0;
  std::optional<int> count;
  int skip = 0;
  std::string match;
};

// Parses one rule; nullopt for text that is no rule (ignored, so a typo never fails all).
std::optional<FaultRule> parseFaultRule(const std::string& text);
std::string formatFaultRule(const FaultRule& rule);

struct FaultDecision {
  std::optional<std::int32_t> code;                              // the call fails with it
  std::vector<std::pair<std::string, std::string>> rewrites;     // old rule text -> new ("" removes it)
};

// Decides one call of `target` with `arguments` (joined text) against the stored rules.
FaultDecision decideFault(const std::vector<std::string>& storedRules, const std::string& target,
                          const std::string& arguments);

}  // namespace standin
