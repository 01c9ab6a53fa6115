// Counting a form's entries and checking its limits.
#include "forms/engine/formlimits.h"

#include "foundation/kvassert.h"

namespace zeph {

int RadioCount(const PBFieldDef& entry) {
  return entry.NumRadioInArray < 0 ? -entry.NumRadioInArray : entry.NumRadioInArray;
}

FormCounts CountFormEntries(const PBFieldDef* table) {
  FormCounts c;
  int stage = 0;   // 0 edits, 1 check boxes, 2 combos, 3 radio groups
  for (const PBFieldDef* e = table; e != nullptr && !e->IsEnd(); ++e) {
    int kind = 0;
    switch (e->UIElement) {
      case scribe::kUICheckBox: kind = 1; ++c.Checks; break;
      case scribe::kUIChoice: kind = 2; ++c.Combos; break;
      case scribe::kUIRadioGroup: kind = 3; ++c.RadioGroups; c.Radios += RadioCount(*e); break;
      default: kind = 0; ++c.Edits; break;
    }
    if (kind < stage) c.InOrder = false;
    stage = kind;
  }
  return c;
}

bool FormFitsLimits(const FormCounts& c, FormShape shape) {
  const bool gray = shape == FormShape::Gray;
  const bool fits = c.InOrder && c.Edits <= kMaxEdits && c.Checks <= (gray ? kMaxGrayChecks : kMaxChecks) &&
                    c.Combos <= kMaxCombos && c.Edits + c.Combos <= kMaxLabels && c.Radios <= kMaxRadios &&
                    (!gray || c.RadioGroups <= kMaxGrayGroups);
  return KV_ASSERT(fits);
}

}  // namespace zeph
