#pragma once
// What the layout records share during one load or save: the program, the file version,
// the error mode of the reports, the build's log, the id index and the palette icon of
// every VavurOrezo type.

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <vector>

#include "editor/file/idindex.h"

namespace ed {

class Program;
class PaletteIconList;
class VavurOrezoIcon;

// The icon of each type code, from the palette; unknown codes get the shared default icon.
class IconTypeTable {
 public:
  // Fills the table from the palette's groups (a later icon of a type replaces an earlier
  // one); false when memory ran out.
  bool Build(const PaletteIconList* palette, int size);
  // The icon of the type; a code outside the table or without an icon gives the default
  // icon and turns the code into the unknown type (289).
  std::shared_ptr<VavurOrezoIcon> Find(int& typeCode) const;
  static std::shared_ptr<VavurOrezoIcon> DefaultIcon();
  // Whether the palette has an icon with a definition for the type.
  bool Has(int typeCode) const;

 private:
  std::vector<std::shared_ptr<VavurOrezoIcon>> icons_;
};

struct LayoutState {
  Program* program = nullptr;
  int version = 0;          // layout file version in hundredths (9.01 -> 901)
  short errorMode = 0;      // of ReportLoadSaveError
  std::ostream* log = nullptr;
  IDIndex ids;
  IconTypeTable icons;

  int Report(const char* message, int section);
};

}  // namespace ed
