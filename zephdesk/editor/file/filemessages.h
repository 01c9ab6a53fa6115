#pragma once
// Messages of a load or save: a box captioned with the product name when there is no
// log, else a line in the log. A load's log lines begin with "ERROR: " and set the build's
// error flag; a save's do not.

#include <cstdint>
#include <iosfwd>
#include <string>

namespace ed {

enum class FileTask { Load, Save };

void ShowFileMessage(std::ostream* log, FileTask task, const std::string& text, std::uint32_t boxStyle);

}  // namespace ed
