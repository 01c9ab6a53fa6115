// The lines, information and index rules of the variable picker.
#include "forms/picker/pickerlines.h"

#include <cctype>
#include <cstring>
#include <set>

#include "model/constvalue.h"
#include "model/datatypes.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "model/varref.h"

namespace zeph {
namespace {

// Whether a name with "$" belongs to the current page: the part before "$" equals the
// page's name exactly.
bool IsLocalToPage(const char* name, const PickerScope& scope) {
  const char* dollar = std::strchr(name, '$');
  if (dollar == nullptr) return false;
  return std::string(name, static_cast<std::size_t>(dollar - name)) == scope.PageName;
}

bool HasDollar(const char* name) { return std::strchr(name, '$') != nullptr; }

class LineFiller {
 public:
  LineFiller(const PickRequest& request, int repr, SymbolTable& program, const PickerScope& scope)
      : request_(request), repr_(repr), program_(program), scope_(scope) {}

  std::vector<PickerLine> Fill() {
    FillByType();
    if (request_.AddStructs != kStructsBitsOrSize) FillMemberEntries();
    return std::move(lines_);
  }

 private:
  bool PassesArrayAndConstant(const Symbol& s) const {
    if (request_.WholeArray == -1 && s.ArraySize > 1) return false;
    if (request_.WholeArray == 1 && s.ArraySize < 2) return false;
    return !(repr_ == 2 && s.IsConst);
  }

  bool PassesPage(const Symbol& s) const {
    const bool local = HasDollar(s.Name);
    if (scope_.NamesUnqualified) return !local;
    if (s.Type == kTypeVavurOrezo) return local && IsLocalToPage(s.Name, scope_);
    if (!local) return true;
    return IsLocalToPage(s.Name, scope_) && scope_.PageKind != 0;
  }

  void Add(Symbol& s, bool member) {
    std::string text = member ? "@" : "";
    text += s.Name;
    if (s.ArraySize > 1) text += "[" + std::to_string(s.ArraySize) + "]";
    text += " \t";
    if (s.IsConst) text += "[Constant]";
    text += "\t";
    if (s.Scope == 2) text += "[Parameter]";
    lines_.push_back({text, &s, member});
  }

  // Left subtree, right subtree, then the node.
  void WalkPlain(Symbol* node) {
    if (node == nullptr) return;
    WalkPlain(node->Left);
    WalkPlain(node->Right);
    if (!node->Deleted && !node->Invisible && PassesPage(*node) && PassesArrayAndConstant(*node)) Add(*node, false);
  }

  void WalkMembers(Symbol* node) {
    if (node == nullptr) return;
    WalkMembers(node->Left);
    WalkMembers(node->Right);
    if (node->Deleted || !PassesArrayAndConstant(*node)) return;
    if (HasDollar(node->Name)) {
      if (scope_.NamesUnqualified || !IsLocalToPage(node->Name, scope_) || scope_.PageKind == 0) return;
      if (scope_.PageKind == 2 && node->Scope == 2) return;
    }
    Add(*node, true);
  }

  void WalkStructure(StructDef& def) {
    visited_.insert(&def);
    WalkPlain(def.Tree);
  }

  void FillByType() {
    const TypeMask mask = request_.Mask();
    for (StructDef* def = program_.Structures().First; def != nullptr; def = def->NextDef) {
      switch (request_.AddStructs) {
        case kStructsAll:
          if (def->TypeNum >= kFirstStructureId) WalkStructure(*def);
          break;
        case kStructsOne:
          if (def->TypeNum == request_.StructNum) WalkStructure(*def);
          break;
        case kStructsBitsOrSize:
          if (def->TypeNum >= kFirstStructureId &&
              (IsStructureIdInMask(def->TypeNum, mask) || GetStructureSize(def, &program_) == request_.StructNum)) {
            WalkStructure(*def);
          }
          break;
        default:
          break;
      }
    }
    if (request_.AddStructs == kStructsBitsOrSize) return;
    for (int n = 0; n < kBuiltinTypeCount; ++n) {
      if (!MaskHasBuiltin(mask, n)) continue;
      if (Symbol** tree = program_.TreeSlot(n)) WalkPlain(*tree);
      if (StructDef* def = FindStructureById(n, &program_)) visited_.insert(def);
    }
  }

  void FillMemberEntries() {
    for (StructDef* def = program_.Structures().First; def != nullptr; def = def->NextDef) {
      if (visited_.count(def) != 0) continue;
      if ((def->Allowed1 & request_.Allowed1) == 0 && (def->Allowed2 & request_.Allowed2) == 0) continue;
      Symbol** tree = def->TypeNum < kFirstStructureId ? program_.TreeSlot(def->TypeNum) : &def->Tree;
      if (tree != nullptr) WalkMembers(*tree);
    }
  }

