#include "programfile/edfile/edfile_symbols.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "foundation/kvtexttag.h"
#include "model/datatypes.h"
#include "model/name_compare.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "programfile/edfile/edfile_context.h"
#include "programfile/edfile/edfile_fields.h"
#include "programfile/edfile/edfile_sections.h"
#include "programfile/edfile/edfile_sentences.h"
#include "programfile/edfile/edfile_values.h"

namespace zeph {
namespace {

std::vector<EdField> SymbolFields(bool withIsConst) {
  std::vector<EdField> f = {
      {"Header", EdKind::Short},   {"Name", EdKind::Text, kSymbolNameSize}, {"Size", EdKind::Short},
      {"Type", EdKind::Short},     {"IsStructType", EdKind::Short},        {"Invisible", EdKind::Short},
      {"CanDelete", EdKind::Short}, {"RefCnt", EdKind::Short},             {"NotInCode", EdKind::Long},
      {"Deleted", EdKind::Short},  {"Variable", EdKind::Short},            {"Scope", EdKind::Short},
      {"ArraySize", EdKind::Short},
  };
  if (withIsConst) f.push_back({"IsConst", EdKind::Short});
  return f;
}

const std::vector<EdField>& CurrentSymbolFields() {
  static const std::vector<EdField> fields = SymbolFields(true);
  return fields;
}

bool HasData(const Symbol& s) {
  if (s.Type == kTypeVavurOrezo) return s.Data != nullptr;
  if (s.Type == kTypeVoiceSentence) return HasSentenceComponents(s);
  if (s.Type == kTypeResPerm) return s.Data != nullptr;
  return HasValueLines(s);
}

int WriteSymbol(Symbol& s, SymbolTable& table) {
  if (s.Deleted) return 0;
  if (s.IsConst == 1) s.IsConst = 2;   // constants are stored as 2
  EdValues v(CurrentSymbolFields().size());
  v.Num(0, 0).Text(1, s.Name).Num(2, s.Size).Num(3, s.Type).Num(4, s.IsStructType).Num(5, s.Invisible);
  v.Num(6, s.CanDelete).Num(7, s.RefCnt).Num(8, s.NotInCode).Num(9, 0).Num(10, HasData(s) ? 1 : 0);
  v.Num(11, s.Scope).Num(12, s.ArraySize).Num(13, s.IsConst);
  if (EdWriteLine(kSecSymbols, CurrentSymbolFields(), v) != 1) {
    return EdPrompt("Error writing block field.\nContinue Saving?", kSecSymbols);
  }
  if (s.Type == kTypeVoiceSentence) return WriteSentence(s);
  if (s.Type == kTypeResPerm) return s.Data != nullptr ? WriteResPerm(s) : 0;
  return WriteSymbolValue(s, table);
}

int WriteTree(Symbol* root, SymbolTable& table) {
  int rc = 0;
  SymTreeWalkPostOrder(root, [&](Symbol& s) {
    if (rc == 0) rc = WriteSymbol(s, table);
  });
  return rc;
}

// ---- rebuilding a tree from its post-order ----

struct TreeRecords {
  Symbol** Root = nullptr;
  std::vector<Symbol*> Nodes;   // in file order
};

// Rebuilds a tree from its post-order, taking the nodes from the last one back: each is
// the root of the subtree whose names lie strictly between the bounds, followed (going
// back) by its right subtree and then its left one. A node outside the bounds belongs
// further up. Every node is compared with two bounds at most, so the whole tree is made
// in one pass.
class PostOrderBuilder {
 public:
  explicit PostOrderBuilder(std::vector<Symbol*>& nodes) : nodes_(nodes), next_(static_cast<int>(nodes.size()) - 1) {}
  // The root, or null when the order is no balanced search tree.
  Symbol* Build() {
    Symbol* root = nullptr;
    if (Subtree(nullptr, nullptr, 0, &root) < 0 || next_ >= 0) return nullptr;
    return root;
  }

