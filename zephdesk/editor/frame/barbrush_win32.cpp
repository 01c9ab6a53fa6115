#include "editor/frame/barbrush.h"

#include <map>
#include <string>

#include "framework/kvnamedtables.h"

namespace ed {

HBRUSH BarBackground(const char* name) {
  static std::map<std::string, HBRUSH> made;
  auto it = made.find(name);
  if (it != made.end()) return it->second;
  COLORREF colour = ::GetSysColor(COLOR_BTNFACE);
  for (const KvBrushEntry* entry = kKvBrushTable; entry->name; ++entry)
    if (name == std::string(entry->name)) colour = entry->colour;
  HBRUSH brush = ::CreateSolidBrush(colour);
  made.emplace(name, brush);
  return brush;
}

}  // namespace ed
