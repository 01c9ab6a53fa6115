// Voice-sentence component lists: creation, insertion, removal with reference release,
// deep copies, deletion of a sentence, kind names and component folders.

#include "model/vsentence.h"

#include <cstring>
#include <new>

#include "foundation/kvassert.h"
#include "model/recordlist.h"
#include "model/symtable.h"

namespace zeph {
namespace {

const char* const kInternalNames[kComponentKindCount] = {
    "FileVoice", "IndexVoice", "FileNumber", "FileNumber1", "FileNumber2", "FileNumber3",
    "FileNumber4", "FileDigits", "FileLetters", "FileInteger", "FileCount", "FileMoney",
    "FileWeekDay", "FileMonth", "FileYear", "FileDayOfMonth", "FileTime", "IndexNumber",
    "IndexNumber1", "IndexNumber2", "IndexNumber3", "IndexNumber4", "IndexDigits",
    "IndexLetters", "IndexInteger", "IndexCount", "IndexMoney", "IndexWeekDay", "IndexMonth",
    "IndexYear", "IndexDayOfMonth", "IndexTime", "FullFileVoice", nullptr, nullptr, nullptr};

const char* const kDisplayNames[kComponentKindCount] = {
    "Recording", "(obsolete)", "Decimal Number", "Number, 1 Decimal", "Number, 2 Decimal",
    "Number, 3 Decimal", "Number, 4 Decimal", "Digits", "Letters or Digits", "Integer",
    "Integer, 0 = 'No'", "Money", "Weekday", "Month", "Year", "Day of Month", "Time",
    "(obsolete)", "(obsolete)", "(obsolete)", "(obsolete)", "(obsolete)", "(obsolete)",
    "(obsolete)", "(obsolete)", "(obsolete)", "(obsolete)", "(obsolete)", "(obsolete)",
    "(obsolete)", "(obsolete)", "(obsolete)", "Full Path", "Text to Speech",
    "Text to Speech File", "Text to Speech Comment"};

void Release(const SymP& ref, std::int16_t flag, SymbolTable* program) {
  if (flag) UpdateReferenceCount(ref, 0, program);
}

void Count(const SymP& ref, std::int16_t flag, SymbolTable* program) {
  if (flag) UpdateReferenceCount(ref, 1, program);
}

void ReleaseDetailRefs(const ComponentDetail& d, SymbolTable* program) {
  Release(d.Area1.Ref, d.Flag1, program);
  Release(d.Ref2, d.Flag2, program);
  Release(d.Ref3, d.Flag3, program);
}

void FreeDetails(ComponentDetail* d) {
  while (d != nullptr) {
    ComponentDetail* next = d->Next;
    delete d;
    d = next;
  }
}

// Releases what one component holds and frees it with its details.
void ReleaseAndFree(SentenceComponent* c, SymbolTable* program) {
  Release(c->Area.Ref, c->RefFlag, program);
  for (ComponentDetail* d = c->Detail; d != nullptr; d = d->Next) ReleaseDetailRefs(*d, program);
  FreeDetails(c->Detail);
  delete c;
}

// Copies a whole detail chain, counting the copy's references; false when memory ran out
// (nothing is left behind).
bool CopyDetailChain(const ComponentDetail* source, ComponentDetail** out, SymbolTable* program) {
  *out = nullptr;
  ComponentDetail** tail = out;
  for (const ComponentDetail* d = source; d != nullptr; d = d->Next) {
    ComponentDetail* copy = nullptr;
    try {
      copy = new ComponentDetail(*d);
    } catch (const std::bad_alloc&) {
      for (ComponentDetail* c = *out; c != nullptr; c = c->Next) ReleaseDetailRefs(*c, program);
      FreeDetails(*out);
      *out = nullptr;
      return false;
    }
    copy->Next = nullptr;
    Count(copy->Area1.Ref, copy->Flag1, program);
    Count(copy->Ref2, copy->Flag2, program);
    Count(copy->Ref3, copy->Flag3, program);
    *tail = copy;
    tail = &copy->Next;
  }
  return true;
}

}  // namespace

SentenceData::~SentenceData() { FreeSentenceComponents(First); }

SentenceComponent** SentenceComponents(Symbol* sentence) {
  if (sentence == nullptr) return nullptr;
  auto* data = dynamic_cast<SentenceData*>(sentence->Data.get());
  return data ? &data->First : nullptr;
}

const char* ComponentKindName(int kind) {
  return (kind >= 0 && kind < kComponentKindCount) ? kInternalNames[kind] : nullptr;
}

const char* ComponentKindDisplayName(int kind) {
  return (kind >= 0 && kind < kComponentKindCount) ? kDisplayNames[kind] : nullptr;
}

const char* const* ComponentKindDisplayNames() { return kDisplayNames; }

SentenceComponent* NewSentenceComponent() { return new (std::nothrow) SentenceComponent(); }
ComponentDetail* NewComponentDetail() { return new (std::nothrow) ComponentDetail(); }

int InsertComponentAt(int n, SentenceComponent** head, SentenceComponent* component) {
  return InsertRecordAt(n, head, component);
}

int InsertComponentDetailAt(int n, ComponentDetail** head, ComponentDetail* detail) {
  return InsertRecordAfter(n, head, detail);
}

SentenceComponent* GetSentenceComponentAt(int n, SentenceComponent* first) {
  if (n < 0) return nullptr;
  SentenceComponent* c = first;
  for (int i = 0; i < n && c != nullptr; ++i) c = c->Next;
  return c;
}

void RemoveSentenceComponent(int n, SentenceComponent** head, SymbolTable* program) {
  if (head == nullptr || n < 0) return;
  SentenceComponent** link = head;
  for (int i = 0; i < n && *link != nullptr; ++i) link = &(*link)->Next;
  SentenceComponent* c = *link;
  if (c == nullptr) return;
  *link = c->Next;
  ReleaseAndFree(c, program);
}

void ReleaseSentenceComponents(SentenceComponent** head, SymbolTable* program) {
  if (head == nullptr) return;
  while (*head != nullptr) RemoveSentenceComponent(0, head, program);
}

void FreeSentenceComponents(SentenceComponent* first) {
  while (first != nullptr) {
    SentenceComponent* next = first->Next;
    FreeDetails(first->Detail);
    delete first;
    first = next;
  }
}

SentenceComponent* CopySentenceComponent(const SentenceComponent& source, SymbolTable* program) {
  SentenceComponent* copy = nullptr;
  try {
    copy = new SentenceComponent();
    copy->Kind = source.Kind;
    copy->RefFlag = source.RefFlag;
    copy->Area = source.Area;
    copy->Text = source.Text;
    copy->Id = source.Id;
  } catch (const std::bad_alloc&) {
    delete copy;
    return nullptr;
  }
  if (!CopyDetailChain(source.Detail, &copy->Detail, program)) {
    delete copy;
    return nullptr;
  }
  Count(copy->Area.Ref, copy->RefFlag, program);
  return copy;
}

int CopySentenceComponents(const SentenceComponent* source, SentenceComponent** out,
                           SymbolTable* program) {
  if (out == nullptr) return kErrOutOfMemory;
  *out = nullptr;
  SentenceComponent** tail = out;
  for (const SentenceComponent* c = source; c != nullptr; c = c->Next) {
    SentenceComponent* copy = CopySentenceComponent(*c, program);
    if (copy == nullptr) {
      ReleaseSentenceComponents(out, program);
      return kErrOutOfMemory;
    }
    *tail = copy;
    tail = &copy->Next;
  }
  return 0;
}

int DeleteVoiceSentence(const char* name, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  Symbol* s = LookupSymbol(name, kTypeVoiceSentence, table);
  if (s == nullptr) return kErrNoSuchVariable;
  if (s->RefCnt != 0) return kErrVariableInUse;
  if (s->CanDelete == 0) return kErrNotDeletable;
  s->Deleted = 1;
  ReleaseSentenceComponents(SentenceComponents(s), table);
  s->Data.reset();
  return 0;
}

int FindComponentKind(const char* name, const char* const* kindTable) {
  if (name == nullptr) return -1;
  const char* const* table = kindTable ? kindTable : kInternalNames;
  for (int kind = 0; kind < kComponentKindCount; ++kind) {
    if (table[kind] != nullptr && std::strcmp(table[kind], name) == 0) return kind;
  }
  return -1;
}

const char* LookupNameText(const char* name, const char* const* names, const char* const* texts) {
  if (name == nullptr || names == nullptr || texts == nullptr) return nullptr;
  for (int i = 0; names[i] != nullptr && names[i][0] != 0; ++i) {
    if (std::strcmp(names[i], name) == 0) return texts[i];
  }
  return nullptr;
}

std::string GetComponentFolderText(int kind, SymbolTable* program) {
  SymbolTable* table = ResolveProgram(program);
  if (table == nullptr) return std::string();
  int folder;
  if (kind == kKindFileVoice || kind == kKindFullFileVoice) folder = 0;
  else if (kind == kKindIndexVoice) folder = 1;
  else if (kind >= kKindFileNumber && kind <= kKindFileTime) folder = 3;
  else folder = 2;  // 17-31, 33 and above
  SymbolTableHooks& hooks = table->Hooks();
  if (const SymP* ref = hooks.DefaultFolderReference(*table, folder); ref != nullptr && ref->S != nullptr) {
    SymP copy(*ref);
    return FormatVariableReference(copy, table);
  }
  const char* text = hooks.DefaultFolderText(*table, folder);
  return text ? text : "";
}

void ShowComponentFolder(TextTarget& edit, const KindListSource& list, SymbolTable* program) {
  std::string selected = list.SelectedText();
  if (selected.size() > 127) selected.resize(127);
  int kind = FindComponentKind(selected.c_str());
  if (kind < 0) kind = FindComponentKind(selected.c_str(), kDisplayNames);
  if (kind < 0) return;
  edit.SetText(GetComponentFolderText(kind, program));
}

}  // namespace zeph
