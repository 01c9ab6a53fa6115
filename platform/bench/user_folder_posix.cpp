#ifndef _WIN32
#include <cstdlib>

#include "user_folder.h"

std::string DefaultUserDataFolder() {
  const char* home = std::getenv("HOME");
  return std::string(home ? home : ".") + "/.local/share/Tarvix/Flowsmith/";
}
#endif
