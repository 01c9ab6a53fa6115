// Every default of every catalogue type reads back as itself once a new VavurOrezo is
// defaulted, stores what setting the same value stores, and is a value its field accepts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "model/constvalue.h"
#include "model/datatypes.h"
#include "model/fieldchecks.h"
#include "model/pbaccess.h"
#include "model/pbfield_lookup.h"
#include "pbaccess_testutil.h"
#include "scribe/catalogue.h"
#include "scribe/choicelists.h"

namespace zeph {
namespace {

const char* SkipQuote(const char* text) { return text[0] == '\'' ? text + 1 : text; }

// The radio number a default text names.
std::int32_t DefaultNumber(const char* text) {
  return static_cast<std::int32_t>(std::strtol(SkipQuote(text), nullptr, 10));
}

bool IsFloatType(int type) { return type == kTypeSmallNumber || type == kTypeNumber; }

// The check a property form applies to a constant of a field that asks for one: its
// special check, or else its numeric range.
bool PassesFormCheck(const PBFieldDef& f, const char* value) {
  switch (f.SpecialRange) {
    case 1: return CheckMMDDYY(value) == 0;
    case 2: return CheckMonthDay(value) == 0;
    case 3: return CheckAlnumText(value) == 0;
    case 4: return CheckAlphaText(value) == 0;
    case 5: return CheckDigitText(value) == 0;
    case 8: return CheckDayOfWeek(value) == 0;
    case 9: return CheckDayOfMonth(value) == 0;
    case 10: return CheckYear(value) == 0;
    case 11: return CheckDosPath(value, false) == 0;
    default: break;
  }
  if (f.ScalarType < 1 || f.ScalarType > 5) return true;
  return IsNumberInRange(value, f.MinValRange, f.MaxValRange);
}

bool InChoiceList(int list, const std::string& text) {
  const char* const* texts = scribe::ChoiceListTexts(list);
  for (int i = 0; texts != nullptr && texts[i] != nullptr; ++i) {
    if (text == texts[i]) return true;
  }
  return false;
}

class CatalogueDefaults : public test::ModelFixture {
 protected:
  // What is wrong with the defaults of a field table on a new VavurOrezo of a type; empty
  // when nothing is.
  std::string CheckTable(const PBFieldDef* fields, int type, const std::string& name) {
    std::ostringstream faults;
    if (fields == nullptr) return std::string();
    PBInstance& pb = AddPB(name.c_str(), type);
    PBFieldAccessor defaulted(&pb, 0, fields, 0);
    if (defaulted.LoadDefaultEntries() != 1) faults << " LoadDefaultEntries failed;";

    for (int i = 0; !fields[i].IsEnd(); ++i) {
      const PBFieldDef& f = fields[i];
      if (f.InitValue == nullptr) continue;
      std::ostringstream where;
      where << " field " << i << " \"" << f.Name << "\" default \"" << f.InitValue << "\": ";
      const std::string at = where.str();

      if (defaulted.VerifyEntry(i, f.InitValue, nullptr) != 1) faults << at << "refused by its field;";

      switch (f.UIElement) {
        case scribe::kUICheckBox:
        case scribe::kUIRadioGroup:
          faults << CheckNumber(pb, defaulted, i, at, name);
          break;
        case scribe::kUIEdit:
          faults << CheckEdit(defaulted, i, at);
          break;
        case scribe::kUIChoice: {
          std::string text = "unset";
          defaulted.GetEntryText(i, text);
          if (text != f.InitValue) faults << at << "reads back as \"" << text << "\";";
          if (f.InitValue[0] != '\0' && !InChoiceList(f.NumRadioInArray, f.InitValue)) {
            faults << at << "not a text of choice list " << int(f.NumRadioInArray) << ";";
          }
          break;
        }
        default:
          faults << at << "a default on a field of kind " << int(f.UIElement) << ";";
          break;
      }
    }
    return faults.str();
  }

