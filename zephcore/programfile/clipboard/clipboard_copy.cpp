// Copying symbols with what they depend on, between the clipboard program and another.

#include <algorithm>
#include <cstring>
#include <new>

#include "model/custompb.h"
#include "model/pbentry_instance.h"
#include "model/pbfield_lookup.h"
#include "model/program/faxeditors.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "model/symtable.h"
#include "model/varref.h"
#include "model/vsentence.h"
#include "programfile/clipboard/clipboard.h"
#include "programfile/clipboard/clipequal.h"

namespace zeph {

namespace {

constexpr int kPBTypeImportedApplication = 409;

int KindOfType(int type) {
  switch (type) {
    case kTypeFaxDocument: return kClipFaxDocument;
    case kTypeVavurOrezo: return kClipVavurOrezo;
    case kTypeVoiceSentence: return kClipSentence;
    default: return kClipSymbol;
  }
}

// Byte size of a symbol's value block: the element size times the array count.
int ValueBlockSize(const Symbol& symbol, SymbolTable& table) {
  int element = 0;
  if (symbol.Type == kTypeString) {
    element = std::max<int>(1, symbol.Size);
  } else if (symbol.Type >= kFirstStructureId) {
    element = GetStructureSize(FindStructureById(symbol.Type, &table), &table);
  } else {
    element = GetTypeSize(symbol.Type, &table);
  }
  return element * std::max<int>(1, symbol.ArraySize);
}

// Index (from 0) of the goto field whose slot is at the offset, or -1.
int GotoNumberAt(const PBInstance& instance, int offset) {
  const PBFieldDef* table = GetFieldTable(instance.Type, &instance);
  int n = 0;
  for (int i = 0; table != nullptr && !table[i].IsEnd(); ++i) {
    if (!table[i].IsGoto()) continue;
    if (table[i].FieldOffset == offset) return n;
    ++n;
  }
  return -1;
}

}  // namespace

int TVlxClipboard::AddSymbol(Symbol* symbol, const char* name, TProgram& from, TProgram& to, int dependent) {
  if (symbol == nullptr || name == nullptr) return 1;
  const Direction d{from, to, !IsClipboardProgram(to), dependent};
  TProgram::DisableSymbolPageCheck fromAll(from);
  TProgram::DisableSymbolPageCheck toAll(to);
  // A symbol the target has already: reused when equal or when the user chose so; it
  // counts only the references that the copy brings.
  if (Symbol* there = FindSymbol(to, name); there != nullptr) {
    const TClipInfo* entry = d.pasting ? FindEntry(symbol->Name) : nullptr;
    if ((entry != nullptr && entry->UseExisting != 0) ||
        SymbolsEqual(symbol, from.Symbols(), there, to.Symbols(), false)) {
      return 0;
    }
    messages_.push_back(std::string("\"") + name + "\" is in use by another symbol.");
    return 1;
  }
  return InsertCopy(symbol, name, d.pasting ? FindEntry(symbol->Name) : nullptr, d, dependent);
}

// Steps shared by AddSymbol and the paste of direct entries: the structure of the type,
// the copied record under the name, the entry or the interface bookkeeping, the data.
int TVlxClipboard::InsertCopy(Symbol* symbol, const char* name, TClipInfo* entry, const Direction& d, int dependent) {
  if (std::strlen(name) >= static_cast<std::size_t>(kSymbolNameSize)) {
    messages_.push_back(std::string("\"") + name + "\" is longer than a name may be.");
    return 1;
  }
  int type = symbol->Type;
  if (type >= kFirstStructureId) {
    StructDef* def = EnsureStructure(type, d.from, d.to, !d.pasting, 1);
    if (def == nullptr) return 1;
    type = def->TypeNum;
  }
  SymbolBody body;
  InitSymbol(body, name, symbol->Size, type, symbol->CanDelete, symbol->Invisible, symbol->Scope,
             symbol->ArraySize, symbol->IsConst);
  SetSymbolStructFlag(body, type);
  body.NotInCode = symbol->NotInCode;
  const bool pageLocal = entry != nullptr && entry->PageLocal != 0;
  if (d.pasting && d.to.Symbols().NamesUnqualified != 0 && !pageLocal && (body.Scope == 1 || body.Scope == 2)) {
    body.Scope = 0;
  }
  // Interface variables: a table that is full enough leaves the symbol an ordinary page
  // symbol (a direct one is refused before the paste starts).
  if (d.pasting && body.Scope == 2) {
    if (InterfaceVariableCount(d.to, name) >= kPasteInterfaceVariableLimit) body.Scope = 1;
  }
  Symbol* copy = InsertSymbol(body, type, true, &d.to.Symbols());
  if (copy == nullptr) return 1;
  if (d.pasting && copy->Scope == 2) AddParmInfo(name, type, copy->Size);
  if (CopySymbolData(*symbol, *copy, d) != 0) return 1;
  copy->RefCnt = 0;
  // The entry is made once the data is there: a sentence's entry keeps its number.
  if (!d.pasting) AddClipInfo(name, KindOfType(type), dependent);
  return 0;
}

int TVlxClipboard::CopySymbolData(const Symbol& source, Symbol& copy, const Direction& d) {
  const SymbolData* data = source.Data.get();
  if (data == nullptr) return 0;
  if (const auto* instance = dynamic_cast<const PBInstance*>(data)) {
    return CopyInstance(*instance, copy.Name, copy, d);
  }
  if (dynamic_cast<const SentenceData*>(data) != nullptr) return CopySentence(source, copy, d);
  if (const auto* fax = dynamic_cast<const FaxEditorData*>(data)) {
    auto made = std::unique_ptr<FaxEditorData>(new (std::nothrow) FaxEditorData());
    if (made == nullptr) return 1;
    made->Word1 = fax->Word1;
    made->Word2 = fax->Word2;
    std::memcpy(made->Text1, fax->Text1, sizeof made->Text1);
    std::memcpy(made->Text2, fax->Text2, sizeof made->Text2);
    copy.Data = std::move(made);
    return 0;
  }
  if (const auto* page = dynamic_cast<const SBPageData*>(data)) {
    // The interface is re-created from the parameter infos after a paste.
    auto made = std::unique_ptr<SBPageData>(new (std::nothrow) SBPageData());
    if (made == nullptr) return 1;
    made->PageType = page->PageType;
    copy.Data = std::move(made);
    return 0;
  }
  if (const auto* block = dynamic_cast<const ValueBlockData*>(data)) {
    const int size = ValueBlockSize(copy, d.to.Symbols());
    if (size <= 0) return 0;
    auto made = std::unique_ptr<ValueBlockData>(new (std::nothrow) ValueBlockData(static_cast<std::size_t>(size)));
    if (made == nullptr) return 1;
    std::memcpy(made->Bytes(), block->Bytes(), std::min(block->Size(), made->Size()));
    copy.Data = std::move(made);
  }
  return 0;
}

int TVlxClipboard::CopySlot(const SymP& source, SymP& copy, const Direction& d, bool count, const PBInstance* owner,
                            int offset) {
  copy.Clear();
  if (source.S == nullptr) {
    // A constant (or a goto's pending target text) is duplicated.
    copy.SetConstBytes(source.ConstPtr.data(), source.ConstPtr.size());
    copy.ConstType = source.ConstType;
    return 0;
  }
  if (source.S->Type == kTypeVavurOrezo) {
    // Only a VavurOrezo's own slots point at VavurOrezos (its gotos).
    if (owner != nullptr) fixups_.push_back(TSymbolPFixup{NewNameIn(source.S->Name, d.to), owner->Name, offset});
    return 0;
  }
  // What a slot brings along is held as dependent: it is there because something uses it.
  const std::string name = NewNameIn(source.S->Name, d.to);
  if (AddSymbol(source.S, name.c_str(), d.from, d.to, d.pasting ? 0 : 1) != 0) return 1;
  Symbol* target = FindSymbol(d.to, name);
  if (target == nullptr) return 1;
  copy.S = target;
  copy.SetConstBytes(source.ConstPtr.data(), source.ConstPtr.size());
  copy.ConstType = source.ConstType;
  // Members travel by name: the target's structure may number them differently.
  if (source.StructMemNum != 0) {
    StructMember* member = FindMemberById(source.S->Type, source.StructMemNum, &d.from.Symbols());
    const int id = member != nullptr ? GetMemberIdByName(target->Type, member->Name, &d.to.Symbols()) : 0;
    if (id <= 0) return 1;
    copy.StructMemNum = static_cast<std::int16_t>(id);
    if (source.Struct2MemNum != 0) {
      StructMember* inner = FindMemberById(member->Type, source.Struct2MemNum, &d.from.Symbols());
      StructMember* outer = FindMemberById(target->Type, copy.StructMemNum, &d.to.Symbols());
      const int innerId = inner != nullptr && outer != nullptr
                              ? GetMemberIdByName(outer->Type, inner->Name, &d.to.Symbols())
                              : 0;
      if (innerId <= 0) return 1;
      copy.Struct2MemNum = static_cast<std::int16_t>(innerId);
    }
  }
  if (source.ArrayIndex != nullptr) {
    copy.ArrayIndex = std::unique_ptr<SymP>(new (std::nothrow) SymP());
    if (copy.ArrayIndex == nullptr || CopySlot(*source.ArrayIndex, *copy.ArrayIndex, d, false) != 0) return 1;
  }
  if (count) UpdateReferenceCount(copy, 1, &d.to.Symbols());
  return 0;
}

int TVlxClipboard::CopyInstance(const PBInstance& source, const char* name, Symbol& copy, const Direction& d) {
  auto made = std::unique_ptr<PBInstance>(new (std::nothrow) PBInstance());
  if (made == nullptr) return 1;
  PBInstance& block = *made;
  block.Type = source.Type;
  std::memcpy(block.Area.Bytes(), source.Area.Bytes(), kParameterAreaSize);
  block.GotoMask = source.GotoMask;
  block.Complete = source.Complete;
  block.Filled = source.Filled;
  block.X = source.X;
  block.Y = source.Y;
  block.Header = source.Header;
  block.Name = name;
  if (!source.Companion.empty()) {
    if (d.pasting && source.Type == 181) {
      block.Companion = SymbolPartOf(name);
    } else if (d.pasting && source.Type == kPBTypeSuperBlock) {
      block.Companion = NewNameIn(source.Companion, d.to);
    } else {
      block.Companion = source.Companion;
    }
  }
  // The instance is attached first so that the goto fixups find their owner.
  copy.Data = std::move(made);
  for (const auto& [offset, slot] : const_cast<PBInstance&>(source).Area.Slots()) {
    if (source.Area.IsSlotEmpty(offset)) continue;
    SymP* target = block.Area.Slot(offset);
    if (target == nullptr || CopySlot(slot, *target, d, true, &block, offset) != 0) return 1;
  }
  if (source.Type == 181 && (!d.pasting || !source.Companion.empty())) AddParmInfo(name, kTypeVavurOrezo, 0);
  if (source.Type == kPBTypeCustom && !source.Companion.empty()) {
    const char* custom = source.Companion.c_str();
    CustomPBEntry* mine = CustomPBFind(d.from.CustomVavurOrezos(), custom);
    CustomPBEntry* there = CustomPBFind(d.to.CustomVavurOrezos(), custom);
    if (there == nullptr) {
      if (CustomPBAdd(d.to.CustomVavurOrezos(), custom, &d.to.Symbols()) != 0) return 1;
      there = CustomPBFind(d.to.CustomVavurOrezos(), custom);
      if (there == nullptr) return 1;
      if (mine != nullptr) there->Code = mine->Code;
    } else if (d.pasting && mine != nullptr && mine->Code != there->Code) {
      messages_.push_back(std::string("Custom VavurOrezo ") + custom +
                          " already exists with different code; the existing code is kept.");
    }
    ++there->RefCount;
  }
  if (source.Type == kPBTypeImportedApplication && !block.Companion.empty()) {
    // The application it runs is a symbol of the program (often a library's): counted
    // there as adding the block counts it; a program without it keeps the block uncounted.
    SymbolTable& t = d.to.Symbols();
    TProgram::DisableSymbolPageCheck allPages(d.to);
    Symbol* used = LookupSymbolByMask(block.Companion.c_str(), LookupMask, &t);
    if (used == nullptr) used = LookupSymbol(block.Companion.c_str(), kLibraryTreeSlot, &t);
    if (used != nullptr) ++used->RefCnt;
  }
  ++d.to.VavurOrezoCount;
  return 0;
}

int TVlxClipboard::CopyComponent(const SentenceComponent& source, SentenceComponent*& out, const Direction& d) {
  out = NewSentenceComponent();
  if (out == nullptr) return 1;
  SentenceComponent& c = *out;
  c.Kind = source.Kind;
  c.RefFlag = source.RefFlag;
  c.Id = source.Id;
  c.Text = source.Text;
  std::memcpy(c.Area.Path, source.Area.Path, sizeof c.Area.Path);
  if (CopySlot(source.Area.Ref, c.Area.Ref, d, source.RefFlag != 0) != 0) return 1;
  ComponentDetail** tail = &c.Detail;
  for (const ComponentDetail* item = source.Detail; item != nullptr; item = item->Next) {
    ComponentDetail* made = NewComponentDetail();
    if (made == nullptr) return 1;
    *tail = made;
    tail = &made->Next;
    made->Flag1 = item->Flag1;
    made->Flag2 = item->Flag2;
    made->Flag3 = item->Flag3;
    std::memcpy(made->Area1.Path, item->Area1.Path, sizeof made->Area1.Path);
    if (CopySlot(item->Area1.Ref, made->Area1.Ref, d, item->Flag1 != 0) != 0 ||
        CopySlot(item->Ref2, made->Ref2, d, item->Flag2 != 0) != 0 ||
        CopySlot(item->Ref3, made->Ref3, d, item->Flag3 != 0) != 0) {
      return 1;
    }
  }
  return 0;
}

int TVlxClipboard::CopySentence(const Symbol& source, Symbol& copy, const Direction& d) {
  const auto& sentence = static_cast<const SentenceData&>(*source.Data);
  auto made = std::unique_ptr<SentenceData>(new (std::nothrow) SentenceData());
  if (made == nullptr) return 1;
  SentenceData& list = *made;
  copy.Data = std::move(made);   // components already made are freed with the symbol
  SentenceComponent** tail = &list.First;
  for (const SentenceComponent* c = sentence.First; c != nullptr; c = c->Next) {
    SentenceComponent* component = nullptr;
    const int rc = CopyComponent(*c, component, d);
    if (component != nullptr) {
      *tail = component;
      tail = &component->Next;
    }
    if (rc != 0) return 1;
  }
  return 0;
}

void TVlxClipboard::ResolveSymbolFixups(TProgram& program) {
  TProgram::DisableSymbolPageCheck allPages(program);
  SymbolTable& table = program.Symbols();
  for (const TSymbolPFixup& fixup : fixups_) {
    PBInstance* owner = InstanceOf(LookupSymbol(fixup.OwnerName.c_str(), kTypeVavurOrezo, &table));
    SymP* slot = owner != nullptr ? owner->Area.FindSlot(fixup.Offset) : nullptr;
    if (slot == nullptr) continue;
    Symbol* target = LookupSymbol(fixup.Name.c_str(), kTypeVavurOrezo, &table);
    const int n = GotoNumberAt(*owner, fixup.Offset);
    const std::uint16_t bit = n >= 0 && n < 16 ? static_cast<std::uint16_t>(1u << n) : 0;
    if (target != nullptr) {
      if (slot->S == target) continue;   // resolved by an earlier run
      if (slot->S != nullptr) UpdateReferenceCount(*slot, 0, &table);
      slot->Clear();
      slot->S = target;
      UpdateReferenceCount(*slot, 1, &table);
      owner->GotoMask = static_cast<std::uint16_t>(owner->GotoMask | bit);
    } else if (slot->S == nullptr) {
      slot->Clear();
      owner->GotoMask = static_cast<std::uint16_t>(owner->GotoMask & ~bit);
    }
  }
}

}  // namespace zeph
