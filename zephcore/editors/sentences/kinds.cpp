// Phrase kind names and codes, and the prompt databases.
#include "editors/sentences/kinds.h"

#include <cstring>

#include "editors/sentences/usertypes.h"
#include "model/vsentence.h"

namespace zeph {
namespace {

const char* const kKindNames[kBuiltInKindCount + 1] = {
    "Recording", ".", "Decimal Number", "Number, 1 Decimal", "Number, 2 Decimal", "Number, 3 Decimal",
    "Number, 4 Decimal", "Digits", "Letters or Digits", "Integer", "Integer, 0 = 'No'", "Money", "Weekday",
    "Month", "Year", "Day of Month", "Time", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".", ".",
    ".", ".", "Full Path", "Text to Speech", "Text to Speech File", "Text to Speech Comment", ""};

const char* const kDatabaseNames[kPromptDatabaseCount + 1] = {
    "SYSTEM", "USER", "DATABASE1", "DATABASE2", "DATABASE3", "DATABASE4",
    "DATABASE5", "DATABASE6", "DATABASE7", "DATABASE8", "DATABASE9", ""};

const char* const kDatabaseVariables[kPromptDatabaseCount + 1] = {
    "_PR_SYSTEM", "_PR_USER", "_PR_DATABASE1", "_PR_DATABASE2", "_PR_DATABASE3", "_PR_DATABASE4",
    "_PR_DATABASE5", "_PR_DATABASE6", "_PR_DATABASE7", "_PR_DATABASE8", "_PR_DATABASE9", ""};

}  // namespace

const char* const* BuiltInKindNames() { return kKindNames; }

std::int16_t FindKind(const std::string& text) {
  const std::string name = text.substr(0, text.find('\t'));
  for (int code = 0; kKindNames[code][0] != 0; ++code) {
    if (name == kKindNames[code]) return static_cast<std::int16_t>(code);
  }
  for (int i = 0; i < UserTypeCount(); ++i) {
    const UserSentenceType* type = UserTypeAt(i);
    if (name == type->Name) return static_cast<std::int16_t>(kUserKindBase + type->LanguageTable);
  }
  return -1;
}

std::string KindName(int code) {
  if (code >= 0 && code < kBuiltInKindCount) return kKindNames[code];
  if (code >= kUserKindBase) {
    for (int i = 0; i < UserTypeCount(); ++i) {
      const UserSentenceType* type = UserTypeAt(i);
      if (type->LanguageTable == code - kUserKindBase) return type->Name;
    }
    return std::to_string(code - kUserKindBase);
  }
  return std::string();
}

bool IsDirectKind(int kind) {
  return kind == kKindFullFileVoice || kind == kKindTextToSpeech || kind == kKindTextToSpeechComment;
}
bool IsDatabaseKind(int kind) { return kind == kKindFileVoice || kind == kKindTextToSpeechFile; }
bool IsDateTimeKind(int kind) { return kind >= 12 && kind <= 16; }

const char* const* PromptDatabaseNames() { return kDatabaseNames; }
const char* const* PromptDatabaseVariables() { return kDatabaseVariables; }

std::string DatabaseDisplayName(const std::string& variable) {
  const char* name = LookupNameText(variable.c_str(), kDatabaseVariables, kDatabaseNames);
  return name != nullptr ? name : "";
}

std::string DatabaseVariableName(const std::string& displayName) {
  const char* name = LookupNameText(displayName.c_str(), kDatabaseNames, kDatabaseVariables);
  return name != nullptr ? name : "";
}

}  // namespace zeph
