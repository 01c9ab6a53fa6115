#pragma once
// Joining folder texts in Windows form.

#include <string>

namespace zeph {

// path + part with exactly one "\" where they meet: inserted when neither has one, the
// part's dropped when both have one.
std::string AppendPathPart(const std::string& path, const std::string& part);

}  // namespace zeph
