// Writing the templates of the table-driven and rule-driven forms.
#include "forms/templates/formtemplates.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <vector>

#include "forms/engine/formids.h"
#include "forms/engine/formlimits.h"
#include "model/pbcat.h"
#include "model/pbfielddef.h"
#include "model/program/editform.h"

namespace zeph {
namespace {

// What one template must hold: the maxima over the tables that use it.
struct Shape {
  int Edits = 0;
  int Labels = 0;
  int Checks = 0;
  int Combos = 0;
  bool EnabledRows = false;   // rule and radio forms keep the template's enabling
  const PBFieldDef* Radios = nullptr;   // the table with the most radio buttons
  int RadioCount = 0;
  bool SetButton = false;   // the Listen form's "Set"
};

void Fit(Shape& s, const PBFieldDef* table, int kind) {
  const FormCounts c = CountFormEntries(table);
  s.Edits = std::max(s.Edits, c.Edits);
  s.Labels = std::max(s.Labels, c.Edits + c.Combos);
  s.Checks = std::max(s.Checks, c.Checks);
  s.Combos = std::max(s.Combos, c.Combos);
  if (kind != 1) s.EnabledRows = true;
  if (c.Radios > s.RadioCount) {
    s.RadioCount = c.Radios;
    s.Radios = table;
  }
}

constexpr int kRecordType = 3;
constexpr int kMultiMailType = 21;
constexpr int kListenType = 218;
constexpr const char kListenResource[] = "DIALOG_LISTEN";

// Dialog units.
constexpr int kRowsPerColumn = 20;
constexpr int kRowHeight = 16;
constexpr int kColumnWidth = 300;
constexpr int kMargin = 7;

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += "\"\"";
    else out += c;
  }
  return out + "\"";
}

std::vector<std::string> SplitNames(const char* names) {
  std::vector<std::string> out;
  if (names == nullptr) return out;
  std::string part;
  for (const char* p = names;; ++p) {
    if (*p == '|' || *p == '\0') {
      out.push_back(part);
      part.clear();
      if (*p == '\0') break;
    } else {
      part += *p;
    }
  }
  return out;
}

