#pragma once
// Shared pieces of the voice sentence tests: a settings file held in memory, a table of
// file stamps, and phrases built the way the sentence editor stores them.

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "editors/sentences/componentline.h"
#include "editors/sentences/filestamp.h"
#include "editors/sentences/usertypes.h"
#include "model/datatypes.h"
#include "model/program/program.h"
#include "model/symtable.h"
#include "model/varref.h"
#include "model/vsentence.h"

namespace zeph::test {

// Keys of one settings file; a key that is not there gives the default.
class MapIni : public IniReader {
 public:
  std::map<std::string, std::string> keys;   // "section/key" -> value
  void Set(const std::string& key, const std::string& value) { keys[std::string(kUserTypesSection) + "/" + key] = value; }
  // The name and language table keys of type i (from 1); the count is raised to i.
  void Type(int i, const std::string& name, int table) {
    const std::string n = std::to_string(i);
    Set("User Defined Name " + n, name);
    Set("User Defined Language Table " + n, std::to_string(table));
    if (ReadInt(kUserTypesSection, "Number of User Defined Types", 0) < i) Set("Number of User Defined Types", n);
  }
  int ReadInt(const char* section, const char* key, int defaultValue) override {
    auto it = keys.find(std::string(section) + "/" + key);
    return it == keys.end() ? defaultValue : std::atoi(it->second.c_str());
  }
  std::string ReadString(const char* section, const char* key, const char* defaultValue, int maxChars) override {
    auto it = keys.find(std::string(section) + "/" + key);
    std::string value = it == keys.end() ? defaultValue : it->second;
    if (static_cast<int>(value.size()) > maxChars) value.resize(static_cast<std::size_t>(maxChars));
    return value;
  }
};

// User types loaded from keys for the life of the object.
class ScopedUserTypes {
 public:
  explicit ScopedUserTypes(MapIni& ini) { LoadUserDefIni(ini); }
  ~ScopedUserTypes() { FreeUserDefIni(); }
};

// Stamps by exact path; made current for the life of the object.
class StampTable : public FileStampSource {
 public:
  StampTable() { SetFileStamps(this); }
  ~StampTable() override { SetFileStamps(nullptr); }
  std::map<std::string, FileStamp> files;
  bool Find(const std::string& path, FileStamp& out) override {
    auto it = files.find(path);
    if (it == files.end()) return false;
    out = it->second;
    return true;
  }
};

inline std::uint16_t DosDate(int year, int month, int day) {
  return static_cast<std::uint16_t>(((year - 1980) << 9) | (month << 5) | day);
}
inline std::uint16_t DosTime(int hour, int minute) { return static_cast<std::uint16_t>((hour << 11) | (minute << 5)); }

inline void SetVariableText(Symbol* variable, const char* text) {
  auto* block = dynamic_cast<ValueBlockData*>(variable->Data.get());
  std::memset(block->Bytes(), 0, block->Size());
  std::strncpy(reinterpret_cast<char*>(block->Bytes()), text, block->Size() - 1);
}

// A phrase of a database or number kind: the database variable in its area, the prompt
// as a text or (reference set) as a reference to the named variable.
inline SentenceComponent* Phrase(SymbolTable& program, int kind, const char* database, const char* prompt,
                                 bool reference = false, const char* comment = nullptr) {
  SentenceComponent* c = NewSentenceComponent();
  c->Kind = static_cast<std::int16_t>(kind);
  c->RefFlag = 1;
  c->Area.Ref.S = LookupSymbol(database, kTypeString, &program);
  ComponentDetail* d = NewComponentDetail();
  if (reference) {
    d->Flag1 = 1;
    ParseVariableReference(prompt, d->Area1.Ref, AllTypesMask(), nullptr, &program);
  } else {
    std::strncpy(d->Area1.Path, prompt, sizeof d->Area1.Path - 1);
  }
  c->Detail = d;
  if (comment != nullptr) c->Text = comment;
  return c;
}

// A phrase of a direct kind: the phrase as a text, or a reference to the named variable.
inline SentenceComponent* DirectPhrase(SymbolTable& program, int kind, const char* phrase, bool reference = false,
                                       const char* comment = nullptr) {
  SentenceComponent* c = NewSentenceComponent();
  c->Kind = static_cast<std::int16_t>(kind);
  if (reference) {
    c->RefFlag = 1;
    ParseVariableReference(phrase, c->Area.Ref, AllTypesMask(), nullptr, &program);
  } else {
    std::strncpy(c->Area.Path, phrase, sizeof c->Area.Path - 1);
  }
  c->Detail = NewComponentDetail();
  if (comment != nullptr) c->Text = comment;
  return c;
}

// A global voice sentence of the program holding the phrases in order; null when it could
// not be filed.
inline Symbol* FileSentence(TProgram& program, const char* name, const std::vector<SentenceComponent*>& components) {
  Symbol* s = nullptr;
  if (program.AddNamedSymbol(&s, name, kTypeVoiceSentence, 1, 1, 0, false) != 0) return nullptr;
  SentenceComponent* head = nullptr;
  int n = 0;
  for (SentenceComponent* c : components) InsertComponentAt(n++, &head, c);
  s->Data = std::make_unique<SentenceData>(head);
  return s;
}

}  // namespace zeph::test
