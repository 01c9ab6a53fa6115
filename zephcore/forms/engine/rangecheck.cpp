// Special checks and numeric ranges of constant fields.
#include "forms/engine/rangecheck.h"

#include "model/constvalue.h"
#include "model/datatypes.h"
#include "model/fieldchecks.h"
#include "model/modelcodes.h"

namespace zeph {
namespace {

using SpecialCheck = int (*)(const char* text);

int CheckFileSpec(const char* text) { return CheckDosPath(text, false); }

// Special check numbers 1-11; null where the number means the numeric range.
constexpr SpecialCheck kSpecialChecks[] = {
    nullptr,        CheckMMDDYY,   CheckMonthDay,   CheckAlnumText, CheckAlphaText, CheckDigitText,
    nullptr,        nullptr,       CheckDayOfWeek,  CheckDayOfMonth, CheckYear,     CheckFileSpec,
};
constexpr int kSpecialCheckCount = static_cast<int>(sizeof kSpecialChecks / sizeof kSpecialChecks[0]);

int CheckNumericRange(const PBFieldDef& entry, const char* text) {
  if (entry.ScalarType < kTypeCharacter || entry.ScalarType > kTypeNumber) return 0;
  int status = 0;
  const double value = ParseDouble(text, &status);
  if (status != 0) return kErrNumberFormat;
  return value >= entry.MinValRange && value <= entry.MaxValRange ? 0 : kErrValueOutOfRange;
}

}  // namespace

int CheckFieldRange(const PBFieldDef& entry, const char* text) {
  if (text == nullptr) text = "";
  if (text[0] == '\'') ++text;
  const int kind = entry.SpecialRange;
  if (kind < kSpecialCheckCount && kSpecialChecks[kind] != nullptr) return kSpecialChecks[kind](text);
  return CheckNumericRange(entry, text);
}

}  // namespace zeph
