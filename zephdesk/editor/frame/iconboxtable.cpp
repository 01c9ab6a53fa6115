#include "editor/frame/iconboxtable.h"

namespace ed {

namespace {

constexpr IconBoxEntry kEntries[] = {
    {kIconBoxSeparator, 0, 8, 0},
    {kIconBoxButton, 4128, 23, 22},
    {kIconBoxButton, 4129, 23, 22},
    {kIconBoxButton, 4130, 23, 22},
    {kIconBoxSeparator, 0, 8, 0},
    {kIconBoxButton, 4135, 23, 22},
    {kIconBoxButton, 4142, 23, 22},
    {kIconBoxButton, 4143, 23, 22},
    {kIconBoxButton, 4165, 23, 22},
    {kIconBoxSeparator, 0, 8, 0},
    {kIconBoxButton, 4138, 23, 22},
    {kIconBoxButton, 4139, 23, 22},
    {kIconBoxButton, 4140, 23, 22},
    {kIconBoxSeparator, 0, 8, 0},
    {kIconBoxButton, 4141, 23, 22},
    {kIconBoxButton, 4202, 23, 22},
    {kIconBoxSeparator, 0, 8, 0},
    {kIconBoxButton, 4174, 23, 22},
    {kIconBoxButton, 4221, 23, 22},
    {kIconBoxSeparator, 0, 8, 0},
    {kIconBoxButton, 4160, 23, 22},
};

constexpr IconBoxTable kTable{31, 0, 5, kEntries};

}  // namespace

const IconBoxTable& DesignerIconBoxTable() { return kTable; }

void LayOutIconBox(const IconBoxTable& table, void (*visit)(const IconBoxPlace&, void*), void* context) {
  std::int32_t x = table.spacing;
  std::int32_t separators = 0;
  std::int32_t index = 0;
  for (const IconBoxEntry& entry : table.entries) {
    const bool button = entry.kind == kIconBoxButton;
    if (entry.kind == kIconBoxSeparator) ++separators;
    visit(IconBoxPlace{&entry, x, table.buttonTop, button ? index - separators : -1}, context);
    x += table.spacing + entry.width;
    ++index;
  }
}

}  // namespace ed
