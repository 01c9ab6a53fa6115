// Value texts of the block-details report.
#include "editors/reports/parmvalues.h"

#include <cstdlib>
#include <cstring>

namespace zeph {
namespace {

// Prompt fields and the modes in which they are looked up in the voice-item table.
struct PromptField {
  int Mode;
  const char* Name;
};
constexpr PromptField kPromptFields[] = {
    {kLookupPassword, "Password Voice Item"},
    {kLookupTransfer, "Prompt to play before transfer"},
    {kLookupMenu, "Menu choices"},
    {kLookupMenu, "No response"},
    {kLookupMenu, "Invalid choice"},
    {kLookupThruDial, "Thru-Dial greeting"},
    {kLookupPromptType, "Custom voice file"},
};
constexpr int kDefaultPromptNumber = 5000;

bool IsPromptField(int mode, const char* name) {
  for (const PromptField& p : kPromptFields) {
    if (p.Mode == mode && std::strcmp(p.Name, name) == 0) return true;
  }
  return false;
}

std::string OrEmpty(const char* text) { return text != nullptr ? text : ""; }

std::string RadioText(const ReportField& field, int mode, const ComboStruct* const tables[5]) {
  const int n = std::abs(field.Number);
  const char* name = field.Def->Name;
  if (mode == kLookupLanguage) {
    if (tables[kComboLanguages] == nullptr) return std::string();
    // Language ids count from 0, the buttons from 1.
    const char* text = FindComboText(tables[kComboLanguages], n - 1);
    return text != nullptr ? text : "No language selected";
  }
  if (mode == kLookupPromptType) {
    if (std::strcmp(name, "Prompt Type Selected") == 0) {
      if (n == 1) return "Custom voice file";
      if (n == 2) return "System prompt";
      return std::string();
    }
    if (std::strcmp(name, "System prompt") == 0) return OrEmpty(ComboTextAt(tables[kComboSystemPrompts], n));
    return std::string();
  }
  std::string radio;
  return RadioNameAt(*field.Def, n, radio) ? radio : std::string();
}

// The table text of the number, else the text form unchanged.
std::string Looked(const ComboStruct* table, int number, const std::string& text) {
  const char* found = FindComboText(table, number);
  return found != nullptr ? found : text;
}

std::string EditText(const ReportField& field, int mode, const ComboStruct* const tables[5]) {
  std::string text = field.Text;
  if (!text.empty() && text[0] == '\'') text.erase(0, 1);
  const char* name = field.Def->Name;
  int number = 0;
  const bool numeric = LookupNumber(text, number);
  if (mode == kLookupFax && std::strcmp(name, "Fax Item") == 0) {
    if ((numeric && number == 0) || tables[kComboFaxItems] == nullptr) return "No fax selected";
    return numeric ? Looked(tables[kComboFaxItems], number, text) : text;
  }
  if (mode == kLookupThruDial && std::strcmp(name, "Restriction/permission list") == 0) {
    if (numeric && number == 0) return "None Selected";
    return numeric ? Looked(tables[kComboRestrictions], number, text) : text;
  }
  if (mode >= kLookupThruDial && mode <= kLookupPassword &&
      (std::strstr(name, "Password Entry") != nullptr || std::strstr(name, "Confirmation Entry") != nullptr)) {
    return text.empty() ? text : "******";
  }
  if (mode >= kLookupThruDial && mode <= kLookupTransfer && IsPromptField(mode, name) && numeric) {
    if (number == 0) return "None Selected";
    if (number == kDefaultPromptNumber) return "Default Prompt";
    if (tables[kComboVoiceItems] == nullptr) return std::string();
    return Looked(tables[kComboVoiceItems], number, text);
  }
  return text;
}

}  // namespace

bool LookupNumber(const std::string& text, int& number) {
  std::size_t i = 0;
  if (!text.empty() && (text[0] == 'v' || text[0] == 'f')) i = 1;
  if (i == 1 && text.size() == 1) return false;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
    if (value > 0x7FFFFFFF) return false;
  }
  number = static_cast<int>(value);
  return true;
}

std::string ParmValueText(const ReportField& field, int mode, const ComboStruct* const tables[5]) {
  switch (field.Def->UIElement) {
    case scribe::kUICheckBox:
      return field.Number != 0 ? "Enabled" : "Disabled";
    case scribe::kUIRadioGroup:
      return RadioText(field, mode, tables);
    case scribe::kUIEdit:
    case scribe::kUIChoice:
      return EditText(field, mode, tables);
    default:
      return "????????";
  }
}

}  // namespace zeph
