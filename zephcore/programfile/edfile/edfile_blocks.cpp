#include "programfile/edfile/edfile_blocks.h"

#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "foundation/kvtexttag.h"
#include "model/pbaccess.h"
#include "model/pbcat.h"
#include "model/pbconv.h"
#include "model/pbentry.h"
#include "model/pbentry_instance.h"
#include "model/pbfield_lookup.h"
#include "model/pbfielddef.h"
#include "model/pbtype.h"
#include "model/program/program.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "programfile/edfile/edfile_context.h"
#include "programfile/edfile/edfile_fields.h"
#include "programfile/edfile/edfile_sections.h"
#include "programfile/edfile/edfile_slots.h"
#include "scribe/scribe.h"

namespace zeph {
namespace {

constexpr int kSlotSize = scribe::kValueSlotSize;
constexpr int kOldAddressType = 309;   // its first field-level files keep two slots apart

const std::vector<EdField> kHeaderFields = {
    {"Name", EdKind::Text, kSymbolNameSize}, {"FuncType", EdKind::Short}, {"Page", EdKind::Short},
    {"X", EdKind::Short},                    {"Y", EdKind::Short},        {"Finished", EdKind::Short},
    {"Selected", EdKind::Short},             {"JustGotosLeft", EdKind::Short}, {"Res3", EdKind::Short},
    {"Comment", EdKind::Text, 86},           {"Next", EdKind::Short},     {"SelectedGoto", EdKind::Short},
    {"NumGotos", EdKind::Short},             {"LineMask", EdKind::Short},
};

using FieldCounts = std::unordered_map<const PBFieldDef*, int>;

// Custom VavurOrezos and SuperBlock calls keep their part's slots; every other type one
// slot per field of its description, each table counted once per read or write.
int SlotCount(int type, const PBParmLayout& part, const PBFieldDef* description, FieldCounts& counts) {
  if (type == kPBTypeCustom || type == kPBTypeSuperBlock) return part.Length;
  const auto [at, added] = counts.try_emplace(description, 0);
  if (added) at->second = CountFields(description);
  return at->second;
}

int WriteInstance(PBInstance& instance, FieldCounts& counts) {
  thread_local EdValues h(kHeaderFields.size());   // every field is set below
  const PBInstanceHeader& hd = instance.Header;
  h.Text(0, instance.Name).Num(1, instance.Type).Num(2, hd.Page).Num(3, instance.X).Num(4, instance.Y).Num(5, hd.Finished);
  h.Num(6, 0).Num(7, hd.JustGotosLeft).Num(8, hd.Res3).Text(9, instance.Companion).Num(10, 0);
  h.Num(11, hd.SelectedGoto).Num(12, hd.NumGotos).Num(13, hd.LineMask);
  if (instance.Name.empty() || instance.Name.size() >= static_cast<std::size_t>(kSymbolNameSize)) {
    return EdPrompt("Invalid Block encountered.\nContinue Saving?", kSecBlockHeader);
  }
  if (EdWriteLine(kSecBlockHeader, kHeaderFields, h) != 1) {
    return EdPrompt(instance.Name + "Error writing this Block.\nContinue Saving?", kSecBlockHeader);
  }
  const PBParmLayout* parts = LayoutOf(instance.Type);
  const PBFieldDef* description = DescriptionOf(instance.Type);
  for (const PBParmLayout* part = parts; part != nullptr && part->Kind != 0; ++part) {
    if (part->Kind == kLayoutPartRaw) {
      const int count = part->Length / 2;
      thread_local EdValues w(0);   // every word is set below
      w.Resize(static_cast<std::size_t>(count));
      for (int i = 0; i < count; ++i) w.Num(static_cast<std::size_t>(i), instance.Area.Word(part->Offset + 2 * i));
      if (EdWriteLine(kSecBlockTable, EdWordFields(w.Size()), w.Size(), w) != 1) {
        if (const int rc = EdPrompt("Invalid Block table encountered.\nContinue Saving?", kSecBlockTable); rc != 0) {
          return rc;
        }
      }
    } else if (part->Kind == kLayoutPartSlots) {
      const int count = SlotCount(instance.Type, *part, description, counts);
      // The slots held lie in rising offsets: each is met on the way, not searched for.
      std::map<int, SymP>& held = instance.Area.Slots();
      auto next = held.lower_bound(part->Offset);
      for (int i = 0; i < count; ++i) {
        const int offset = part->Offset + kSlotSize * i;
        while (next != held.end() && next->first < offset) ++next;
        SymP empty;
        SymP* slot = next != held.end() && next->first == offset ? &next->second : nullptr;
        if (const int rc = WriteValueSlot(slot != nullptr ? *slot : empty); rc != 0) return rc;
      }
    }
  }
  return 0;
}

// The words of a block table from the offset on, low byte first. A table that lies
// inside the area is stored directly; one that does not goes word by word, so that each
// word outside is refused as SetWord refuses it.
void StoreWords(PBParameterArea& area, int offset, const std::int16_t* words, int count) {
  if (offset >= 0 && count >= 0 && offset + 2 * count <= kParameterAreaSize) {
    unsigned char* at = area.Bytes() + offset;
    for (int i = 0; i < count; ++i) {
      const auto v = static_cast<std::uint16_t>(words[i]);
      at[2 * i] = static_cast<unsigned char>(v & 0xFF);
      at[2 * i + 1] = static_cast<unsigned char>(v >> 8);
    }
    return;
  }
  for (int i = 0; i < count; ++i) area.SetWord(offset + 2 * i, words[i]);
}

// A slot read into the area: one that holds something takes its place, an empty one
// leaves none. Slots come in rising offsets, so each usually goes after every slot the
// area has: placed at the map's end without a search, and with nothing to clear.
void StoreReadSlot(PBParameterArea& area, int offset, SymP& read) {
  const bool holds = read.S != nullptr || read.HasConst();
  std::map<int, SymP>& slots = area.Slots();
  const bool afterAll = slots.empty() || slots.rbegin()->first < offset;
  if (afterAll && offset + kSlotSize <= kParameterAreaSize) {
    if (holds) slots.emplace_hint(slots.end(), offset, std::move(read));
    return;
  }
  if (!holds) {
    area.ClearSlot(offset);
  } else if (SymP* slot = area.Slot(offset)) {
    *slot = std::move(read);
  }
}

// The parameter area as the file lays it out.
int ReadArea(EdContext& ctx, PBInstance& instance, const PBParmLayout* parts, const PBFieldDef* description) {
  const bool byPart = ctx.levels.FieldRecordLevel < 2;
  for (const PBParmLayout* part = parts; part != nullptr && part->Kind != 0; ++part) {
    if (part->Kind == kLayoutPartRaw) {
      const int count = part->Length / 2;
      thread_local std::string line;   // its room is kept from table to table
      const int taken = ctx.in->NextOfKind(kSecBlockTable, line);
      if (taken < 0) return -158;
      // One list of words for every block table read: a line fills all of it.
      thread_local std::vector<std::int16_t> words;
      words.resize(static_cast<std::size_t>(count));
      if (taken == 0 || EdParseWords(line, kSecBlockTable, words.size(), words.data()) != 1) {
        if (const int rc = EdPrompt("Invalid Block table encountered.\nContinue Loading?", kSecBlockTable); rc != 0) {
          return rc;
        }
        // A line of another kind ends what this block holds.
        if (taken == 0) return 0;
        continue;
      }
      StoreWords(instance.Area, part->Offset, words.data(), count);
    } else if (part->Kind == kLayoutPartSlots) {
      const int count = byPart ? part->Length : SlotCount(instance.Type, *part, description, ctx.fieldCounts);
      for (int i = 0; i < count; ++i) {
        int offset = part->Offset + kSlotSize * i;
        SymP scratch;
        if (ctx.levels.FieldRecordLevel == 1 && instance.Type == kOldAddressType) {
          if (i == 4) offset = -1;   // read and dropped
          if (i == 5) offset = 72;
        }
        thread_local std::string line;   // its room is kept from slot to slot
        const int taken = ctx.in->NextOfKind(kSecSlot, line);
        if (taken < 0) return -158;
        if (taken == 0) {
          // A line of another kind ends what this block holds.
          return EdPrompt("Error reading block field.\nContinue Loading?", kSecSlot);
        }
        // Read aside: only a slot that holds something takes a place in the area.
        const int rc = ReadValueSlotLine(ctx, line, scratch, false);
        if (offset >= 0) StoreReadSlot(instance.Area, offset, scratch);
        if (rc != 0) return rc;
      }
    }
  }
  return 0;
}

// The VavurOrezo symbols in the order their blocks are written: post-order, deleted ones
// left out. A block read is first matched with the symbol at the cursor, so that a file
// in that order needs no search of the name tree; any other block is looked up by name.
class BlockOrder {
 public:
  explicit BlockOrder(SymbolTable& table) : table_(table), cursor_(*table.TreeSlot(kTypeVavurOrezo)) { Step(); }
  // The symbol of the name, as LookupSymbol finds it.
  Symbol* Find(const std::string& name) {
    if (next_ != nullptr && name == next_->Name) {
      Symbol* s = next_;
      Step();
      return table_.SymbolPageCheck && !InCurrentPageScope(s, &table_) ? nullptr : s;
    }
    return LookupSymbol(name.c_str(), kTypeVavurOrezo, &table_);
  }

