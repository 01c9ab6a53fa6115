#include <windows.h>
#include <shlobj.h>

#include "user_folder.h"

std::string DefaultUserDataFolder() {
  char base[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, base))) return ".\\";
  return std::string(base) + "\\Tarvix\\Flowsmith\\";
}