 private:
  // A balanced tree of any size that fits in memory is far less deep than this.
  static constexpr int kMaxDepth = 96;

  // The subtree whose names lie between the bounds; its height, or -1 when it is not
  // balanced.
  int Subtree(const char* low, const char* high, int depth, Symbol** out) {
    *out = nullptr;
    if (next_ < 0) return 0;
    Symbol* root = nodes_[static_cast<std::size_t>(next_)];
    if ((low != nullptr && CompareNames(root->Name, low) <= 0) ||
        (high != nullptr && CompareNames(root->Name, high) >= 0)) {
      return 0;
    }
    if (depth > kMaxDepth) return -1;
    --next_;
    Symbol* left = nullptr;
    Symbol* right = nullptr;
    const int rh = Subtree(root->Name, high, depth + 1, &right);
    if (rh < 0) return -1;
    const int lh = Subtree(low, root->Name, depth + 1, &left);
    if (lh < 0 || lh - rh > 1 || rh - lh > 1) return -1;
    root->Left = left;
    root->Right = right;
    root->Bal = lh > rh ? Balance::LeftHigher : lh < rh ? Balance::RightHigher : Balance::Even;
    *out = root;
    return std::max(lh, rh) + 1;
  }

  std::vector<Symbol*>& nodes_;
  int next_;
};

void FileTree(TreeRecords& t, SymbolTable& table) {
  Symbol* root = nullptr;
  if (*t.Root == nullptr && !t.Nodes.empty() && (root = PostOrderBuilder(t.Nodes).Build()) != nullptr) {
    *t.Root = root;
    return;
  }
  for (Symbol* node : t.Nodes) {
    node->Left = node->Right = nullptr;
    node->Bal = Balance::Even;
    // A second symbol of a name is kept aside: references read with it may name it.
    if (SymTreeInsert(t.Root, node) != nullptr) table.RetireNode(node);
  }
}

struct Reader {
  EdContext& ctx;
  std::vector<TreeRecords> trees;

  TreeRecords& TreeFor(Symbol** root) {
    for (TreeRecords& t : trees) {
      if (t.Root == root) return t;
    }
    trees.push_back({root, {}});
    return trees.back();
  }

