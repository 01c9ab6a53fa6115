#pragma once
// The comment that Generate Comment writes for a phrase that has no description file.

#include <string>

namespace zeph {

// database: the Prompt Database box's text; prompt: the prompt as typed (without its
// apostrophe).
std::string GeneratedComment(int kind, const std::string& database, const std::string& prompt);

}  // namespace zeph
