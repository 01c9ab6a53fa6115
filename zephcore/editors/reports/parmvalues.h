#pragma once
// The value texts of the block-details report: a field's stored value turned into what
// the designer's lookup tables name it, by the lookup mode of the block.

#include <string>

#include "editors/reports/reportfields.h"
#include "model/pbentry_combo.h"

namespace zeph {

// The lookup modes the designer passes per VavurOrezo kind.
enum ParmLookupMode : int {
  kLookupPlain = 0,
  kLookupLanguage = 1,
  kLookupThruDial = 2,
  kLookupPromptType = 3,
  kLookupMenu = 4,
  kLookupPassword = 5,
  kLookupTransfer = 6,
  kLookupFax = 7,
};

// The text printed in the value column for the field.
std::string ParmValueText(const ReportField& field, int mode, const ComboStruct* const tables[5]);

// The number a stored text stands for in the lookups: its digits, after one leading
// letter "v" or "f" of an item name; false when the text is not such a number. An empty
// text is 0.
bool LookupNumber(const std::string& text, int& number);

}  // namespace zeph