  // One symbol record and its lines; *end at the section's end line.
  int ReadOne(bool* end) {
    static const std::string kEndTag = GetSectionTag(kSecSymbols, true);
    static const std::vector<EdField> kOldFields = SymbolFields(false);
    thread_local std::string line;   // its room is kept from symbol to symbol
    if (!ctx.in->Next(line)) return -158;
    if (line == kEndTag) {
      *end = true;
      return 0;
    }
    const bool withIsConst = ctx.levels.SymbolRecordLevel >= 4;
    const std::vector<EdField>& fields = withIsConst ? CurrentSymbolFields() : kOldFields;
    // One list for every symbol: a line that parses sets every field of its table, and
    // the field only the current table has is read only with that table.
    thread_local EdValues v(CurrentSymbolFields().size());
    if (EdParseLine(line, kSecSymbols, fields, v) != 1) {
      ctx.in->SkipToRecord(kSecSymbols, kEndTag);
      return EdPrompt("Error reading block field.\nContinue Loading?", kSecSymbols);
    }
    const std::string& name = v.Text(1);
    if (name.empty() || name.size() >= static_cast<std::size_t>(kSymbolNameSize)) {
      ctx.in->SkipToRecord(kSecSymbols, kEndTag);
      return EdPrompt("Invalid block field encountered.\nContinue Loading?", kSecSymbols);
    }
    SymbolBody body;
    std::memcpy(body.Name, name.c_str(), name.size() + 1);
    body.Size = v.Short(2);
    body.Type = v.Short(3);
    body.IsStructType = v.Short(4);
    body.Invisible = v.Short(5);
    body.CanDelete = v.Short(6);
    body.RefCnt = v.Short(7);
    body.NotInCode = static_cast<std::int32_t>(v.Num(8));
    body.Scope = v.Short(11);
    body.ArraySize = v.Short(12);
    body.IsConst = withIsConst ? v.Short(13) : 0;
    const bool variable = v.Short(10) == 1;
    if (ctx.fileVersion < 4.08 && name == "CallState") body.Type = kTypeInteger;
    if (body.IsConst != 0) body.Scope = 3;
    Symbol** root = ctx.table.TreeOfType(body.Type);
    if (root == nullptr) {
      // A symbol of a structure the file does not define: it is left out, the rest reads.
      ctx.in->SkipToRecord(kSecSymbols, kEndTag);
      return EdPrompt(std::string(body.Name) + ".  This block has encountered an error.\nContinue Loading?",
                      kSecSymbols);
    }

    std::unique_ptr<SymbolData> data;
    int rc = 0;
    if (variable) {
      if (body.Type == kTypeVoiceSentence) rc = ReadSentence(ctx, body.Name, data);
      else if (body.Type == kTypeResPerm) rc = ReadResPerm(ctx, data);
      else if (body.Type != kTypeVavurOrezo) rc = ReadSymbolValue(ctx, body, data);
    }
    if (rc != 0) return rc;

    if (IsInCodeRecord(body.Name)) body.NotInCode = 0;
    if (body.Type == kTypeAddrFParm) body.IsStructType = 1;
    // The old name of the address record: the symbol is renamed, and references to it
    // follow the new name.
    if (name == "DefAddrParm") {
      std::strcpy(body.Name, "NewAddress");
      body.CanDelete = 1;
      body.NotInCode = 0;
      ctx.renames.emplace_back("DefAddrParm", "NewAddress");
    }

    Symbol* node = SymTreeNewNode();
    if (node == nullptr) return -102;
    body.Data = std::move(data);
    static_cast<SymbolBody&>(*node) = std::move(body);
    TreeFor(root).Nodes.push_back(node);
    return 0;
  }
};

}  // namespace

bool IsInCodeRecord(const char* name) {
  static const char* const kNames[] = {"DefOEntryParm", "DefKMenuParm", "DefOMenuParm",
                                       "DefAddrFParm",  "DefFaxSessInf", "DefSRResult"};
  for (const char* n : kNames) {
    if (std::strcmp(n, name) == 0) return true;
  }
  return false;
}

int WriteSymbols(SymbolTable& table) {
  if (WriteSectionTag(kSecSymbols, false) != 1) return EdPrompt("Error writing block field.\nContinue Saving?", kSecSymbols);
  for (int type = 0; type < kBuiltinTypeCount; ++type) {
    if (type == kTypeVoiceSentence || type == kTypeResPerm) continue;
    if (const int rc = WriteTree(*table.TreeSlot(type), table); rc != 0) return rc;
  }
  for (StructDef* def = table.Structures().First; def != nullptr; def = def->NextDef) {
    if (def->TypeNum < kFirstStructureId) continue;
    if (const int rc = WriteTree(def->Tree, table); rc != 0) return rc;
  }
  for (int slot : {static_cast<int>(kTypeVoiceSentence), static_cast<int>(kTypeResPerm),
                   static_cast<int>(kLibraryTreeSlot), static_cast<int>(kHeaderTreeSlot)}) {
    if (const int rc = WriteTree(*table.TreeSlot(slot), table); rc != 0) return rc;
  }
  if (WriteSectionTag(kSecSymbols, true) != 1) return EdPrompt("Error writing block field.\nContinue Saving?", kSecSymbols);
  return 0;
}

int ReadSymbols(EdContext& ctx) {
  Reader reader{ctx, {}};
  int rc = 0;
  bool end = false;
  while (rc == 0 && !end) rc = reader.ReadOne(&end);
  // What was read stays in the program, even when the section ends early.
  for (TreeRecords& t : reader.trees) FileTree(t, ctx.table);
  return rc;
}

}  // namespace zeph
