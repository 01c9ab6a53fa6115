// Reading the field table and call template texts of the catalogue data.
#include "scribe/fielddesc.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace scribe {
namespace {

// Accepted-type mask words for a data type code.
void AddTypeBits(int code, std::uint32_t& a1, std::uint32_t& a2) {
  if (code >= 1 && code <= 5) {
    a1 |= 0x3Eu;                          // any number type
  } else if (code == 6) {
    a1 |= (1u << 6) | (1u << 20);         // texts take date strings too
  } else if (code >= 0 && code < 32) {
    a1 |= 1u << code;
  } else if (code >= 32 && code < 64) {
    a2 |= 1u << (code - 32);
  }
}

int TypeCodeOfName(std::string_view name) {
  struct Named { const char* name; int code; };
  static const Named kTypes[] = {
      {"char", 1}, {"small", 2}, {"int", 3}, {"snum", 4}, {"num", 5},   {"str", 6},
      {"dnum", 19}, {"dstr", 20}, {"bool", 53}, {"vs", 35}, {"pb", 34},
  };
  for (const Named& t : kTypes) {
    if (name == t.name) return t.code;
  }
  if (name.size() >= 2 && name[0] == 'T') {
    char* end = nullptr;
    std::string digits(name.substr(1));
    long v = std::strtol(digits.c_str(), &end, 10);
    if (end != nullptr && *end == '\0' && v >= 0 && v < 64) return static_cast<int>(v);
  }
  return -1;
}

// Types that a constant of an edit may have; other codes are variable-only records. A
// voice item reference (35) takes a voice sentence variable or the item as a text.
bool IsConstantType(int code) {
  return (code >= 1 && code <= 6) || code == 19 || code == 20 || code == 21 || code == 35 || code == 53;
}

bool ParseInt(std::string_view text, long long& out) {
  if (text.empty()) return false;
  std::string s(text);
  char* end = nullptr;
  int base = (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) ? 16 : 10;
  out = std::strtoll(s.c_str(), &end, base);
  return end != nullptr && *end == '\0';
}

bool ParseDoubleText(std::string_view text, double& out) {
  if (text.empty()) return false;
  std::string s(text);
  char* end = nullptr;
  out = std::strtod(s.c_str(), &end);
  return end != nullptr && *end == '\0';
}

std::vector<std::string_view> Split(std::string_view text, char sep) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t pos = text.find(sep, start);
    parts.push_back(text.substr(start, pos == std::string_view::npos ? text.npos : pos - start));
    if (pos == std::string_view::npos) break;
    start = pos + 1;
  }
  return parts;
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  return s;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// The exit label a goto gets by default: its name without a leading "Goto ", "Goto on "
// or "Goto if ".
std::string DefaultLabel(std::string_view name) {
  for (std::string_view prefix : {"Goto on ", "Goto On ", "Goto if ", "Goto If ", "Goto "}) {
    if (name.size() > prefix.size() && name.substr(0, prefix.size()) == prefix) {
      return std::string(name.substr(prefix.size()));
    }
  }
  return std::string(name);
}

}  // namespace

