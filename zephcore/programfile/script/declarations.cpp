// Declaration sections of the script.
#include "programfile/script/declarations.h"

#include <cstdio>
#include <cstring>

#include "model/datatypes.h"
#include "model/pbfield_lookup.h"
#include "model/pbentry_instance.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "model/symtree.h"
#include "programfile/script/typewords.h"

namespace zeph {
namespace {

// Built-in trees that hold no global variables.
bool IsDeclaredTree(int code) {
  switch (code) {
    case kTypeResPerm:
    case kTypeFaxDocument:
    case kTypeVavurOrezo:
    case kTypeVoiceSentence:
    case kTypeSuperBlock:
    case kTypeVerificationBlock: return false;
    default: return true;
  }
}

constexpr int kGlobalScope = 3;

std::string TypeWordOrFail(const Symbol& symbol, SymbolTable& program) {
  std::string word;
  const StructList& list = program.Structures();
  const StructDef* own = symbol.Type >= kFirstStructureId ? FindStructureById(symbol.Type, &program) : nullptr;
  if (!CodeTypeText(symbol.Type, GetSymbolSize(&symbol), own, list, word)) {
    throw ScriptFailure(kScriptInternalError,
                        Format("The variable '%s' is of type %d, which has no declaration (a structure the program "
                               "does not define, or a type without a name).",
                               symbol.Name, symbol.Type));
  }
  return word;
}

// Times the mail counter is advanced by a block's argument list.
int MailScratchUses(const PBInstance& block) {
  int uses = 0;
  if (const PBTemplatePair* tpl = GetParameterTemplate(block.Type, &block)) {
    for (const PBTemplatePair* p = tpl; !scribe::IsTemplateEnd(*p); ++p) {
      if (p->Kind == -271) ++uses;
    }
  }
  return uses;
}

}  // namespace

void CodeStructureDefinitions(const ScriptContext& context, std::string& out) {
  const StructList& list = context.Symbols->Structures();
  for (const StructDef* def = list.First; def != nullptr && def->TypeNum >= kFirstStructureId;
       def = def->NextDef) {
    out += def->Name;
    out += "  {\n";
    for (const StructMember* m = def->FstMem; m != nullptr; m = m->Next) {
      std::string word;
      if (!CodeTypeText(m->Type, m->Size, def, list, word)) {
        throw ScriptFailure(kScriptInternalError,
                            Format("The member '%s' of structure '%s' is of structure type %d, which the "
                                   "program does not define.",
                                   m->Name, def->Name, m->Type));
      }
      out += Format("\t%s %s\n", word.c_str(), m->Name);
    }
    out += "}\n";
  }
}

std::string SegmentBaseName(const std::string& fileName, long long seconds) {
  return Format("L%s%lld", fileName.c_str(), seconds);
}

void CodeGlobalSegment(const Symbol& symbol, const std::string& baseName, std::int32_t& segmentSize,
                       SymbolTable& program, std::string& out) {
  std::int32_t size = 0;
  if (symbol.Type >= kFirstStructureId) {
    const StructDef* def = FindStructureById(symbol.Type, &program);
    size = def != nullptr ? GetStructureSize(def, &program) : 0;
  } else {
    size = GetSymbolSize(&symbol);
  }
  if (size < 0) size = 0;
  if (symbol.ArraySize > 1) size *= symbol.ArraySize;
  ScriptCounters& counters = GeneratorCounters();
  if (segmentSize <= 0 || static_cast<std::int64_t>(segmentSize) + size > kSegmentLimit) {
    out += counters.Segments == 0 ? Format("\n\nglobalseg %s:\n", baseName.c_str())
                                  : Format("\n\nglobalseg %s_%d:\n", baseName.c_str(), counters.Segments);
    ++counters.Segments;
    segmentSize = size;
  } else {
    segmentSize += size;
  }
}

void CodeDeclareVariable(const Symbol& symbol, SymbolTable& program, std::string& out) {
  if (symbol.RefCnt == 0 && (symbol.Scope != 0 || std::strncmp(symbol.Name, "Def", 3) == 0)) return;
  if (!PassesSymbolFilter(symbol)) return;
  const std::string word = TypeWordOrFail(symbol, program);
  // A file handle's initial data is never written (the server opens the file itself).
  const auto* value = symbol.Type == kTypeFileHandle ? nullptr : dynamic_cast<const ValueBlockData*>(symbol.Data.get());
  if (value != nullptr) {
    if (symbol.ArraySize < 2) {
      const std::string text =
          CodeInitialValueText(value->Bytes(), value->Size(), symbol.Type, GetSymbolSize(&symbol), program);
      out += Format("\t%s %s := %s\n", word.c_str(), symbol.Name, text.c_str());
    } else {
      out += Format("\t%s %s[%d] ", word.c_str(), symbol.Name, symbol.ArraySize);
      out += "\n";
    }
    return;
  }
  if (symbol.ArraySize >= 2) {
    out += Format("\t%s %s[%d]\n", word.c_str(), symbol.Name, symbol.ArraySize);
  } else if (symbol.Type == kTypeVSentenceVar) {
    out += Format("\tstructure _TemplateStruct _T_%s\n", symbol.Name);
  } else {
    out += Format("\t%s %s\n", word.c_str(), symbol.Name);
  }
}

void CodeGlobalDeclarations(const ScriptContext& context, const std::string& baseName, std::string& out) {
  SymbolTable& program = *context.Symbols;
  std::int32_t segmentSize = 0;
  auto declare = [&](Symbol& s) {
    if (!PassesSymbolFilter(s) || s.Scope != kGlobalScope) return;
    CodeGlobalSegment(s, baseName, segmentSize, program, out);
    CodeDeclareVariable(s, program, out);
  };
  for (int code = 0; code < kBuiltinTypeCount; ++code) {
    if (IsDeclaredTree(code)) WalkInNameOrder(*program.TreeSlot(code), declare);
  }
  for (StructDef* def = program.Structures().First; def != nullptr; def = def->NextDef) {
    if (def->TypeNum >= kFirstStructureId) WalkInNameOrder(def->Tree, declare);
  }
}

void CodeScratchDeclarations(const ScriptContext& context, std::string& out) {
  ScriptCounters& counters = GeneratorCounters();
  SymTreeWalkPostOrder(*context.Symbols->TreeSlot(kTypeVavurOrezo), [&](Symbol& s) {
    const PBInstance* block = InstanceOf(&s);
    if (!PassesSymbolFilter(s) || block == nullptr) return;
    // One mail record for every use the block's code makes of the mail counter.
    int mails = MailScratchUses(*block);
    if (block->Type == 45 && mails == 0) mails = 1;
    for (int i = 0; i < mails; ++i) {
      out += Format("\tstructure bMail __ScrapMail%d__\n", ++counters.Mail);
    }
    if (block->Type == 49 || block->Type == 50 || block->Type == 51) {
      out += Format("\tstructure bMailBoxKey0 __ScrapMBMin%d__\n", ++counters.MailboxMin);
      out += Format("\tstructure bMailBoxKey0 __ScrapMBMax%d__\n", ++counters.MailboxMax);
    }
  });
}

int CodePagePrototypes(Symbol* pageTree, int isLibrary, std::string& out) {
  int lines = 0;
  WalkInNameOrder(pageTree, [&](Symbol& page) {
    if (!PassesSymbolFilter(page)) return;
    const bool main = EqualsNoCase(page.Name, "Main");
    if (main && isLibrary != 0) return;
    if (main) {
      out += "\tinteger UserApp(structure MbxStruct CurMailbox, structure  MsgStruct CurMessage, structure "
             "AddrParm CurAddress, structure BodyStruct CurBody)\n";
    } else {
      const char* dot = std::strrchr(page.Name, '.');
      const char* part = dot != nullptr ? dot + 1 : page.Name;
      out += Format("\timport $$_%s integer $$_%s.AppManager(structure MbxStruct CurMailbox, structure  "
                    "MsgStruct CurMessage, structure AddrParm CurAddress, structure BodyStruct CurBody)\n",
                    part, part);
    }
    ++lines;
  });
  return lines;
}

void CodeFaxDocuments(const ScriptContext& context, std::string& out) {
  WalkInNameOrder(*context.Symbols->TreeSlot(kTypeFaxDocument), [&](Symbol& s) {
    if (!PassesSymbolFilter(s) || s.Data == nullptr) return;
    const std::string path = context.Folder + s.Name + ".ftl";
    std::FILE* f = std::fopen(path.c_str(), "wb+");
    if (f == nullptr || std::fclose(f) != 0) {
      throw ScriptFailure(kScriptWriteFailed, "The fax document file " + path + " cannot be made.");
    }
    out += Format("\t%s := \"%s\"\n", s.Name, path.c_str());
  });
}

}  // namespace zeph
