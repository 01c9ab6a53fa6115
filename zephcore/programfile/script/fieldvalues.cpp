// Field values of a block as script text.
#include "programfile/script/fieldvalues.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "foundation/kvflthnd.h"
#include "model/constvalue.h"
#include "model/datatypes.h"
#include "model/pbfield_lookup.h"
#include "model/varref.h"
#include "programfile/script/blocktypes.h"
#include "programfile/script/scriptcontext.h"

namespace zeph {
namespace {

constexpr unsigned kTruncatedMemberMessage = 8052;

const PBFieldDef& EndEntry() {
  static const PBFieldDef end{};
  return end;
}

// A constant read from its stored bytes: a text, or a number of its stored type.
struct ConstantValue {
  bool IsText = true;
  std::string Text;
  double Number = 0;
};

template <class T>
T Load(const std::vector<char>& bytes) {
  T v{};
  if (bytes.size() >= sizeof(T)) std::memcpy(&v, bytes.data(), sizeof(T));
  return v;
}

ConstantValue ReadConstant(const SymP& slot) {
  ConstantValue v;
  const std::vector<char>& b = slot.ConstPtr;
  switch (slot.ConstType) {
    case kTypeCharacter: v.IsText = false; v.Number = Load<std::int8_t>(b); break;
    case kTypeSmallInteger:
    case kTypeMenuK:
    case kTypeBoolean: v.IsText = false; v.Number = Load<std::int16_t>(b); break;
    case kTypeInteger:
    case kTypeEntryParm:
    case kTypeDateNumber:
    case kTypeResPerm:
    case kTypeMenuParm: v.IsText = false; v.Number = Load<std::int32_t>(b); break;
    case kTypeSmallNumber: v.IsText = false; v.Number = Load<float>(b); break;
    case kTypeNumber: v.IsText = false; v.Number = Load<double>(b); break;
    default: v.Text = slot.ConstText(); break;
  }
  return v;
}

// The number a text stands for, when the whole text is one.
bool TextNumber(const std::string& text, double& number) {
  std::string t = text;
  if (!t.empty() && t[0] == '\'') t.erase(0, 1);
  if (t.empty()) return false;
  char* end = nullptr;
  number = std::strtod(t.c_str(), &end);
  return end != nullptr && *end == '\0';
}

std::string NumberAsText(double n) {
  if (std::floor(n) == n && std::fabs(n) < 1e15) return Format("%lld", static_cast<long long>(n));
  return Format("%g", n);
}

bool IsTextType(int type) { return type == kTypeString || type == kTypeDateString; }

}  // namespace

std::string Unquoted(const std::string& text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

BlockFields::BlockFields(const PBInstance& block, SymbolTable& program) : block_(block), program_(program) {
  const PBFieldDef* table = GetFieldTable(block.Type, &block);
  if (table == nullptr) return;
  hasTable_ = true;
  for (const PBFieldDef* e = table; !e->IsEnd(); ++e) entries_.push_back(*e);
  Adjust();
}

void BlockFields::Adjust() {
  auto optional = [&](std::initializer_list<int> fields, bool on) {
    for (int f : fields) {
      if (f < Count()) entries_[static_cast<std::size_t>(f)].CanFieldBeBlank = on ? 1 : 0;
    }
  };
  switch (block_.Type) {
    case blocks::kEntry: optional({2, 3, 16, 17}, true); break;
    case blocks::kRecord:
      optional({2, 5, 10, 11}, true);
      optional({17, 18, 19}, !HasValue(22));
      break;
    case blocks::kMultiMail: optional({6}, true); break;
    case blocks::kCompare:
    case blocks::kAssign:
      if (Count() > 1 && HasConstant(1) && HasReference(0)) entries_[1].ScalarType = static_cast<std::int16_t>(OperandType(0));
      break;
    case blocks::kAdd:
    case blocks::kSubtract:
      for (int f = 0; f < 2 && f < Count(); ++f) {
        if (!HasConstant(f)) continue;
        const ConstantValue v = ReadConstant(*Slot(f));
        const std::string text = v.IsText ? Unquoted(v.Text) : NumberAsText(v.Number);
        if (CheckDateTime14(text.c_str(), false) == 0) entries_[static_cast<std::size_t>(f)].ScalarType = kTypeDateString;
      }
      break;
    default: break;
  }
}

const PBFieldDef& BlockFields::Entry(int i) const {
  return i >= 0 && i < Count() ? entries_[static_cast<std::size_t>(i)] : EndEntry();
}

const SymP* BlockFields::Slot(int i) const {
  if (i < 0 || i >= Count()) return nullptr;
  return block_.Area.FindSlot(Entry(i).FieldOffset);
}

std::int16_t BlockFields::Word(int i) const {
  const int offset = Entry(i).FieldOffset;
  if (i < 0 || i >= Count() || offset < 0 || offset + 2 > kParameterAreaSize) return 0;
  return block_.Area.Word(offset);
}

bool BlockFields::HasConstant(int i) const {
  const SymP* s = Slot(i);
  return s != nullptr && s->HasConst();
}

bool BlockFields::HasReference(int i) const {
  const SymP* s = Slot(i);
  return s != nullptr && !s->HasConst() && s->S != nullptr;
}

bool BlockFields::HasValue(int i) const {
  const PBFieldDef& e = Entry(i);
  if (e.UIElement == scribe::kUICheckBox || e.UIElement == scribe::kUIRadioGroup) return Word(i) != 0;
  return HasConstant(i) || HasReference(i);
}

std::string BlockFields::ReferenceText(int i) const {
  const SymP* s = Slot(i);
  if (s == nullptr || s->S == nullptr) return std::string();
  SymP copy(*s);
  return FormatVariableReference(copy, &program_);
}

std::string BlockFields::ConstantText(int i, int type, bool quoteNumbers, bool quoteText) const {
  const SymP* s = Slot(i);
  if (s == nullptr || !s->HasConst()) return std::string();
  const ConstantValue v = ReadConstant(*s);
  // A name kept as text (a goto to a VavurOrezo not made yet) is written as that name.
  if (v.IsText && s->ConstType == 0 && Entry(i).UIElement != scribe::kUIChoice) {
    return v.Text;
  }
  double n = v.Number;
  const bool numeric = !v.IsText || TextNumber(v.Text, n);
  const char* mark = quoteNumbers ? "'" : "";
  switch (type) {
    case kTypeCharacter:
    case kTypeSmallInteger:
    case kTypeMenuK:
    case kTypeBoolean:
      if (!numeric) return v.Text;
      return Format("%s%d", mark, type == kTypeCharacter ? static_cast<int>(static_cast<std::int8_t>(n))
                                                          : static_cast<int>(static_cast<std::int16_t>(n)));
    case kTypeInteger:
    case kTypeEntryParm:
    case kTypeDateNumber:
    case kTypeResPerm:
    case kTypeMenuParm:
      if (!numeric) return v.Text;
      return Format("%s%ld", mark, static_cast<long>(static_cast<std::int32_t>(n)));
    case kTypeSmallNumber:
      if (!numeric) return v.Text;
      return Format("%s%f", mark, static_cast<double>(static_cast<float>(n)));
    case kTypeNumber:
      if (!numeric) return v.Text;
      return Format("%s%lf", mark, n);
    case kTypeString:
    case kTypeDateString: {
      const std::string text = v.IsText ? Unquoted(v.Text) : NumberAsText(v.Number);
      return quoteText ? "\"" + text + "\"" : text;
    }
    case kTypeVoiceSentence: return v.IsText ? v.Text : NumberAsText(v.Number);
    default: return std::string();
  }
}

std::string BlockFields::Text(int i, bool quoteNumbers) const {
  const PBFieldDef& e = Entry(i);
  if (HasConstant(i)) return ConstantText(i, e.ScalarType, quoteNumbers, true);
  if (HasReference(i)) return ReferenceText(i);
  if (e.CanFieldBeBlank != 0 && block_.Type == blocks::kSplitDate) return "NotDefined";
  return "!VALUE!";
}

int BlockFields::OperandType(int i) const {
  if (!HasReference(i)) return Entry(i).ScalarType;
  int size = 0;
  const int type = GetReferenceType(*Slot(i), &size, &program_);
  if (type >= 0) return type;
  if (KvFaultHandlerObj* handler = KvGetFaultHandler()) {
    const std::string text = Format(
        "The vavurorezo '%s' contains a structure whose member has been truncated.\nCodegeneration will not "
        "be completed properly.\nPlease fix this block and rebuild.",
        block_.Name.c_str());
    const KvFaultMessage message = KvFaultMessage::FromText(kTruncatedMemberMessage, text.c_str());
    handler->Report(0, kKvSeverityWarning, kKvButtonsOk, kKvFaultOk, &message, nullptr, 0, "code1", 4176);
  }
  return kTypeString;
}

}  // namespace zeph
