#pragma once
// Saving a file without putting the old one at risk: the new content goes to a temporary
// file beside the target, and only after it was written completely does the old file
// become the backup (same folder and base name, extension ".BAK") and the temporary file
// the target. A failed write leaves the target and the backup as they were.

#include <functional>
#include <string>

namespace ed {

// The backup name of a path: its folder and base name with the extension ".BAK".
std::string BackupName(const std::string& path);
// The temporary file a save of the path writes first.
std::string SaveTempName(const std::string& path);

struct SaveOutcome {
  bool saved = false;
  // An old backup could not be removed (write protected): the previous file was not kept.
  bool backupProtected = false;
};

// write(tempPath) writes the whole file and answers whether every byte reached it.
SaveOutcome SaveReplacing(const std::string& path, const std::function<bool(const std::string&)>& write);

}  // namespace ed
