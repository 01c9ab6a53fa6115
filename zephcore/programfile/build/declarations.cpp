#include "programfile/build/declarations.h"

#include <cstdio>
#include <cstring>

#include "model/datatypes.h"
#include "model/program/program.h"
#include "model/structdef.h"
#include "model/superblk.h"
#include "model/sysvars.h"
#include "programfile/build/include_files.h"

namespace zeph {

namespace {

constexpr int kScopeGlobal = 3;  // declared by the script generator itself

void Walk(Symbol* node, std::string& vars, std::string& consts, const SymbolTable& table) {
  if (!node) return;
  Walk(node->Left, vars, consts, table);
  const bool live = !node->Deleted && !node->NotInCode && !IsSystemVariableName(node->Name);
  // The script declares the global variables except voice sentences and resource items;
  // of a global sentence variable it declares only the "_T_" record.
  const bool global = node->Scope == kScopeGlobal;
  if (live && global && node->Type == kTypeVSentenceVar) {
    vars += std::string("\tvsentence ") + node->Name + "\n";
  } else if (live && (!global || node->Type == kTypeVoiceSentence || node->Type == kTypeResPerm)) {
    if (node->Type == kTypeVoiceSentence || node->Type == kTypeVSentenceVar) {
      vars += std::string("\tvsentence ") + node->Name + "\n\tstructure _TemplateStruct _T_" + node->Name + "\n";
    } else if (node->IsConst && node->Data && (node->Type == kTypeInteger || node->Type == kTypeSmallInteger)) {
      const auto* block = dynamic_cast<const ValueBlockData*>(node->Data.get());
      if (block && block->Size() >= static_cast<std::size_t>(node->Type == kTypeInteger ? 4 : 2)) {
        const unsigned char* b = block->Bytes();
        const long value = node->Type == kTypeInteger
                               ? static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                                           (static_cast<std::uint32_t>(b[3]) << 24))
                               : static_cast<std::int16_t>(b[0] | (b[1] << 8));
        consts += std::string("\t") + node->Name + " = " + std::to_string(value) + "\n";
      }
    } else {
      vars += "\t" + ScriptTypeWord(node->Type, node->Size + 1, &table) + " " + node->Name;
      if (node->ArraySize > 1) vars += "[" + std::to_string(node->ArraySize) + "]";
      vars += "\n";
    }
  }
  Walk(node->Right, vars, consts, table);
}

void PageLines(Symbol* node, TProgram& program, std::string& out) {
  if (!node) return;
  PageLines(node->Left, program, out);
  if (!node->Deleted && std::strcmp(node->Name, "Main") != 0) {
    out += std::string("\tinteger ") + node->Name +
           "(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, structure AddrParm CurAddress, "
           "structure BodyStruct CurBody";
    SBInterfaceTable table(node, &program.Symbols());
    if (const PBFieldDef* e = table.Table()) {
      for (; e->Name[0] && !e->GotoStrs; ++e) out += std::string(", any ") + e->Name;
    }
    out += ")\n";
  }
  PageLines(node->Right, program, out);
}

}  // namespace

std::string ProgramDeclarationText(TProgram& program) {
  SymbolTable& table = program.Symbols();
  TProgram::DisableSymbolPageCheck allPages(program);
  std::string vars, consts;
  for (int code = 0; code < 64; ++code) {
    if (code == 30 || code == 34 || code == 41 || code == 43) continue;  // fax documents, blocks, pages
    if (Symbol** root = table.TreeOfType(code)) Walk(*root, vars, consts, table);
  }
  for (StructDef* s = table.Structures().First; s && s->TypeNum >= 100; s = s->NextDef) Walk(s->Tree, vars, consts, table);
  std::string pages;
  if (Symbol** root = table.TreeOfType(kTypeSuperBlock)) PageLines(*root, program, pages);
  std::string text;
  if (!consts.empty()) text += "constdefs:\n" + consts;
  if (!vars.empty()) text += "variables:\n" + vars;
  if (!pages.empty()) text += "pagedefs:\n" + pages;
  return text;
}

const char* ProvideProgramDeclarations(void*) {
  static std::string text;
  TProgram* program = TProgram::Current();
  text = program ? ProgramDeclarationText(*program) : std::string();
  return text.c_str();
}

}  // namespace zeph