std::unique_ptr<FieldTable> BuildFieldTable(const char* text, ParmLayout layout,
                                            std::string* error) {
  auto table = std::make_unique<FieldTable>();
  table->layout_ = layout;
  const LayoutGeometry geo = GeometryOf(layout);
  auto fail = [&](const std::string& what) {
    if (error != nullptr && error->empty()) *error = what;
  };
  auto keep = [&](std::string_view s) -> const char* {
    table->texts_.emplace_back(s);
    return table->texts_.back().c_str();
  };

  int nextSlot = 0;
  int nextWord = 0;
  std::string_view all = text != nullptr ? std::string_view(text) : std::string_view();
  if (!Trim(all).empty()) {
    for (std::string_view item : Split(all, '|')) {
      item = TrimLeft(item);   // a name may end in a blank
      if (item.size() < 2) {
        fail("empty field");
        break;
      }
      const char kind = item[0];
      std::string_view rest = item.substr(1);
      std::size_t colon = rest.find(':');
      std::string_view name = rest.substr(0, colon);
      std::string_view attrs = colon == std::string_view::npos ? std::string_view()
                                                               : rest.substr(colon + 1);
      if (name.empty() || name.size() > static_cast<std::size_t>(kFieldNameSize)) {
        fail("bad field name '" + std::string(name) + "'");
        break;
      }
      PBFieldDef f;
      std::memcpy(f.Name, name.data(), name.size());
      int exitCode = kExitNone;
      std::string label;
      bool isGoto = false;
      bool knownKind = true;
      switch (kind) {
        case 'e': f.UIElement = kUIEdit; f.FieldRepresentation = kReprEither; break;
        case 'v': f.UIElement = kUIEdit; f.FieldRepresentation = kReprVariable; break;
        case 's':
          f.UIElement = kUIEdit;
          f.FieldRepresentation = kReprVariable;
          f.ScalarType = 3;
          f.Allowed2 = 1u << (35 - 32);
          f.NumRadioInArray = 1;
          break;
        case 'g':
          f.UIElement = kUIEdit;
          f.FieldRepresentation = kReprVariable;
          f.ScalarType = 3;
          f.Allowed2 = 1u << (34 - 32);
          f.CanFieldBeWrong = 1;
          isGoto = true;
          label = DefaultLabel(name);
          break;
        case 'x':
          f.UIElement = kUICheckBox;
          f.FieldRepresentation = kReprConstant;
          f.ScalarType = 2;
          f.RadioCheckBase = 1;
          break;
        case 'r':
          f.UIElement = kUIRadioGroup;
          f.FieldRepresentation = kReprConstant;
          f.ScalarType = 2;
          break;
        case 'c':
          f.UIElement = kUIChoice;
          f.FieldRepresentation = kReprConstant;
          f.ScalarType = 6;
          f.StrSize = 48;
          break;
        default:
          fail("unknown field kind '" + std::string(1, kind) + "'");
          knownKind = false;
          break;
      }
      // Every way out still ends the table, so no reader runs past its last entry.
      if (!knownKind) break;

      bool typed = false;
      bool masked = false;
      bool hasOffset = false;
      bool plainRadio = false;
      int radioCount = 0;
      std::uint32_t typeA1 = 0, typeA2 = 0;
      int firstType = -1;
      if (!Trim(attrs).empty()) {
        for (std::string_view a : Split(attrs, ',')) {
          a = Trim(a);
          long long n = 0;
          double d = 0;
          auto value = [&](std::string_view key) -> std::string_view {
            return a.substr(key.size());
          };
          auto starts = [&](std::string_view key) {
            return a.size() >= key.size() && a.substr(0, key.size()) == key;
          };
          if (a.empty()) {
            fail("empty attribute in '" + std::string(name) + "'");
          } else if (a[0] == '=') {
            f.InitValue = keep(a.substr(1));
          } else if (a[0] == '@') {
            if (!ParseInt(a.substr(1), n)) fail("bad offset in '" + std::string(name) + "'");
            f.FieldOffset = static_cast<std::int16_t>(n);
            hasOffset = true;
          } else if (a[0] == '[') {
            std::size_t dots = a.find("..");
            double lo = 0, hi = 0;
            if (a.back() != ']' || dots == std::string_view::npos ||
                !ParseDoubleText(a.substr(1, dots - 1), lo) ||
                !ParseDoubleText(a.substr(dots + 2, a.size() - dots - 3), hi) || lo > hi) {
              fail("bad range in '" + std::string(name) + "'");
            }
            f.MinValRange = lo;
            f.MaxValRange = hi;
            f.NeedItBeInRange = 1;
          } else if (a == "?") {
            f.CanFieldBeBlank = 1;
          } else if (a == "!") {
            f.CanFieldBeWrong = 1;
          } else if (a == "skip") {
            f.SkipMe = 1;
          } else if (a == "ok") {
            f.GotoNotOnIcon |= kGotoGrouped;
          } else if (a == "fail") {
            f.GotoNotOnIcon |= kGotoGrouped | kGotoFailedGroup;
          } else if (a == "hide") {
            f.GotoNotOnIcon |= kGotoHidden;
          } else if (a == "next") {
            exitCode = kExitGoto;
          } else if (a == "plain") {
            plainRadio = true;
          } else if (a == "whole") {
            f.WholeArray = 1;
          } else if (starts("icon=")) {
            if (!ParseInt(value("icon="), n)) fail("bad icon in '" + std::string(name) + "'");
            f.GotoNotOnIcon = static_cast<std::uint8_t>(n);
          } else if (starts("label=")) {
            label = std::string(value("label="));
          } else if (starts("code=")) {
            std::string_view c = value("code=");
            int code = ParseInt(c, n) ? static_cast<int>(n)
                                      : CompletionCodeByName(std::string(c).c_str());
            if (code < 0 || code >= kCompletionCodeCount ||
                CompletionCodeName(code)[0] == '\0' || CompletionCodeName(code)[0] == ' ') {
              fail("bad completion code in '" + std::string(name) + "'");
            }
            exitCode = code;
          } else if (starts("len=")) {
            if (!ParseInt(value("len="), n)) fail("bad len in '" + std::string(name) + "'");
            f.StrSize = static_cast<std::int16_t>(n);
          } else if (starts("A=")) {
            if (!ParseInt(value("A="), n)) fail("bad mask in '" + std::string(name) + "'");
            f.Allowed1 = static_cast<std::uint32_t>(n);
            masked = true;
          } else if (starts("B=")) {
            if (!ParseInt(value("B="), n)) fail("bad mask in '" + std::string(name) + "'");
            f.Allowed2 = static_cast<std::uint32_t>(n);
            masked = true;
          } else if (starts("list=")) {
            if (!ParseInt(value("list="), n) || n < 0 || n > 69)
              fail("bad list in '" + std::string(name) + "'");
            f.NumRadioInArray = static_cast<std::int8_t>(n);
          } else if (starts("radio=")) {
            std::string names(value("radio="));
            radioCount = 1;
            for (char& ch : names) {
              if (ch == '/') {
                ch = '|';
                ++radioCount;
              }
            }
            f.RadioNames = keep(names);
          } else if (starts("base=")) {
            if (!ParseInt(value("base="), n)) fail("bad base in '" + std::string(name) + "'");
            f.RadioCheckBase = static_cast<std::int8_t>(n);
          } else if (starts("on=")) {
            if (!ParseInt(value("on="), n)) fail("bad on in '" + std::string(name) + "'");
            f.RadioCheckBase = static_cast<std::int8_t>(n);
          } else if (starts("special=")) {
            if (!ParseInt(value("special="), n)) fail("bad special in '" + std::string(name) + "'");
            f.SpecialRange = static_cast<std::uint8_t>(n);
            // The forms apply a special check only to fields that ask for checking.
            f.NeedItBeInRange = 1;
          } else if (starts("struct=")) {
            if (!ParseInt(value("struct="), n)) fail("bad struct in '" + std::string(name) + "'");
            f.AddStructs = 1;
            f.StructNum = static_cast<std::int16_t>(n);
          } else if (starts("pick=")) {
            if (!ParseInt(value("pick="), n)) fail("bad pick in '" + std::string(name) + "'");
            f.NumRadioInArray = static_cast<std::int8_t>(n);
          } else if (starts("rules=")) {
            f.GrayTab = FindRuleList(std::string(value("rules=")).c_str());
            if (f.GrayTab == nullptr) fail("unknown rules in '" + std::string(name) + "'");
          } else if (ParseDoubleText(a, d)) {
            fail("stray number in '" + std::string(name) + "'");
          } else {
            for (std::string_view t : Split(a, '/')) {
              if (t == "any") {
                // Any variable that can hold data, structures included.
                typeA1 |= 0xFFBFFF7Eu;
                typeA2 |= 0xFFFFF4F1u;
                f.AddStructs = -1;
                if (firstType < 0) firstType = 0;
                continue;
              }
              int code = TypeCodeOfName(t);
              if (code < 0) {
                fail("unknown attribute '" + std::string(a) + "' in '" + std::string(name) + "'");
                break;
              }
              if (firstType < 0) firstType = code;
              AddTypeBits(code, typeA1, typeA2);
            }
            typed = true;
          }
        }
      }

      // Types and masks of edits.
      if (f.UIElement == kUIEdit && kind != 'g' && kind != 's') {
        if (!typed) {
          firstType = 3;
          AddTypeBits(3, typeA1, typeA2);
        }
        if (kind == 'e' && !IsConstantType(firstType)) {
          fail("edit '" + std::string(name) + "' has a type without constants");
        }
        // A field that only names a variable keeps the integer type of a reference.
        const bool constant = IsConstantType(firstType) && (firstType != 35 || kind == 'e');
        f.ScalarType = static_cast<std::int16_t>(constant ? firstType : 3);
        if (!masked) {
          f.Allowed1 = typeA1;
          f.Allowed2 = typeA2;
        }
        if (f.StrSize == 0 && f.ScalarType == 6) f.StrSize = 256;
        if (f.StrSize == 0 && f.ScalarType == 20) f.StrSize = 15;
        if (f.StrSize == 0 && f.ScalarType == 35) fail("item reference '" + std::string(name) + "' needs len=");
      } else if (typed && f.UIElement != kUIEdit) {
        f.ScalarType = static_cast<std::int16_t>(firstType);
      }
      if (f.UIElement == kUIRadioGroup) {
        if (radioCount < 2) fail("radio group '" + std::string(name) + "' needs buttons");
        // A plain group keeps its count and is numbered from its base; otherwise the count
        // is stored negated and the buttons are numbered from 1.
        f.NumRadioInArray = static_cast<std::int8_t>(plainRadio ? radioCount : -radioCount);
      }
      if (f.UIElement == kUIChoice && f.NumRadioInArray == 0) {
        fail("choice '" + std::string(name) + "' needs a list");
      }

      if (isGoto) {
        f.GotoStrs = keep(label);
      } else if (exitCode != kExitNone) {
        fail("exit code on '" + std::string(name) + "' which is no goto");
      }

      // Offsets: value slots in order from the first slot, 16-bit values in order from
      // the start of the leading raw part.
      if (!hasOffset) {
        if (f.UsesValueSlot()) {
          if (nextSlot >= geo.SlotCount) fail("no value slot left for '" + std::string(name) + "'");
          f.FieldOffset = static_cast<std::int16_t>(geo.SlotBase + kValueSlotSize * nextSlot++);
        } else {
          if (2 * nextWord + 2 > geo.RawLength) fail("no raw word left for '" + std::string(name) + "'");
          f.FieldOffset = static_cast<std::int16_t>(2 * nextWord++);
        }
      }
      table->entries_.push_back(f);
      table->exitCodes_.push_back(exitCode);
    }
  }
  table->entries_.push_back(PBFieldDef());
  table->exitCodes_.push_back(kExitNone);
  return table;
}