  // Check boxes and radio groups: the default reads back, lies among the buttons and is
  // stored as setting the same number stores it.
  std::string CheckNumber(PBInstance& pb, PBFieldAccessor& defaulted, int i, const std::string& at,
                          const std::string& name) {
    std::ostringstream faults;
    const PBFieldDef& f = defaulted.Fields()[i];
    const std::int32_t wanted = DefaultNumber(f.InitValue);
    std::int32_t read = -999;
    defaulted.GetEntry(i, &read);
    std::string text;
    defaulted.GetEntryText(i, text);
    if (f.UIElement == scribe::kUICheckBox) {
      const std::int32_t on = f.RadioCheckBase;
      if (on == 0) faults << at << "a check box whose ticked value is 0;";
      const std::int32_t expected = wanted != 0 ? on : 0;
      if (read != expected) faults << at << "reads back " << read << " for " << (wanted ? "on" : "off") << ";";
    } else {
      const int buttons = f.NumRadioInArray < 0 ? -f.NumRadioInArray : f.NumRadioInArray;
      const int first = f.NumRadioInArray < 0 ? 1 : f.RadioCheckBase + 1;
      if (wanted < first || wanted >= first + buttons) {
        faults << at << "no button of " << first << ".." << first + buttons - 1 << ";";
      }
      if (read != wanted) faults << at << "reads back as button " << read << ";";
    }
    if (text != std::to_string(read)) faults << at << "text \"" << text << "\" differs from " << read << ";";

    // The same number set by hand on another VavurOrezo.
    PBInstance& set = AddPB((name + "_set" + std::to_string(i)).c_str(), pb.Type);
    PBFieldAccessor setter(&set, 0, defaulted.Fields(), 0);
    if (setter.SetEntryText(i, f.InitValue) != 1) {
      faults << at << "cannot be set;";
    } else if (set.Area.Word(f.FieldOffset) != pb.Area.Word(f.FieldOffset)) {
      faults << at << "defaults to " << pb.Area.Word(f.FieldOffset) << " but sets "
             << set.Area.Word(f.FieldOffset) << ";";
    }
    return faults.str();
  }

  // Edits: a constant reads back in its formatted form and passes the check a property
  // form applies to it; a name reads back as itself.
  std::string CheckEdit(PBFieldAccessor& defaulted, int i, const std::string& at) {
    std::ostringstream faults;
    const PBFieldDef& f = defaulted.Fields()[i];
    const char* init = f.InitValue;
    std::string text = "unset";
    defaulted.GetEntryText(i, text);
    const bool constant = init[0] != '\0' &&
                          (init[0] == '\'' || init[0] == '"' || f.FieldRepresentation == scribe::kReprConstant);
    if (!constant) {
      if (text != init) faults << at << "reads back as \"" << text << "\";";
      return faults.str();
    }
    const char* value = SkipQuote(init);
    if (IsFloatType(f.ScalarType)) {
      const double want = std::strtod(value, nullptr);
      const double got = text.empty() ? -1e300 : std::strtod(SkipQuote(text.c_str()), nullptr);
      if (text.empty() || text[0] != '\'' || got != want) faults << at << "reads back as \"" << text << "\";";
    } else if (text != std::string("'") + value) {
      faults << at << "reads back as \"" << text << "\";";
    }
    if (f.NeedItBeInRange && !PassesFormCheck(f, value)) {
      faults << at << "fails the form's check " << int(f.SpecialRange) << " / range " << f.MinValRange
             << ".." << f.MaxValRange << ";";
    }
    return faults.str();
  }
};

TEST_F(CatalogueDefaults, EveryDefaultReadsBackAndIsAccepted) {
  int withDefaults = 0;
  for (int type = 0; type < kPBCatalogueSize; ++type) {
    ASSERT_NE(GetPBType(type), nullptr) << "type " << type;
    const PBFieldDef* fields = GetFieldTable(type, nullptr);
    for (int i = 0; fields != nullptr && !fields[i].IsEnd(); ++i) {
      if (fields[i].InitValue != nullptr) {
        ++withDefaults;
        break;
      }
    }
    EXPECT_EQ(CheckTable(fields, type, "Defaults" + std::to_string(type)), "")
        << "type " << type << " " << TheCatalogue().InternalName(type);
  }
  EXPECT_GT(withDefaults, 0);
}

// The older definitions served by structure id only (server versions, old files).
TEST_F(CatalogueDefaults, OlderDefinitionsToo) {
  for (const scribe::StructureRow& row : scribe::ExtraStructureRows()) {
    const scribe::FieldTable* table = scribe::StructureFieldTable(row.StructId);
    ASSERT_NE(table, nullptr) << row.StructId;
    EXPECT_EQ(CheckTable(table->Entries(), kPBTypeCustom, "Older" + std::to_string(row.StructId)), "")
        << "structure " << row.StructId;
  }
}

// The two kinds of radio group agree between defaulting and setting once the data gives
// them the base that makes them agree.
TEST_F(CatalogueDefaults, RadioGroupBasesThatAgree) {
  auto table = test::BuildTable(
      "rFrom One:radio=A/B/C,base=1,=2|rPlain:plain,base=-1,radio=A/B/C,=2");
  PBInstance& pb = AddPB("Radios", kPBTypeCustom);
  PBFieldAccessor a(&pb, 0, table->Entries(), 0);
  ASSERT_EQ(a.LoadDefaultEntries(), 1);
  for (int i : {0, 1}) {
    std::int32_t n = 0;
    a.GetEntry(i, &n);
    EXPECT_EQ(n, 2) << i;
  }
  EXPECT_EQ(pb.Area.Word(table->Entries()[0].FieldOffset), 1);
  EXPECT_EQ(pb.Area.Word(table->Entries()[1].FieldOffset), 2);
}

}  // namespace
}  // namespace zeph