void WriteTemplate(std::ostream& out, const std::string& name, const Shape& s) {
  const int rows = std::max(s.Labels, s.Edits);
  const int columns = std::max(1, (rows + kRowsPerColumn - 1) / kRowsPerColumn);
  const int rowsShown = std::min(rows, kRowsPerColumn);
  std::ostringstream body;
  const char* rowState = s.EnabledRows ? "" : " | WS_DISABLED";
  for (int r = 0; r < rows; ++r) {
    const int x = kMargin + (r / kRowsPerColumn) * kColumnWidth;
    const int y = kMargin + (r % kRowsPerColumn) * kRowHeight;
    body << "  LTEXT \"\", " << kLabelBase + r << ", " << x << ", " << y + 2 << ", 110, 10\n";
    if (r < s.Edits) {
      body << "  EDITTEXT " << kEditBase + r << ", " << x + 113 << ", " << y << ", 150, 12, ES_AUTOHSCROLL | WS_TABSTOP"
           << rowState << "\n";
      body << "  PUSHBUTTON \"...\", " << kPickButtonBase + r << ", " << x + 267 << ", " << y << ", 20, 12, WS_TABSTOP"
           << rowState << "\n";
    }
  }
  int y = kMargin + rowsShown * kRowHeight + 4;
  for (int k = 0; k < s.Checks; ++k) {
    const int x = kMargin + (k % 2) * 150;
    body << "  AUTOCHECKBOX \"\", " << kCheckBoxBase + k << ", " << x << ", " << y << ", 145, 12, WS_TABSTOP\n";
    if (k % 2 == 1 || k + 1 == s.Checks) y += 14;
  }
  for (int c = 0; c < s.Combos; ++c) {
    body << "  COMBOBOX " << kComboBase + c << ", " << kMargin + 113 << ", " << y
         << ", 150, 80, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP\n";
    y += 16;
  }
  int radio = 0;
  int group = 0;
  for (const PBFieldDef* e = s.Radios; e != nullptr && !e->IsEnd(); ++e) {
    if (e->UIElement != scribe::kUIRadioGroup) continue;
    const int count = RadioCount(*e);
    std::vector<std::string> names = SplitNames(e->RadioNames);
    names.resize(static_cast<std::size_t>(count));
    body << "  LTEXT " << Quote(e->Name) << ", -1, " << kMargin << ", " << y << ", 280, 10\n";
    y += 11;
    body << "  GROUPBOX \"\", " << kGroupBoxBase + group << ", " << kMargin << ", " << y << ", 286, " << count * 13 + 8
         << "\n";
    for (int b = 0; b < count; ++b, ++radio) {
      body << "  AUTORADIOBUTTON " << Quote(names[static_cast<std::size_t>(b)]) << ", " << kRadioBase + radio << ", "
           << kMargin + 8 << ", " << y + 6 + b * 13 << ", 270, 12" << (b == 0 ? ", WS_GROUP | WS_TABSTOP" : "") << "\n";
    }
    y += count * 13 + 12;
    ++group;
  }
  if (s.SetButton) {
    body << "  PUSHBUTTON \"Set\", 399, " << kMargin << ", " << y << ", 50, 14, WS_TABSTOP\n";
    y += 18;
  }
  y += 4;
  const int width = std::max(columns * kColumnWidth + kMargin, 200);
  body << "  DEFPUSHBUTTON \"Done\", 1, " << width - 3 * 55 << ", " << y << ", 50, 14, WS_TABSTOP\n";
  body << "  PUSHBUTTON \"Cancel\", 2, " << width - 2 * 55 << ", " << y << ", 50, 14, WS_TABSTOP\n";
  body << "  PUSHBUTTON \"Help\", 9, " << width - 55 << ", " << y << ", 50, 14, WS_TABSTOP\n";
  out << name << " DIALOG 0, 0, " << width << ", " << y + 14 + kMargin << "\n"
      << "STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU\n"
      << "CAPTION \"Properties\"\n"
      << "FONT 8, \"MS Shell Dlg\"\n"
      << "BEGIN\n"
      << body.str() << "END\n\n";
}

}  // namespace

std::string MakeFormTemplates() {
  std::map<std::string, Shape> shapes;
  for (int i = 0; i < kPBCatalogueSize; ++i) {
    const PBType* slot = GetPBType(i);
    if (slot == nullptr || slot->DialogKind < 1 || slot->DialogKind > 4 || slot->DialogResource == nullptr ||
        slot->DialogResource[0] == '\0') {
      continue;
    }
    Fit(shapes[slot->DialogResource], slot->FieldTable, slot->DialogKind);
  }
  Fit(shapes[kCustomVavurOrezoForm], CustomGotoTable(), 1);
  // The own forms of the Record and multi-mail (table forms) and Listen (a rule form) types.
  for (const int type : {kRecordType, kMultiMailType}) {
    if (const PBType* slot = GetPBType(type); slot != nullptr && slot->DialogResource != nullptr) {
      Fit(shapes[slot->DialogResource], slot->FieldTable, 1);
    }
  }
  if (const PBType* listen = GetPBType(kListenType); listen != nullptr) {
    Shape& shape = shapes[kListenResource];
    Fit(shape, listen->FieldTable, 4);
    shape.SetButton = true;
  }
  Shape& call = shapes[kSuperBlockCallForm];
  call.Edits = std::max(call.Edits, kSuperBlockVariableRows);
  call.Labels = std::max(call.Labels, kSuperBlockVariableRows);

  std::ostringstream out;
  out << "// Written from the catalogue's field tables by MakeFormTemplates; do not edit.\n"
         "// Rows: labels 501+, edits 601+ and pick buttons 401+; check boxes 441+, combos 851+,\n"
         "// group boxes 900+ with radio buttons 701+ and a static with each group's name.\n\n";
  for (const auto& [name, shape] : shapes) WriteTemplate(out, name, shape);
  return out.str();
}

}  // namespace zeph