std::vector<PBTemplatePair> BuildCallTemplate(const char* text, const FieldTable& table,
                                              std::string* error) {
  auto fail = [&](const std::string& what) {
    if (error != nullptr && error->empty()) *error = what;
  };
  const PBFieldDef* fields = table.Entries();
  const int count = table.Count();
  std::vector<PBTemplatePair> out;
  auto add = [&](int kind, int field) {
    out.push_back({static_cast<std::int16_t>(kind), static_cast<std::int16_t>(field)});
  };
  auto end = [&]() { add(0, kTemplateEndField); };
  auto defaultArgs = [&]() {
    for (int i = 0; i < count; ++i) {
      const PBFieldDef& f = fields[i];
      if (f.IsGoto()) continue;
      switch (f.UIElement) {
        case kUICheckBox: add(kArgFlag, i); break;
        case kUIRadioGroup: add(kArgNumber, i); break;
        case kUIChoice: add(kArgChoice, i); break;
        default: add(0, i); break;
      }
    }
  };
  auto derivedExits = [&]() {
    int unconditional = -1;
    for (int i = 0; i < count; ++i) {
      int code = table.ExitCode(i);
      if (code == kExitGoto) {
        if (unconditional >= 0) fail("two unconditional exits");
        unconditional = i;
      } else if (code >= 0) {
        add(code, i);
      }
    }
    if (unconditional >= 0) {
      add(kExitGoto, unconditional);
    } else {
      add(kExitFallThrough, 0);
    }
  };
  // One list of items: numbers name fields, "k:n" a kind with a field.
  auto list = [&](std::string_view part, bool exits) {
    for (std::string_view item : Split(part, ',')) {
      item = Trim(item);
      if (item.empty()) continue;
      if (item == "*") {
        defaultArgs();
        continue;
      }
      std::size_t colon = item.find(':');
      std::string_view kindText = item.substr(0, colon);
      long long field = 0;
      long long kind = 0;
      if (colon != std::string_view::npos) {
        if (!ParseInt(item.substr(colon + 1), field)) fail("bad field in '" + std::string(item) + "'");
      }
      bool named = false;
      if (!ParseInt(kindText, kind)) {
        int code = CompletionCodeByName(std::string(kindText).c_str());
        if (code < 0) {
          fail("bad item '" + std::string(item) + "'");
          continue;
        }
        kind = code;
        named = true;
      }
      if (colon == std::string_view::npos && !exits && kind >= 0 && !named) {
        field = kind;  // a plain number in an argument list names a field
        kind = 0;
      }
      if (field < 0 || field >= (count > 0 ? count : 1)) {
        fail("field out of range in '" + std::string(item) + "'");
      }
      add(static_cast<int>(kind), static_cast<int>(field));
    }
  };

  std::string_view all = text != nullptr ? Trim(std::string_view(text)) : std::string_view();
  if (all.empty()) {
    defaultArgs();
    end();
    derivedExits();
    end();
    return out;
  }
  std::vector<std::string_view> parts = Split(all, '>');
  if (parts.size() > 3) fail("too many template parts");
  list(parts[0], false);
  end();
  if (parts.size() < 2 || Trim(parts[1]).empty()) {
    derivedExits();
  } else {
    list(parts[1], true);
  }
  end();
  if (parts.size() == 3) {
    list(parts[2], false);
    end();
  }
  return out;
}

}  // namespace scribe
