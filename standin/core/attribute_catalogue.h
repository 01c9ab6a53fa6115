#pragma once
// What the stand-in server knows of the directory's attributes: which are integers (always
// written, compared and sorted as numbers), which may hold several values, and the names
// slapd reports for its aliases.
#include <string>
#include <string_view>

namespace standin {

bool isIntegerAttribute(std::string_view name);
bool isMultiValuedAttribute(std::string_view name);
// The name slapd uses for an attribute ("userid" is its alias of "uid"), lower case.
std::string directoryName(std::string_view name);
bool sameAttribute(std::string_view a, std::string_view b);
// A decimal integer as the directory stores it: optional minus sign, digits.
bool isIntegerText(std::string_view text);
std::string lowerAscii(std::string_view text);

}  // namespace standin
