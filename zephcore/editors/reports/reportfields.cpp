// Reading a VavurOrezo's fields for the reports.
#include "editors/reports/reportfields.h"

#include <cstdlib>
#include <cstring>

#include "model/pbaccess.h"
#include "model/pbentry_instance.h"
#include "model/varref.h"

namespace zeph {

std::vector<ReportField> ReadReportFields(PBInstance& instance, SymbolTable* program) {
  std::vector<ReportField> out;
  PBFieldAccessor access(&instance, 0, nullptr, 0, program);
  const PBFieldDef* table = access.Fields();
  if (table == nullptr) return out;
  for (int i = 0; !table[i].IsEnd(); ++i) {
    ReportField field;
    field.Def = &table[i];
    if (table[i].UsesValueSlot()) {
      const auto* slot = static_cast<const SymP*>(access.GetEntry(i, &field.Text));
      if (slot != nullptr) {
        if (slot->S != nullptr) field.DataType = slot->S->Type;
        else if (slot->HasConst()) field.DataType = slot->ConstType != 0 ? slot->ConstType : table[i].ScalarType;
      }
    } else if (table[i].UIElement == scribe::kUICheckBox || table[i].UIElement == scribe::kUIRadioGroup) {
      std::int32_t number = 0;
      access.GetEntry(i, &number);
      field.Number = number;
    }
    out.push_back(std::move(field));
  }
  return out;
}

bool RadioNameAt(const PBFieldDef& field, int n, std::string& name) {
  const int count = std::abs(static_cast<int>(field.NumRadioInArray));
  if (field.RadioNames == nullptr || n < 1 || n > count) return false;
  const char* p = field.RadioNames;
  for (int i = 1; i < n; ++i) {
    p = std::strchr(p, '|');
    if (p == nullptr) return false;
    ++p;
  }
  const char* end = std::strchr(p, '|');
  name.assign(p, end != nullptr ? end : p + std::strlen(p));
  return true;
}

}  // namespace zeph
