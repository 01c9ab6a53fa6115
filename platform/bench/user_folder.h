#pragma once
// The folder of the user's own Flowsmith files (stores, the launcher's log): the local
// application-data folder's "Tarvix\Flowsmith\". Tests point it elsewhere.
#include <filesystem>
#include <string>

#include "bench_export.h"

// The folder, ending with its separator; the platform's default until one is set.
ZEPHBENCH_API std::string UserDataFolder();
// Sets the folder ("" returns to the platform's default).
ZEPHBENCH_API void SetUserDataFolder(const std::string& folder);
// The platform's default folder.
std::string DefaultUserDataFolder();
// A file-system path from a Windows-style text: natively backslashes become separators.
ZEPHBENCH_API std::filesystem::path HostPathOf(const std::string& text);
