// Conversion of old voice sentences and its log.

#include "model/sentconvert.h"

#include <cctype>
#include <cstdarg>
#include <cstring>
#include <new>

#include "foundation/kvmsgbox.h"
#include "model/launcher.h"
#include "model/symtable.h"
#include "model/symtree.h"

namespace zeph {
namespace {

std::string Upper(const char* text) {
  std::string s(text ? text : "");
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  char buf[1024];
  std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  return buf;
}

bool FileExists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

std::string InFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  char last = folder.back();
  return (last == '/' || last == '\\') ? folder + name : folder + "/" + name;
}

// The first free log name: "VS_CVT.LOG", then "VS_CVT00.LOG" ... "VS_CVT99.LOG", then
// "VSCVT100.LOG" on. Empty when every name is taken.
std::string FreeLogName(const std::string& folder) {
  std::string path = InFolder(folder, "VS_CVT.LOG");
  for (int n = 0; FileExists(path); ++n) {
    if (n > 999) return std::string();
    char name[32];
    if (n < 100) std::snprintf(name, sizeof name, "VS_CVT%.2d.LOG", n);
    else std::snprintf(name, sizeof name, "VSCVT%.3d.LOG", n);
    path = InFolder(folder, name);
  }
  return path;
}

// Writes text with CR LF line ends, as every log of the system.
void WriteLines(std::FILE* f, const std::string& text) {
  for (char c : text) {
    if (c == '\n') std::fputc('\r', f);
    std::fputc(c, f);
  }
}

bool IsEntryVariable(const PromptDatabaseTable& table, const Symbol* s) {
  for (int i = 0; i < table.InUse; ++i) {
    if (table.Entries[static_cast<std::size_t>(i)].Variable == s) return true;
  }
  return false;
}

// Points the component's area at the entry's variable, counted once.
void ReferToEntry(SentenceComponent& c, const PromptDatabaseEntry& entry, SymbolTable* program) {
  c.Area.Ref.Clear();
  std::memset(c.Area.Path, 0, sizeof c.Area.Path);
  c.Area.Ref.S = entry.Variable;
  UpdateReferenceCount(c.Area.Ref, 1, program);
  c.RefFlag = 1;
}

void SetFolderText(PromptDatabaseEntry& entry, const std::string& path) {
  entry.FolderText = path.substr(0, kFolderTextSize - 1);
  if (entry.Variable == nullptr) return;
  if (auto* block = dynamic_cast<ValueBlockData*>(entry.Variable->Data.get())) {
    std::memset(block->Bytes(), 0, block->Size());
    std::strncpy(reinterpret_cast<char*>(block->Bytes()), entry.FolderText.c_str(), block->Size() - 1);
  }
}

// Step for a component that holds a folder path (files older than 2.0).
void ConvertPath(SentenceComponent& c, const char* sentence, PromptDatabaseTable& table,
                 SymbolTable* program) {
  std::string path = Upper(c.Area.Path);
  PromptDatabaseEntry* entry = nullptr;
  for (int i = 0; i < table.InUse && entry == nullptr; ++i) {
    PromptDatabaseEntry& e = table.Entries[static_cast<std::size_t>(i)];
    if (!e.FolderText.empty() && Upper(e.FolderText.c_str()) == path) entry = &e;
  }
  if (entry == nullptr && table.InUse < table.Count) {
    entry = &table.Entries[static_cast<std::size_t>(table.InUse++)];
    SetFolderText(*entry, path);
  }
  if (entry == nullptr) {
    entry = &table.Entries[0];
    LogConversion(table, "Voice Sentence %s:  Path %s replace by SYSTEM prompt database.\n", sentence,
                  path.c_str());
  }
  if (entry->Variable != nullptr) ReferToEntry(c, *entry, program);
}

// Step for a component that refers to a variable other than the prompt databases.
void ConvertVariable(SentenceComponent& c, const char* sentence, PromptDatabaseTable& table,
                     SymbolTable* program) {
  SymP ref(c.Area.Ref);
  std::string text = FormatVariableReference(ref, program).substr(0, kVariableTextMax);
  PromptDatabaseEntry* entry = nullptr;
  for (int i = 0; i < table.InUse && entry == nullptr; ++i) {
    PromptDatabaseEntry& e = table.Entries[static_cast<std::size_t>(i)];
    if (!e.VariableText.empty() && e.VariableText == text) entry = &e;
  }
  if (entry == nullptr && table.InUse < table.Count) {
    entry = &table.Entries[static_cast<std::size_t>(table.InUse++)];
    entry->VariableText = text;
    entry->FolderText.clear();  // no path matches this entry from now on
  }
  if (entry != nullptr) {
    c.Text = Format("<Warning:  reference to variable %s changed to prompt database %s.> ", text.c_str(),
                    entry->Name.c_str());
    LogConversion(table, "Voice Sentence %s:  Variable %s converted to prompt database variable %s.\n\n",
                  sentence, text.c_str(), entry->Name.c_str());
  } else {
    entry = &table.Entries[0];
    c.Text = Format("<Error:  reference to variable %s changed to system prompt database.>", text.c_str());
    LogConversion(table,
                  "Voice Sentence %s:  Prompt directory variable %s replaced with SYSTEM prompt database.\n",
                  sentence, text.c_str());
  }
  if (entry->Variable == nullptr) return;
  UpdateReferenceCount(c.Area.Ref, 0, program);
  ReferToEntry(c, *entry, program);
}

// Gives every detail after the first its own copy of the component, right after it.
// Returns the last component of the split (the one before the next original component),
// or null when memory ran out.
SentenceComponent* SplitDetails(SentenceComponent& c, SymbolTable* program) {
  SentenceComponent* last = &c;
  while (c.Detail != nullptr && c.Detail->Next != nullptr) {
    ComponentDetail* detached = c.Detail->Next;
    c.Detail->Next = detached->Next;
    detached->Next = nullptr;
    // The copy takes the detached detail: copy the component without its details.
    ComponentDetail* keep = c.Detail;
    c.Detail = nullptr;
    SentenceComponent* copy = CopySentenceComponent(c, program);
    c.Detail = keep;
    if (copy == nullptr) {
      detached->Next = c.Detail->Next;  // put the detail back
      c.Detail->Next = detached;
      return nullptr;
    }
    copy->Detail = detached;
    copy->Next = last->Next;
    last->Next = copy;
    last = copy;
  }
  return last;
}

}  // namespace