  const PickRequest& request_;
  int repr_;
  SymbolTable& program_;
  const PickerScope& scope_;
  std::vector<PickerLine> lines_;
  std::set<const StructDef*> visited_;
};

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::vector<PickerLine> FillPickerLines(const PickRequest& request, int fieldRepresentation, SymbolTable& program,
                                        const PickerScope& scope) {
  return LineFiller(request, fieldRepresentation, program, scope).Fill();
}

std::string PickerLinePrefix(const Symbol& symbol, bool member) {
  return std::string(member ? "@" : "") + symbol.Name + (symbol.ArraySize > 1 ? "[" : " ");
}

int FindPickerLine(const std::vector<PickerLine>& lines, const std::string& prefix) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (StartsWithNoCase(lines[i].Text, prefix)) return static_cast<int>(i);
  }
  return -1;
}

const char* ScopeWord(int scope) {
  switch (scope) {
    case 1: return "Local";
    case 2: return "Parameter";
    case 3: return "Global(System)";
    default: return "Global";
  }
}

PickerInfo PickerInfoOf(const Symbol& symbol, bool member, SymbolTable* program) {
  PickerInfo info;
  info.Name = std::string(member ? "@" : "") + symbol.Name;
  if (symbol.Type >= kFirstStructureId) {
    const StructDef* def = FindStructureById(symbol.Type, program);
    info.Type = def != nullptr ? def->Name : "";
  } else {
    const char* name = GetTypeTableName(symbol.Type);
    info.Type = name != nullptr ? name : "";
  }
  info.Size = std::to_string(symbol.Size);
  info.Scope = ScopeWord(symbol.Scope);
  return info;
}

ArrayControls ArrayControlsFor(int wholeArray, const Symbol* symbol) {
  ArrayControls c;
  if (wholeArray == 1) {
    c.WholeChecked = true;
    c.WholeEnabled = false;
    c.IndexEnabled = false;
  } else if (wholeArray == 0) {
    c.WholeChecked = false;
    c.WholeEnabled = false;
    c.IndexEnabled = true;
  }
  c.Visible = symbol != nullptr && symbol->ArraySize >= 2;
  return c;
}

int ReadPickIndex(const std::string& editText, const Symbol* selected, bool wholeChecked, PickRequest& request,
                  SymbolTable* program) {
  if (selected == nullptr || selected->ArraySize < 2 || wholeChecked) {
    request.Index.reset();
    return 1;
  }
  const std::string text = editText.substr(0, kIndexTextSize - 1);
  const std::string test = !text.empty() && text[0] == '\'' ? text.substr(1) : text;
  double number = 0;
  bool passes = false;
  if (IsNumberText(test.c_str(), &number)) {
    passes = number >= 1 && number <= selected->ArraySize;
  } else {
    SymP probe;
    int type = -1;
    ParseVariableReference(test.c_str(), probe, AllTypesMask(), &type, program);
    passes = probe.S != nullptr;
  }
  request.Index.reset();
  if (!passes) return 0;

  auto node = std::make_unique<SymP>();
  int type = -1;
  ParseVariableReference(text.c_str(), *node, AllTypesMask(), &type, program);
  bool accepted = false;
  if (node->S != nullptr) {
    const int t = node->S->Type;
    accepted = (t < kBuiltinTypeCount && !IsRecordTypeCode(t)) || text.find('.') != std::string::npos;
  } else {
    std::vector<char> value(256, 0);
    const int numberType = GuessConstantType(test.c_str(), value.data());
    if (numberType > 0) {
      node->SetConstBytes(value.data(), value.size());
      node->ConstType = static_cast<std::int16_t>(numberType);
      accepted = true;
    }
  }
  // A refused index leaves no node behind.
  if (accepted) request.Index = std::move(node);
  return accepted ? 1 : 0;
}

std::string PickIndexText(const PickRequest& request, SymbolTable* program) {
  if (!request.Index) return std::string();
  SymP& index = *request.Index;
  if (index.S != nullptr) return FormatVariableReference(index, program);
  if (!index.HasConst()) return std::string();
  std::string text;
  if (FormatConstantValue(text, index.ConstPtr.data(), index.ConstType) != 0) return std::string();
  return !text.empty() && text[0] == '\'' ? text.substr(1) : text;
}

bool PickerResizeAllowed(const Symbol& symbol) { return symbol.ArraySize > 1 || symbol.Type == kTypeString; }

}  // namespace zeph
