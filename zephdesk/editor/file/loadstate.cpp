#include "editor/file/loadstate.h"

#include <new>

#include "editor/canvas/icons.h"
#include "editor/canvas/typerecord.h"
#include "editor/canvas/vavurorezo.h"
#include "foundation/kvlserr.h"

namespace ed {

bool IconTypeTable::Build(const PaletteIconList* palette, int size) {
  try {
    icons_.assign(size > 0 ? static_cast<std::size_t>(size) : 0, nullptr);
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (palette == nullptr) return true;
  for (const auto& group : palette->Groups()) {
    for (const auto& icon : group->Icons()) {
      const int code = icon->TypeCode();
      if (code >= 0 && static_cast<std::size_t>(code) < icons_.size()) icons_[code] = icon;
    }
  }
  return true;
}

std::shared_ptr<VavurOrezoIcon> IconTypeTable::Find(int& typeCode) const {
  if (Has(typeCode)) return icons_[typeCode];
  typeCode = kTypeObsoleted;
  return DefaultIcon();
}

bool IconTypeTable::Has(int typeCode) const {
  return typeCode >= 0 && static_cast<std::size_t>(typeCode) < icons_.size() && icons_[typeCode] && icons_[typeCode]->Record();
}

std::shared_ptr<VavurOrezoIcon> IconTypeTable::DefaultIcon() {
  static const std::shared_ptr<VavurOrezoIcon> icon = [] {
    auto record = std::make_shared<TypeRecord>();
    record->typeCode = kTypeObsoleted;
    return std::make_shared<VavurOrezoIcon>(record);
  }();
  return icon;
}

int LayoutState::Report(const char* message, int section) { return ReportLoadSaveError(errorMode, message, section) != 0 ? 1 : 0; }

}  // namespace ed
