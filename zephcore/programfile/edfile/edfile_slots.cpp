#include "programfile/edfile/edfile_slots.h"

#include <cstring>
#include <new>

#include "foundation/kvtextstm.h"
#include "model/datatypes.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "model/varref.h"
#include "programfile/edfile/edfile_context.h"
#include "programfile/edfile/edfile_fields.h"
#include "programfile/edfile/edfile_sections.h"

namespace zeph {
namespace {

const std::vector<EdField> kSlotFields = {
    {"SymbolPtr", EdKind::Short},  {"StructMemNum", EdKind::Short}, {"ConstPtr", EdKind::Short},
    {"ConstType", EdKind::Short},  {"ArrayIndex", EdKind::Short},   {"Struct2MemNum", EdKind::Short},
    {"Value", EdKind::Text, 128},
};

// The kind of a constant's value line, by its constant type.
EdKind ConstantKind(int constType, std::uint16_t& width) {
  width = 256;
  switch (constType) {
    case 1: return EdKind::Uchar;
    case 2: case 53: return EdKind::Short;
    case 3: case 19: case 21: return EdKind::Long;
    case 4: return EdKind::Float;
    case 5: return EdKind::Double;
    case 20: width = 15; return EdKind::Text;
    default: return EdKind::Text;
  }
}

template <class T>
T LoadBytes(const std::vector<char>& block) {
  T value{};
  std::memcpy(&value, block.data(), std::min(sizeof value, block.size()));
  return value;
}

int WriteConstant(const SymP& slot) {
  std::uint16_t width = 0;
  const EdKind kind = ConstantKind(slot.ConstType, width);
  EdValues v(1);
  switch (kind) {
    case EdKind::Uchar: v.Num(0, LoadBytes<std::uint8_t>(slot.ConstPtr)); break;
    case EdKind::Short: v.Num(0, LoadBytes<std::int16_t>(slot.ConstPtr)); break;
    case EdKind::Long: v.Num(0, LoadBytes<std::int32_t>(slot.ConstPtr)); break;
    case EdKind::Float: v.Real(0, LoadBytes<float>(slot.ConstPtr)); break;
    case EdKind::Double: v.Real(0, LoadBytes<double>(slot.ConstPtr)); break;
    case EdKind::Text: v.Text(0, slot.ConstText()); break;
  }
  const EdField field{"TheField", kind, width};
  if (EdWriteLine(kSecConstant, &field, 1, v) != 1) {
    return EdPrompt("Error writing block field.\nContinue Saving?", kSecConstant);
  }
  return 0;
}

int ReadConstant(EdContext& ctx, SymP& slot) {
  thread_local std::string line;   // its room is kept from constant to constant
  const int taken = ctx.in->NextOfKind(kSecConstant, line);
  if (taken < 0) return -158;
  if (taken == 0) return EdPrompt("Error reading block field.\nContinue Loading?", kSecConstant);
  std::uint16_t width = 0;
  const EdKind kind = ConstantKind(slot.ConstType, width);
  thread_local EdValues v(1);   // a line that parses sets the value of its kind
  const EdField field{"TheField", kind, width};
  if (EdParseLine(line, kSecConstant, &field, 1, v) != 1) {
    return EdPrompt("Error reading block field.\nContinue Loading?", kSecConstant);
  }
  try {
    switch (kind) {
      case EdKind::Uchar: { const auto n = static_cast<std::uint8_t>(v.Num(0)); slot.SetConstBytes(&n, 1); break; }
      case EdKind::Short: { const auto n = static_cast<std::int16_t>(v.Num(0)); slot.SetConstBytes(&n, 2); break; }
      case EdKind::Long: { const auto n = static_cast<std::int32_t>(v.Num(0)); slot.SetConstBytes(&n, 4); break; }
      case EdKind::Float: { const auto f = static_cast<float>(v.Real(0)); slot.SetConstBytes(&f, 4); break; }
      case EdKind::Double: { const double d = v.Real(0); slot.SetConstBytes(&d, 8); break; }
      case EdKind::Text: slot.SetConstText(v.Text(0).c_str()); break;
    }
  } catch (const std::bad_alloc&) {
    return -102;
  }
  return 0;
}

// The line of a slot that holds nothing. Most slots of a block are empty, so this line
// is written and recognised without going through its fields.
const std::string& EmptySlotLine() {
  static const std::string line = [] {
    EdValues v(kSlotFields.size());
    v.Num(0, 2);
    std::string text;
    EdFormatLine(kSecSlot, kSlotFields.data(), kSlotFields.size(), v, text);
    return text;
  }();
  return line;
}

bool IsEmptySlot(const SymP& slot) {
  return slot.S == nullptr && !slot.HasConst() && slot.StructMemNum == 0 && slot.ConstType == 0 && !slot.ArrayIndex;
}

// Member names that older files use for members renamed or dropped since.
struct MemberFix {
  double Below;
  int Type;
  const char* Old;
  const char* New;   // null: the member is gone and the slot reads empty
};
const MemberFix kMemberFixes[] = {
    {4.03, kTypeAddrParms, "PrimaryDN", nullptr},
    {4.03, kTypeAddrFParm, "AllowFax", nullptr},
    {4.08, kTypeCallInfoStruct, "CallID", nullptr},
    {4.09, kTypeCallInfoStruct, "DNType", "CallingDNType"},
    {4.09, kTypeAddrParms, "UniqueID", "UniqueUserID"},
};

}  // namespace

int WriteValueSlot(SymP& slot) {
  if (IsEmptySlot(slot)) {
    if (WriteTextLine(EmptySlotLine()) == 1) return 0;
    return EdPrompt("Error writing block field.\nContinue Saving?", kSecSlot);
  }
  thread_local EdValues v(kSlotFields.size());   // every field is set below
  const bool reference = slot.S != nullptr;
  v.Num(0, reference ? 1 : 2).Num(1, slot.StructMemNum).Num(2, slot.HasConst() ? 1 : 0).Num(3, slot.ConstType);
  v.Num(4, slot.ArrayIndex ? 1 : 0);
  if (reference) {
    v.Num(5, slot.S->Type);
    v.Text(6, FormatVariableReference(slot));
  } else {
    v.Num(5, 0);
    v[6].Text.clear();
  }
  if (EdWriteLine(kSecSlot, kSlotFields, v) != 1) {
    return EdPrompt(reference ? "Invalid Block field encountered.\nContinue Saving?"
                              : "Error writing block field.\nContinue Saving?",
                    kSecSlot);
  }
  if (!reference && slot.HasConst()) return WriteConstant(slot);
  return 0;
}

bool ResolveReference(EdContext& ctx, SymP& slot, const std::string& text, int typeCode) {
  slot.S = nullptr;
  slot.ArrayIndex.reset();
  slot.StructMemNum = 0;
  slot.Struct2MemNum = 0;
  std::string renamed = text;
  for (const auto& [oldName, newName] : ctx.renames) {
    if (renamed.compare(0, oldName.size(), oldName) == 0 &&
        (renamed.size() == oldName.size() || renamed[oldName.size()] == '.' || renamed[oldName.size()] == '[')) {
      renamed = newName + renamed.substr(oldName.size());
    }
  }
  std::string name = renamed;
  std::string member;
  const std::size_t dot = renamed.find('.');
  if (dot != std::string::npos) {
    name = renamed.substr(0, dot);
    member = renamed.substr(dot + 1);
  }
  std::string fixed = renamed;
  if (!member.empty() && member.find('.') == std::string::npos) {
    for (const MemberFix& fix : kMemberFixes) {
      if (ctx.fileVersion < fix.Below && typeCode == fix.Type && member == fix.Old) {
        if (fix.New == nullptr) return true;   // the member is gone: an empty slot
        member = fix.New;
        fixed = name + "." + member;
      }
    }
  }
  // The quick path: a name, or a name and one member, looked up in the tree of its type.
  const bool quick = ctx.levels.FieldRecordLevel != 1 && fixed.find('[') == std::string::npos &&
                     member.find('.') == std::string::npos;
  if (quick) {
    Symbol** tree = ctx.table.TreeOfType(typeCode);
    Symbol* s = tree != nullptr ? SymTreeFind(*tree, name.c_str()) : nullptr;
    if (s != nullptr && !s->Deleted) {
      if (member.empty()) {
        slot.S = s;
        return true;
      }
      if (typeCode >= kFirstStructureId) {
        if (StructMember* m = FindMemberByName(FindStructureById(typeCode, &ctx.table), member.c_str())) {
          slot.S = s;
          slot.StructMemNum = m->ElemNum;
          return true;
        }
      }
    }
  }
  const std::int16_t constType = slot.ConstType;
  ParseVariableReference(fixed.c_str(), slot, AllTypesMask(), nullptr, &ctx.table);
  slot.ConstType = constType;
  return slot.S != nullptr;
}

int ReadValueSlot(EdContext& ctx, SymP& slot, bool defer, std::int16_t* flag) {
  thread_local std::string line;   // its room is kept from slot to slot
  const int taken = ctx.in->NextOfKind(kSecSlot, line);
  if (taken < 0) return -158;
  if (taken == 0) return EdPrompt("Error reading block field.\nContinue Loading?", kSecSlot);
  return ReadValueSlotLine(ctx, line, slot, defer, flag);
}

int ReadValueSlotLine(EdContext& ctx, const std::string& line, SymP& slot, bool defer, std::int16_t* flag) {
  if (line == EmptySlotLine()) {
    slot.Clear();
    return 0;
  }
  thread_local EdValues v(kSlotFields.size());   // a line fills all of it
  if (EdParseLine(line, kSecSlot, kSlotFields, v) != 1) {
    return EdPrompt("Error reading block field.\nContinue Loading?", kSecSlot);
  }
  slot.Clear();
  slot.StructMemNum = v.Short(1);
  slot.ConstType = v.Short(3);
  if (v.Num(0) == 1) {
    if (defer) {
      ctx.pendingRefs.push_back({&slot, v.Text(6), v.Short(5), flag, nullptr});
      return 0;
    }
    if (!ResolveReference(ctx, slot, v.Text(6), v.Short(5))) {
      return EdPrompt(v.Text(6) + "Error reading block field..\nContinue Loading?", kSecConstant);
    }
    return 0;
  }
  if (v.Num(2) == 1) return ReadConstant(ctx, slot);
  return 0;
}

int ResolvePendingReferences(EdContext& ctx) {
  std::vector<EdPendingReference> pending;
  pending.swap(ctx.pendingRefs);
  for (const EdPendingReference& p : pending) {
    if (!ResolveReference(ctx, *p.Slot, p.Text, p.TypeCode)) {
      if (p.Flag != nullptr) *p.Flag = 0;
      if (p.Path != nullptr) {
        std::strcpy(p.Path, "'Bad_Symbol");
        continue;
      }
      if (const int rc = EdPrompt(p.Text + "Error reading block field..\nContinue Loading?", kSecConstant); rc != 0) {
        return rc;
      }
    }
  }
  return 0;
}

}  // namespace zeph
