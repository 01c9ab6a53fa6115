#include "programfile/build/include_files.h"

#include <cctype>
#include <cstdio>
#include <map>
#include <set>

#include "model/datatypes.h"
#include "model/pbcat.h"
#include "model/predef_structs.h"
#include "model/symtable.h"
#include "model/sysvars.h"
#include "programfile/build/runtime_table.h"
#include "programfile/script/typewords.h"
#include "scribe/choicelists.h"
#include "scribe/fielddesc.h"

namespace zeph {

namespace {

// Block types whose statements the generator writes itself (no call of their internal
// name), and the types with a fixed statement head before their call.
const std::set<int> kOwnEmitterTypes = {26,  27,  103, 104, 126, 135, 137, 138, 139, 140, 141,
                                        143, 181, 282, 283, 284, 285, 291, 391, 409,
                                        144, 246, 247, 215, 261};
const std::set<int> kSelectionTypes = {147, 148, 153};
struct Head {
  int type;
  const char* name;
};
const Head kHeads[] = {{45, "bMMailFwdAssign"}, {46, "bMMailAssign"}, {48, "bMMailAssign"},
                       {65, "bMMBAssign"},      {66, "bMMBAssign"},   {74, "bMDLAssign"},
                       {75, "bMDLAssign"}};

const char* PredefinedName(int code) {
  for (int i = 0; i < kPredefinedStructCount; ++i)
    if (const StructDef* d = PredefinedStruct(i); d && d->TypeNum == code) return d->Name;
  return nullptr;
}

bool IsWord(const char* text) {
  if (!text || !*text || std::isdigit(static_cast<unsigned char>(*text))) return false;
  for (const char* p = text; *p; ++p)
    if (!std::isalnum(static_cast<unsigned char>(*p)) && *p != '_') return false;
  return true;
}

// The script's type word of a built-in code; string lengths as given.
std::string TypeWord(int code, int stringLength) {
  switch (code) {
    case 1: return "character";
    case 2: return "smallinteger";
    case 3: case 11: case 21: case 23: case 25: return "integer";
    case 4: return "smallnumber";
    case 5: return "number";
    case 6: return "string(" + std::to_string(stringLength) + ")";
    case 19: return "datenumber";
    case 20: return "datestring";
    case 53: return "boolean";
    case 33: return "label";
    case 30: return "faxdocument";
    case 35: case 46: return "vsentence";
    default: break;
  }
  if (const char* name = PredefinedName(code)) return std::string("structure ") + name;
  return "integer";
}

// Arguments one template pair gives the generated call.
int ArgumentsOfKind(int kind) {
  switch (kind) {
    case -291: case -289: return 2;
    case -286: case -298: return 6;
    case -276: return 12;
    default: return 1;
  }
}

// Counts the arguments of the template list that starts at pairs; moves pairs past its end.
int CountList(const PBTemplatePair*& pairs) {
  int n = 0;
  for (; !scribe::IsTemplateEnd(*pairs); ++pairs) n += ArgumentsOfKind(pairs->Kind);
  ++pairs;
  return n;
}

// Every function the include files declare, with its arity, in a fixed order.
std::vector<std::pair<std::string, int>> AllFunctions() {
  std::vector<std::pair<std::string, int>> out;
  std::map<std::string, int> seen;
  auto add = [&](const std::string& name, int arity) {
    if (seen.emplace(name, arity).second) out.emplace_back(name, arity);
  };
  int count = 0;
  const RuntimeFunction* runtime = RuntimeFunctions(&count);
  for (int i = 0; i < count; ++i) add(runtime[i].name, runtime[i].arity);
  for (int type = 0; type < kPBCatalogueSize; ++type) {
    const PBType* slot = GetPBType(type);
    if (!slot || !slot->InternalName || !IsWord(slot->InternalName)) continue;
    if (kSelectionTypes.count(type)) {
      add(slot->InternalName, 2);
      continue;
    }
    if (kOwnEmitterTypes.count(type)) continue;
    // A type without a template is called without arguments.
    const PBTemplatePair* pairs = slot->ParmTemplate;
    if (!pairs) {
      add(slot->InternalName, 0);
      continue;
    }
    const int first = CountList(pairs);
    const char* head = nullptr;
    for (const Head& h : kHeads)
      if (h.type == type) head = h.name;
    if (!head) {
      add(slot->InternalName, first);
      continue;
    }
    add(head, first);
    CountList(pairs);  // the exits
    add(slot->InternalName, CountList(pairs));
  }
  return out;
}

// The members of a record type's initial-value layout: "i" a smallinteger, "l" and "h" an
// integer, "sN" a string of N bytes ("0" adds a value, not bytes); their byte count in bytes.
std::string LayoutMembers(const char* layout, int& bytes) {
  std::string out;
  int field = 0;
  bytes = 0;
  for (const char* p = layout; *p != '\0';) {
    const char letter = *p++;
    std::string word;
    int size = 0;
    switch (letter) {
      case 'i': word = "smallinteger"; size = 2; break;
      case 'l': case 'h': word = "integer"; size = 4; break;
      case 's':
        while (*p >= '0' && *p <= '9') size = size * 10 + (*p++ - '0');
        word = "string(" + std::to_string(size) + ")";
        break;
      default: continue;
    }
    out += "\t" + word + " Field" + std::to_string(++field) + "\n";
    bytes += size;
  }
  return out;
}

// The built-in record types that the generator declares as "structure NAME": a name that a
// predefined structure stands behind becomes an alias of it; any other a structure of the
// type's size, with the members of its initial-value layout and the rest as bytes. Added
// names go into typeNames, so the plain aliases below do not take them.
std::string RecordTypeStructures(std::set<std::string>& typeNames) {
  std::string t;
  const StructList none;
  for (int code = 0; code < kBuiltinTypeCount; ++code) {
    std::string word;
    const char* name = GetTypeTableName(code);
    if (!IsWord(name) || typeNames.count(name) || !CodeTypeText(code, 0, nullptr, none, word) ||
        word.rfind("structure ", 0) != 0) {
      continue;
    }
    if (const char* predefined = PredefinedName(code)) {
      if (std::string(predefined) != name) t += std::string("alias ") + name + " structure " + predefined + "\n";
      typeNames.insert(name);
      continue;
    }
    const BuiltinTypeEntry* entry = GetBuiltinTypeEntry(code);
    const int size = entry ? entry->Size : 0;
    if (size <= 0) continue;
    int bytes = 0;
    const char* layout = CodeLayoutString(code);
    std::string members = layout ? LayoutMembers(layout, bytes) : std::string();
    if (bytes < size) members += "\tcharacter Reserved[" + std::to_string(size - bytes) + "]\n";
    t += std::string(name) + "  {\n" + members + "}\n";
    typeNames.insert(name);
  }
  return t;
}

std::string Header(const char* name, const char* what) {
  return std::string("#\t") + name + ": " + what + "\n#\tWritten from the VavurOrezo catalogue; do not edit.\n\n";
}

std::string IncludeText(const char* name, const char* what) {
  std::string t = Header(name, what);
  t += "structdefs:\n";
  std::set<std::string> typeNames;
  for (int i = 0; i < kPredefinedStructCount; ++i) {
    const StructDef* d = PredefinedStruct(i);
    if (!d) continue;
    typeNames.insert(d->Name);
    t += std::string(d->Name) + "  {\n";
    for (const StructMember* m = d->FstMem; m; m = m->Next)
      t += "\t" + TypeWord(m->Type, m->Size) + " " + m->Name + "\n";
    t += "}\n";
  }
  int count = 0;
  const RuntimeStruct* structs = RuntimeStructs(&count);
  for (int i = 0; i < count; ++i) {
    typeNames.insert(structs[i].name);
    t += std::string(structs[i].name) + "  {\n";
    for (int k = 0; k < structs[i].count; ++k)
      t += std::string("\t") + structs[i].members[k].type + " " + structs[i].members[k].name + "\n";
    t += "}\n";
  }
  t += RecordTypeStructures(typeNames);
  // Type-table names that are no type word of the language become aliases.
  static const std::set<std::string> kWords = {"character", "smallinteger", "boolean", "Boolean", "integer",
                                               "datenumber", "smallnumber", "number", "datestring", "label",
                                               "vsentence", "faxdocument", "any", "void", "string", "structure"};
  for (int code = 0; code < 64; ++code) {
    for (const char* alias : {GetTypeTableName(code), GetListedTypeName(code)}) {
      if (!IsWord(alias) || kWords.count(alias) || typeNames.count(alias)) continue;
      const std::string word = code == 6 ? "string(256)" : TypeWord(code, 0);
      typeNames.insert(alias);
      t += std::string("alias ") + alias + " " + word + "\n";
    }
  }

  t += "\n\nconstdefs:\n";
  std::set<std::string> constants;
  for (int code = 0; code < scribe::kCompletionCodeCount; ++code) {
    const char* n = scribe::CompletionCodeName(code);
    if (!IsWord(n) || !constants.insert(n).second) continue;
    t += std::string("\t") + n + " = " + std::to_string(code) + "\n";
  }
  const RuntimeConstant* runtimeConstants = RuntimeConstants(&count);
  for (int i = 0; i < count; ++i) {
    if (!constants.insert(runtimeConstants[i].name).second) continue;
    t += std::string("\t") + runtimeConstants[i].name + " = " + std::to_string(runtimeConstants[i].value) + "\n";
  }
  for (int id = 0; id < 70; ++id) {
    const char* const* values = scribe::ChoiceListValues(id);
    for (int i = 0; values && values[i]; ++i) {
      if (!IsWord(values[i]) || !constants.insert(values[i]).second) continue;
      t += std::string("\t") + values[i] + " = " + std::to_string(i) + "\n";
    }
  }

  t += "\n\nvariables:\n";
  for (int i = 0; i < kSystemVariableCount; ++i) {
    const char* varName = nullptr;
    int type = 0, size = 0;
    if (!SystemVariableAt(i, &varName, &type, &size)) continue;
    t += "\t" + TypeWord(type, size + 1) + " " + varName + "\n";
  }
  const RuntimeVariable* vars = RuntimeVariables(&count);
  for (int i = 0; i < count; ++i) {
    t += std::string("\t") + vars[i].type + " " + vars[i].name;
    if (vars[i].count > 1) t += "[" + std::to_string(vars[i].count) + "]";
    t += "\n";
  }
  return t;
}

std::string FunctionsText(const char* name, const char* what, bool stubs) {
  std::string t = Header(name, what);
  t += "funcdefs:\n";
  const auto functions = AllFunctions();
  for (const auto& [fn, arity] : functions) {
    t += "\tinteger " + fn + "(";
    for (int i = 0; i < arity; ++i) t += (i ? ", any a" : "any a") + std::to_string(i + 1);
    t += ")\n";
  }
  if (stubs) {
    t += "\n\nfunctions:\n";
    for (const auto& entry : functions) t += entry.first + " {\n    return 0\n}\n";
  }
  return t;
}

}  // namespace

std::string ScriptTypeWord(int code, int stringLength, const SymbolTable* program) {
  if (code >= 100 && program) {
    for (const StructDef* s = program->Structures().First; s; s = s->NextDef)
      if (s->TypeNum == code) return std::string("structure ") + s->Name;
  }
  return TypeWord(code, stringLength);
}

std::vector<IncludeFile> MakeIncludeFiles() {
  // The catalogue's reserved words take part in the system variables' name checks, and the
  // predefined structures need their member chains: both before anything is written.
  TheCatalogue();
  DefinePredefinedStructs();
  return {
      {"ulvoinc.tsl", IncludeText("ulvoinc.tsl", "system include of program builds")},
      {"ulvofunc.tsl", FunctionsText("ulvofunc.tsl", "system functions of program builds", false)},
      {"sysinc.tsl", IncludeText("sysinc.tsl", "system include of library builds")},
      {"sysfuncs.tsl", FunctionsText("sysfuncs.tsl", "system functions of library builds", false)},
      {"sysincst.tsl", IncludeText("sysincst.tsl", "system include of library builds with stubs")},
      {"sysfunst.tsl", FunctionsText("sysfunst.tsl", "system function stubs of library builds", true)},
  };
}

int IncludeFunctionArity(const std::string& name) {
  for (const auto& [fn, arity] : AllFunctions())
    if (fn == name) return arity;
  return -1;
}

int WriteIncludeFiles(const std::string& folder) {
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '/' && prefix.back() != '\\') prefix += '/';
  for (const IncludeFile& f : MakeIncludeFiles()) {
    // Script files on the server's side use CR LF line ends.
    std::string text;
    text.reserve(f.text.size() + f.text.size() / 16);
    for (const char c : f.text) {
      if (c == '\n') text += '\r';
      text += c;
    }
    std::FILE* out = std::fopen((prefix + f.name).c_str(), "wb");
    if (!out) return -10;
    const bool ok = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (std::fclose(out) != 0 || !ok) return -10;
  }
  return 0;
}

}  // namespace zeph