 private:
  void Step() {
    do {
      next_ = cursor_.Next();
    } while (next_ != nullptr && next_->Deleted);
  }
  SymbolTable& table_;
  SymTreePostOrderCursor cursor_;
  Symbol* next_ = nullptr;
};

// One block; *end at the section's end.
int ReadOne(EdContext& ctx, BlockOrder& order, bool* end) {
  static const std::string kEndTag = GetSectionTag(kSecBlocks, true);
  thread_local std::string line;   // its room is kept from block to block
  if (!ctx.in->Next(line)) return -158;
  if (line == kEndTag) {
    *end = true;
    return 0;
  }
  thread_local EdValues h(kHeaderFields.size());   // a line fills all of it
  if (EdParseLine(line, kSecBlockHeader, kHeaderFields, h) != 1 ||
      h.Text(0).size() >= static_cast<std::size_t>(kSymbolNameSize)) {
    ctx.in->SkipToRecord(kSecBlockHeader, kEndTag);
    return EdPrompt("Invalid Block encountered.\nContinue Loading?", kSecBlockHeader);
  }
  if (h.Text(0).empty()) {
    // An empty name ends the blocks; the end line that follows is taken too.
    if (const std::string* next = ctx.in->Peek(); next != nullptr && *next == kEndTag) {
      ctx.in->Next(line);
    }
    *end = true;
    return 0;
  }
  auto instance = std::make_unique<PBInstance>();
  instance->Name = h.Text(0);
  instance->Type = static_cast<std::int16_t>(RenumberedType(h.Short(1), ctx.fileVersion));
  PBInstanceHeader& hd = instance->Header;
  hd.Page = h.Short(2);
  instance->X = h.Short(3);
  instance->Y = h.Short(4);
  hd.Finished = h.Short(5);
  hd.JustGotosLeft = h.Short(7);
  hd.Res3 = h.Short(8);
  instance->Companion = h.Text(9);
  hd.SelectedGoto = h.Short(11);
  hd.NumGotos = h.Short(12);
  hd.LineMask = h.Short(13);

  const PBConversion* conversion =
      instance->Type >= 0 ? ConversionForFile(instance->Type, static_cast<float>(ctx.fileVersion)) : nullptr;
  const PBParmLayout* parts = LayoutOf(instance->Type);
  const PBFieldDef* description = DescriptionOf(instance->Type);
  if (conversion != nullptr) {
    if (conversion->OldLayout != nullptr) parts = conversion->OldLayout;
    if (conversion->OldFields != nullptr) description = DescriptionTable(conversion->OldFields, 0);
  }
  if (const int rc = ReadArea(ctx, *instance, parts, description); rc != 0) return rc;

  Symbol* symbol = order.Find(instance->Name);
  if (symbol == nullptr) {
    return EdPrompt(instance->Name + ".  This block has encountered an error.\nContinue Loading?", kSecBlocks);
  }
  const std::string name = instance->Name;
  if (conversion != nullptr) {
    const int rc = ConvertReadInstance(*conversion, instance, ctx.table);
    if (rc == -102) return rc;
    if (rc != 0) return EdPrompt(name + ".  This block has encountered an error.\nContinue Loading?", kSecBlocks);
  }
  if (!AttachReadInstance(*symbol, std::move(instance), ctx.table)) {
    // It stays in the program: the user can mend it in its form.
    return EdPrompt(name + ".  This block has encountered an error.\nContinue Loading?", kSecBlocks);
  }
  return 0;
}

}  // namespace

int RenumberedType(int type, double version) {
  if (version < 4.02 && type > 361) type += 11;
  if (version < 4.09 && type > 390) type += 1;
  if (version < 5.02 && type > 391) type += 1;
  return type;
}

// Custom VavurOrezos use the standard layout, SuperBlock calls the extended one, every
// other type its slot's.
const PBParmLayout* LayoutOf(int type) {
  if (type == kPBTypeCustom) return ParmLayoutParts(scribe::ParmLayout::Standard);
  if (type == kPBTypeSuperBlock) return ParmLayoutParts(scribe::ParmLayout::Extended);
  const PBType* slot = GetPBType(type);
  return slot != nullptr ? slot->ParmLayout : nullptr;
}

const PBFieldDef* DescriptionTable(const PBFieldDef* ownTable, std::uint16_t structId) {
  if (structId != 0) return static_cast<const PBFieldDef*>(scribe::AssignPtrsInDLL1(structId, nullptr));
  return ownTable;
}

const PBFieldDef* DescriptionOf(int type) {
  const PBType* slot = GetPBType(type);
  return slot != nullptr ? DescriptionTable(slot->FieldTable, slot->StructId) : nullptr;
}

int ConvertReadInstance(const PBConversion& conversion, std::unique_ptr<PBInstance>& instance, SymbolTable& table) {
  auto converted = std::make_unique<PBInstance>();
  converted->Name = instance->Name;
  converted->Type = static_cast<std::int16_t>(conversion.NewType != 0 ? conversion.NewType : instance->Type);
  converted->Companion = instance->Companion;
  converted->Header = instance->Header;
  converted->X = instance->X;
  converted->Y = instance->Y;
  PBFieldAccessor defaults(converted.get(), 0, nullptr, 0, &table);
  if (defaults.LoadDefaultEntries() == 0 && defaults.LastError() == kErrOutOfMemory) return -102;
  const int rc = ConvertVavurOrezoParameters(conversion, *instance, *converted);
  instance = std::move(converted);
  return rc;
}

bool AttachReadInstance(Symbol& symbol, std::unique_ptr<PBInstance> instance, SymbolTable& table) {
  PBInstance* attached = instance.get();
  symbol.Data = std::move(instance);
  const bool verified = PBFieldAccessor(attached, 0, nullptr, 0, &table).ExecuteChangeTables() != 0;
  RecomputeInstanceState(*attached, table);
  return verified;
}

void RecomputeInstanceState(PBInstance& instance, SymbolTable& table) {
  (void)table;
  const PBFieldDef* fields = GetFieldTable(instance.Type, &instance);
  instance.Complete = 1;
  instance.GotoMask = 0;
  // Filled: complete, and every goto that may not be blank leads somewhere. Worked out in
  // the same walk, except for the Record VavurOrezo whose needed fields depend on its
  // values.
  bool gotosLead = true;
  int gotoNumber = 0;
  for (int i = 0; fields != nullptr && !fields[i].IsEnd(); ++i) {
    const PBFieldDef& f = fields[i];
    if (f.IsGoto()) {
      const SymP* slot = instance.Area.FindSlot(f.FieldOffset);
      const bool leads = slot != nullptr && slot->S != nullptr;
      if (!leads && !f.CanFieldBeBlank) gotosLead = false;
      if (leads && f.UsesValueSlot() && gotoNumber < 16) {
        instance.GotoMask = static_cast<std::uint16_t>(instance.GotoMask | (1u << gotoNumber));
      }
      ++gotoNumber;
      continue;
    }
    if (f.UIElement != scribe::kUIEdit || f.CanFieldBeBlank || f.SkipMe) continue;
    const SymP* slot = f.UsesValueSlot() ? instance.Area.FindSlot(f.FieldOffset) : nullptr;
    const bool holds = slot != nullptr && (slot->S != nullptr || slot->HasConst());
    if (!holds) instance.Complete = 0;
  }
  if (fields == nullptr || instance.Type == kPBTypeRecord) {
    instance.Filled = static_cast<std::int16_t>(PBEntryIsUnfinished(instance) ? 0 : 1);
  } else {
    instance.Filled = static_cast<std::int16_t>(instance.Complete != 0 && gotosLead ? 1 : 0);
  }
}

int WriteVavurOrezos(TProgram& program) {
  if (WriteSectionTag(kSecBlocks, false) != 1) {
    return EdPrompt("Invalid Block encountered.\nContinue Saving?", kSecBlocks);
  }
  SymbolTable& table = program.Symbols();
  int rc = 0;
  FieldCounts counts;
  SymTreeWalkPostOrder(*table.TreeSlot(kTypeVavurOrezo), [&](Symbol& s) {
    if (rc != 0 || s.Deleted) return;
    PBInstance* instance = InstanceOf(&s);
    if (instance == nullptr) {
      rc = EdPrompt(std::string(s.Name) + ".  This block has encountered an error.\nContinue Saving?", kSecBlocks);
      return;
    }
    rc = WriteInstance(*instance, counts);
  });
  if (rc != 0) return rc;
  if (WriteSectionTag(kSecBlocks, true) != 1) return EdPrompt("Invalid Block encountered.\nContinue Saving?", kSecBlocks);
  return 0;
}

int ReadVavurOrezos(EdContext& ctx) {
  int rc = 0;
  bool end = false;
  try {
    BlockOrder order(ctx.table);
    while (rc == 0 && !end) rc = ReadOne(ctx, order, &end);
  } catch (const std::bad_alloc&) {
    return -102;
  }
  return rc;
}

}  // namespace zeph