void LogConversion(PromptDatabaseTable& table, const char* format, ...) {
  if (table.Log == nullptr) {
    if (!table.LogPath.empty()) return;  // the log could not be opened: lines are dropped
    std::string path = FreeLogName(table.LogFolder);
    table.LogPath = path.empty() ? std::string("-") : path;
    if (!path.empty()) table.Log = std::fopen(path.c_str(), "wb");
    if (table.Log == nullptr) return;
  }
  va_list args;
  va_start(args, format);
  char buf[1024];
  std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  WriteLines(table.Log, buf);
}

void BuildPromptDatabaseTable(PromptDatabaseTable& table, SymbolTable* program) {
  SymbolTable* t = ResolveProgram(program);
  for (int i = 0; i < kFolderVariableCount; ++i) {
    PromptDatabaseEntry& e = table.Entries[static_cast<std::size_t>(i)];
    e = PromptDatabaseEntry{};
    e.Name = FolderVariableName(i);
    e.Variable = LookupSymbol(e.Name.c_str(), kTypeString, t);
    if (e.Variable != nullptr) {
      if (auto* block = dynamic_cast<ValueBlockData*>(e.Variable->Data.get())) {
        const char* text = reinterpret_cast<const char*>(block->Bytes());
        const void* end = std::memchr(text, 0, block->Size());
        e.FolderText.assign(text, end ? static_cast<const char*>(end) - text : block->Size());
      }
    }
  }
  table.Count = kFolderVariableCount;
  table.InUse = 1;
}

int ConvertSentence(Symbol& sentence, PromptDatabaseTable& table, SymbolTable* program) {
  SentenceComponent** head = SentenceComponents(&sentence);
  if (head == nullptr) return 0;
  const char* name = sentence.Name;
  for (SentenceComponent* c = *head; c != nullptr; c = c->Next) {
    if (c->Kind == kKindFullFileVoice && c->Detail == nullptr) {
      ComponentDetail* d = NewComponentDetail();
      if (d == nullptr) return kErrOutOfMemory;
      d->Flag1 = c->RefFlag;
      d->Area1 = c->Area;
      if (d->Flag1) UpdateReferenceCount(d->Area1.Ref, 1, program);
      c->Detail = d;
      continue;
    }
    if (c->Kind == kKindIndexVoice || (c->Kind >= kKindIndexNumber && c->Kind <= kKindIndexTime)) {
      const char* oldName = ComponentKindName(c->Kind);
      c->Text = Format("<Conversion warning:  the original type (%s) is no longer supported.>", oldName);
      c->Kind = static_cast<std::int16_t>(c->Kind == kKindIndexVoice ? kKindFileVoice : c->Kind - 15);
      LogConversion(table, "Voice Sentence %s:  Component of type %s converted to type %s.\n", name, oldName,
                    ComponentKindDisplayName(c->Kind));
    }
    if (c->RefFlag == 0) {
      ConvertPath(*c, name, table, program);
    } else if (c->Area.Ref.S != nullptr && !IsEntryVariable(table, c->Area.Ref.S)) {
      ConvertVariable(*c, name, table, program);
    }
    SentenceComponent* last = SplitDetails(*c, program);
    if (last == nullptr) return kErrOutOfMemory;
    c = last;
  }
  return 0;
}

int ConvertOldSentences(PromptDatabaseTable& table, SymbolTable* program, ProgramLauncher* launcher) {
  SymbolTable* t = ResolveProgram(program);
  if (t == nullptr) return kRcNoProgram;
  BuildPromptDatabaseTable(table, t);
  int result = 0;
  SymTreeWalkPostOrder(*t->TreeSlot(kTypeVoiceSentence), [&](Symbol& s) {
    if (result != 0 || s.Deleted) return;
    result = ConvertSentence(s, table, t);
  });
  if (table.Log != nullptr) {
    std::fclose(table.Log);
    table.Log = nullptr;
    std::string question = Format(
        "Log file %s contains voice sentence conversion infomation.  Would you like to view this file now?",
        table.LogPath.c_str());
    KvMessageBoxRequest ask;
    ask.text = question.c_str();
    ask.caption = "";
    ask.style = kKvMbYesNo | kKvMbIconQuestion;
    if (KvMessageBox(ask) == kKvIdYes) {
      ProgramLauncher& start = launcher ? *launcher : PlatformProgramLauncher();
      if (!start.Start(Format("notepad %s", table.LogPath.c_str()))) {
        std::string text = Format("Unable to start notepad.  Please view the file %s using your favorite editor.",
                                  table.LogPath.c_str());
        KvMessageBoxRequest stop;
        stop.text = text.c_str();
        stop.caption = "Error!";
        stop.style = kKvMbOk | kKvMbIconHand;
        KvMessageBox(stop);
      }
    }
  }
  return result;
}

}  // namespace zeph
