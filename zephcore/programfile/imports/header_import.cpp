#include "programfile/imports/header_import.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include "foundation/kvlserr.h"
#include "foundation/kvmsgbox.h"
#include "model/datatypes.h"
#include "model/interface/library.h"
#include "model/interface/vlx.h"
#include "model/modelcodes.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "programfile/clipboard/clipboard.h"
#include "programfile/edfile/edfile.h"
#include "programfile/imports/library_import.h"

namespace zeph {

namespace {

HeaderStructurePaste* g_paste = nullptr;

// The dialog module's string 7.
constexpr const char* kCannotOpenHeader = "Unable to open the header file %s.";
constexpr const char* kConstantConflict =
    "Couldn't import constant %s from header file due to conflict with existing symbol.";
constexpr const char* kConstantOtherHeader =
    "Couldn't import constant %s from header file due to conflict with another header import.";
constexpr const char* kStructureConflict =
    "Couldn't import structure definition %s from header file due to conflict with existing program native symbol.";
constexpr const char* kStructureMembersInUse =
    "Couldn't import structure definition %s from header file. New structure does not have members in use in "
    "existing program.";
constexpr const char* kStructureTooManyMembers =
    "Couldn't import structure definition %s from header file. Too many members changed.";
constexpr const char* kConstantOrphan =
    "Constant %s is being converted to a program native symbol.  A match for it could not be found in any include "
    "file and it is needed in this program";
constexpr const char* kStructureOrphan =
    "Structure %s is being converted to a program native symbol.  A match for it could not be found in any include "
    "file and it is needed in this program";
constexpr int kKeptMembersMax = 101;
constexpr int kFirstUserStructure = 100;

std::string Fill(const char* format, const std::string& name) {
  std::string text = format;
  if (const auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, name);
  return text;
}

void Box(const std::string& text, const char* caption, std::uint32_t icon) {
  KvMessageBoxRequest request;
  request.text = text.c_str();
  request.caption = caption;
  request.style = kKvMbOk | icon;
  KvMessageBox(request);
}

void SetErrorFlags() {
  _appErrorExists = 1;
  _clbFailure = 1;
}

// A refused constant or structure: one "ERROR: " line and the flags, or a stop box.
void Refuse(std::ostream* log, const std::string& text) {
  if (log) {
    *log << "ERROR: " << text << "\n";
    SetErrorFlags();
    return;
  }
  Box(text, "Flowsmith", kKvMbIconHand);
}

// Makes a program current for one header operation and puts the previous one back.
class CurrentFor {
 public:
  explicit CurrentFor(TProgram& program) : previous_(TProgram::Current()) { program.Activate(); }
  ~CurrentFor() {
    if (previous_ && TProgram::IsLive(previous_))
      previous_->Activate();
    else
      TProgram::Deactivate();
  }
  CurrentFor(const CurrentFor&) = delete;
  CurrentFor& operator=(const CurrentFor&) = delete;

 private:
  TProgram* previous_;
};

// The file by its name, else in the "UPROG" folder of %VLX%, else in \VLX\UPROG.
std::string FindHeader(const char* name) {
  std::vector<std::string> candidates = {name};
  if (const char* vlx = std::getenv("VLX"); vlx && *vlx) candidates.push_back(std::string(vlx) + "\\UPROG\\" + name);
  candidates.push_back(std::string("\\VLX\\UPROG\\") + name);
  for (const std::string& path : candidates) {
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
      std::fclose(f);
      return path;
    }
  }
  return std::string();
}

// Positions the stream at the model part: after "{EndOfCommentSection}" (the end of the
// designer's sections), or at "{VERSION}" of a bare model file. False at the end of the
// stream.
bool SkipToModelPart(std::istream& in) {
  std::string line;
  for (;;) {
    const std::streampos at = in.tellg();
    if (!std::getline(in, line)) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "{EndOfCommentSection}") return true;
    if (line == "{VERSION}") {
      in.clear();
      in.seekg(at);
      return true;
    }
  }
}

Symbol* TreeOf(SymbolTable& table, int code) {
  Symbol** root = table.TreeOfType(code);
  return root ? *root : nullptr;
}

void PostOrder(Symbol* node, std::vector<Symbol*>& out) {
  if (!node) return;
  PostOrder(node->Left, out);
  PostOrder(node->Right, out);
  out.push_back(node);
}

// The symbols whose constants travel with headers: type codes 0-63 but voice sentences,
// then those of each user structure, each tree post-order.
std::vector<Symbol*> ConstantCandidates(SymbolTable& table) {
  std::vector<Symbol*> out;
  for (int code = 0; code < kBuiltinTypeCount; ++code)
    if (code != kTypeVoiceSentence) PostOrder(TreeOf(table, code), out);
  for (StructDef* s = table.Structures().First; s && s->TypeNum >= kFirstUserStructure; s = s->NextDef)
    PostOrder(s->Tree, out);
  return out;
}

bool FromHeaderMark(int mark) { return mark == 1 || mark == 2; }

// The program's type for a header symbol's type: structure ids go by the structure's name.
int ProgramType(int type, SymbolTable& header, SymbolTable& program) {
  if (type < kFirstUserStructure) return type;
  const StructDef* def = FindStructureById(type, &header);
  const StructDef* mine = def ? FindStructureByName(def->Name, &program) : nullptr;
  return mine ? mine->TypeNum : -1;
}

void ImportConstant(TProgram& program, TProgram& scratch, Symbol& node, std::ostream* log) {
  SymbolTable& table = program.Symbols();
  const std::string name = node.Name;
  const int type = ProgramType(node.Type, scratch.Symbols(), table);
  if (type < 0) {
    Refuse(log, Fill(kConstantConflict, name));
    return;
  }
  int keptUses = 0;
  if (Symbol* same = LookupSymbol(name.c_str(), type, &table)) {
    if (!FromHeaderMark(same->IsConst)) {
      Refuse(log, Fill(kConstantConflict, name));
      return;
    }
    keptUses = same->RefCnt;
    same->RefCnt = 0;
    same->CanDelete = 1;
    if (RemoveSymbol(name.c_str(), type, &table) != 0) {
      same->RefCnt = static_cast<std::int16_t>(keptUses);
      Refuse(log, Fill(kConstantConflict, name));
      return;
    }
  } else if (Symbol* other = LookupSymbolByMask(name.c_str(), AllTypesMask(), &table)) {
    if (!FromHeaderMark(other->IsConst)) {
      Refuse(log, Fill(kConstantConflict, name));
      return;
    }
    if (other->RefCnt > 0) {
      Refuse(log, Fill(kConstantOtherHeader, name));
      return;
    }
    other->CanDelete = 1;
    if (RemoveSymbolByMask(name.c_str(), AllTypesMask(), &table) != 0) {
      Refuse(log, Fill(kConstantConflict, name));
      return;
    }
  }
  SymbolBody body;
  InitSymbol(body, name.c_str(), node.Size, type, 0, node.Invisible, node.Scope, node.ArraySize, 1);
  body.RefCnt = static_cast<std::int16_t>(keptUses);
  // The header's value as it stands, strings and arrays included.
  if (const auto* value = dynamic_cast<const ValueBlockData*>(node.Data.get()); value && value->Size() > 0) {
    auto copy = std::make_unique<ValueBlockData>(value->Size());
    std::memcpy(copy->Bytes(), value->Bytes(), value->Size());
    body.Data = std::move(copy);
  }
  if (!InsertSymbol(body, type, type >= kFirstUserStructure, &table)) ReportModelError(kErrOutOfMemory, log);
}

// Copies a header structure's members into the program's structure of the same name;
// structure-typed members take the program's structure of their name.
void CopyMembers(const StructDef& from, StructDef& to, SymbolTable& header, SymbolTable& program) {
  StructMember** tail = &to.FstMem;
  std::int16_t number = 0;
  for (const StructMember* m = from.FstMem; m; m = m->Next) {
    const int type = ProgramType(m->Type, header, program);
    StructMember* copy = NewStructureMember(m->Name, type < 0 ? m->Type : type, m->Size, &to);
    if (!copy) continue;
    copy->Comment = m->Comment;
    copy->ElemNum = ++number;
    copy->RefCnt = 0;
    *tail = copy;
    tail = &copy->Next;
  }
  to.NextStructMemNum = static_cast<std::int16_t>(number + 1);
}

bool SameMemberType(const StructMember& a, SymbolTable& ta, const StructMember& b, SymbolTable& tb) {
  if (a.Type < kFirstUserStructure || b.Type < kFirstUserStructure) return a.Type == b.Type && a.Size == b.Size;
  const StructDef* da = FindStructureById(a.Type, &ta);
  const StructDef* db = FindStructureById(b.Type, &tb);
  return da && db && std::strcmp(da->Name, db->Name) == 0;
}

// The paste while no other is set: the definition travels through the model clipboard
// (emptied first), which brings the structures its members are typed by along.
class ClipboardPaste : public HeaderStructurePaste {
 public:
  int Paste(TProgram& scratch, const StructDef& def, TProgram& program) override {
    TVlxClipboard& clipboard = TheClipboard();
    clipboard.Empty();
    clipboard.SourceSerial = static_cast<std::int32_t>(scratch.SerialNumber());
    clipboard.Mode = kClipStructure;
    if (clipboard.AddStructDefn(&def, scratch) != 0) return kRcRefused;
    return clipboard.PasteStructDefns(program) == 1 ? 0 : kRcRefused;
  }
};

bool TypesAMember(SymbolTable& table, int id) {
  for (const StructDef* s = table.Structures().First; s && s->TypeNum >= kFirstUserStructure; s = s->NextDef)
    for (const StructMember* m = s->FstMem; m; m = m->Next)
      if (m->Type == id) return true;
  return false;
}

int PasteStructure(TProgram& program, TProgram& scratch, const StructDef& def) {
  static ClipboardPaste clipboard;
  HeaderStructurePaste* paste = g_paste ? g_paste : &clipboard;
  const int rc = paste->Paste(scratch, def, program);
  if (rc != 0) return rc;
  StructDef* pasted = FindStructureByName(def.Name, &program.Symbols());
  if (!pasted) return kRcRefused;
  pasted->RefCnt = 0;
  pasted->FromHeader = 1;
  return 0;
}

void ImportStructure(TProgram& program, TProgram& scratch, const StructDef& def, std::ostream* log) {
  SymbolTable& table = program.Symbols();
  SymbolTable& header = scratch.Symbols();
  StructDef* mine = FindStructureByName(def.Name, &table);
  if (!mine) {
    if (PasteStructure(program, scratch, def) != 0) Refuse(log, Fill(kStructureConflict, def.Name));
    return;
  }
  if (!FromHeaderMark(mine->FromHeader)) {
    Refuse(log, Fill(kStructureConflict, def.Name));
    return;
  }
  // A structure that a member of another one is typed by keeps its id (it is rebuilt in
  // place below), so that the member does not lose its type.
  if (mine->RefCnt <= 0 && !TypesAMember(table, mine->TypeNum)) {
    DeleteStructureDef(def.Name, &table);
    if (PasteStructure(program, scratch, def) != 0) Refuse(log, Fill(kStructureConflict, def.Name));
    return;
  }
  struct Kept {
    std::string name;
    std::int16_t uses;
    std::int16_t number;
  };
  std::vector<Kept> kept;
  for (const StructMember* m = mine->FstMem; m; m = m->Next) {
    if (m->RefCnt <= 0) continue;
    const StructMember* match = FindMemberByName(&def, m->Name);
    if (!match || !SameMemberType(*m, table, *match, header)) {
      Refuse(log, Fill(kStructureMembersInUse, def.Name));
      return;
    }
    if (static_cast<int>(kept.size()) == kKeptMembersMax) {
      Refuse(log, Fill(kStructureTooManyMembers, def.Name));
      return;
    }
    kept.push_back({m->Name, m->RefCnt, m->ElemNum});
  }
  FreeMemberList(mine->FstMem);
  mine->FstMem = nullptr;
  CopyMembers(def, *mine, header, table);
  if (!kept.empty()) {
    // Members in use keep their uses and numbers; the others take the next free numbers.
    std::int16_t next = 1;
    for (const Kept& k : kept) next = std::max<std::int16_t>(next, static_cast<std::int16_t>(k.number + 1));
    for (StructMember* m = mine->FstMem; m; m = m->Next) {
      const auto k = std::find_if(kept.begin(), kept.end(), [&](const Kept& x) { return x.name == m->Name; });
      if (k != kept.end()) {
        m->RefCnt = k->uses;
        m->ElemNum = k->number;
      } else {
        m->RefCnt = 0;
        m->ElemNum = next++;
      }
    }
    mine->NextStructMemNum = next;
  }
  mine->FromHeader = 1;
}

void ReportOrphan(TProgram& program, std::ostream* log, const char* format, const char* errorHead,
                  const std::string& name, bool& stop) {
  (void)program;
  if (!log) {
    Box(Fill(format, name), "Flowsmith", kKvMbIconHand);
  } else if (_UnconditionalBuild) {
    *log << Fill(format, name) << "\n";
  } else {
    *log << "ERROR: " << errorHead << name << " could not be found in a header file.\n";
    SetErrorFlags();
    stop = true;
  }
}

// What no header supplied in this run (marks still 2): unused, it goes; in use, it becomes
// the program's own, or a logged run that is not unconditional ends. False when it ended.
bool SettleOrphans(TProgram& program, std::ostream* log) {
  SymbolTable& table = program.Symbols();
  bool stop = false;
  for (Symbol* s : ConstantCandidates(table)) {
    if (s->Deleted || s->IsConst != 2) continue;
    if (s->RefCnt <= 0) {
      s->CanDelete = 1;
      RemoveSymbol(s->Name, s->Type, &table);
      continue;
    }
    ReportOrphan(program, log, kConstantOrphan, "Constant ", s->Name, stop);
    if (stop) return false;
    s->IsConst = 0;
  }
  std::vector<StructDef*> structures;
  for (StructDef* s = table.Structures().First; s && s->TypeNum >= kFirstUserStructure; s = s->NextDef)
    if (s->FromHeader == 2) structures.push_back(s);
  for (StructDef* s : structures) {
    if (s->RefCnt <= 0) {
      DeleteStructureDef(std::string(s->Name).c_str(), &table);
      continue;
    }
    ReportOrphan(program, log, kStructureOrphan, "Structure ", s->Name, stop);
    if (stop) return false;
    s->FromHeader = 0;
  }
  return true;
}

}  // namespace

void SetHeaderStructurePaste(HeaderStructurePaste* paste) { g_paste = paste; }

int ReadHeaderFile(TProgram& scratch, const char* name, std::ostream* log) {
  const std::string path = FindHeader(name);
  const std::string missing = Fill(kCannotOpenHeader, name);
  if (path.empty()) {
    if (log) {
      *log << missing << "\n";
      SetErrorFlags();
    } else {
      Box(missing, "Error", kKvMbIconExclamation);
    }
    return 1;
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  std::fstream stream(path, std::ios::in | std::ios::binary);
  if (!file || !stream) {
    if (file) std::fclose(file);
    if (log) {
      *log << "ERROR: " << missing << "\n";
      SetErrorFlags();
    } else {
      Box(missing, "Error", kKvMbIconExclamation);
    }
    return 1;
  }
  CurrentFor current(scratch);
  scratch.Reset();
  scratch.Symbols().SymbolPageCheck = 0;
  // A stream that ends before the model part is a damaged file, never a wait for more.
  int rc = SkipToModelPart(stream) ? DiskReadProgram(scratch, file, &stream, kKvLoadSaveLogAndContinue)
                                   : kErrCorruptFile;
  std::fclose(file);
  scratch.Symbols().SymbolPageCheck = 1;
  if (rc != 0) {
    ReportModelError(rc, log);
    return kRcFileError;
  }
  return 0;
}

int ImportHeader(TProgram& program, TProgram& scratch, const char* name, std::ostream* log) {
  scratch.Symbols().SymbolPageCheck = 0;
  if (ReadHeaderFile(scratch, name, log) != 0) {
    scratch.Reset();
    return 0;
  }
  {
    TProgram::DisableSymbolPageCheck allPages(program);
    std::vector<const StructDef*> structures;
    for (const StructDef* s = scratch.Symbols().Structures().First; s && s->TypeNum >= kFirstUserStructure;
         s = s->NextDef) {
      if (s->FromHeader != 0) structures.push_back(s);
    }
    // A structure that came along with an earlier one of this file (a member's type) is
    // already the header's.
    std::vector<std::string> absent;
    for (const StructDef* s : structures)
      if (!FindStructureByName(s->Name, &program.Symbols())) absent.push_back(s->Name);
    std::vector<std::string> done;
    for (const StructDef* s : structures) {
      if (std::find(done.begin(), done.end(), s->Name) != done.end()) continue;
      ImportStructure(program, scratch, *s, log);
      for (const std::string& name : absent)
        if (FindStructureByName(name.c_str(), &program.Symbols())) done.push_back(name);
    }
    for (Symbol* node : ConstantCandidates(scratch.Symbols()))
      if (!node->Deleted && node->IsConst != 0) ImportConstant(program, scratch, *node, log);
  }
  scratch.Reset();
  if (!LookupSymbol(name, kTypeHeader, &program.Symbols())) {
    Symbol* symbol = nullptr;
    program.AddNamedSymbol(&symbol, name, kTypeHeader, 1, 1, 1, false);
  }
  return 1;
}

int ImportAllHeaders(TProgram& program, TProgram& scratch, std::ostream* log) {
  std::vector<std::string> names;
  ImportedNames(program, kTypeHeader, names);
  for (const std::string& name : names) {
    if (ImportHeader(program, scratch, name.c_str(), log)) continue;
    if (log) {
      SetErrorFlags();
      if (!_UnconditionalBuild) return 0;
    } else {
      RemoveSymbol(name.c_str(), kTypeHeader, &program.Symbols());
    }
  }
  if (names.empty()) return 1;
  TProgram::DisableSymbolPageCheck allPages(program);
  return SettleOrphans(program, log) ? 1 : 0;
}

int RemoveHeader(TProgram& program, TProgram& scratch, const char* name) {
  scratch.Symbols().SymbolPageCheck = 0;
  if (ReadHeaderFile(scratch, name, nullptr) != 0) {
    scratch.Reset();
    return 2;
  }
  SymbolTable& table = program.Symbols();
  SymbolTable& header = scratch.Symbols();
  TProgram::DisableSymbolPageCheck allPages(program);
  // First pass: nothing goes while anything of the header is in use.
  std::vector<std::string> structures;
  for (const StructDef* s = header.Structures().First; s && s->TypeNum >= kFirstUserStructure; s = s->NextDef) {
    const StructDef* mine = FindStructureByName(s->Name, &table);
    if (mine && mine->FromHeader && mine->RefCnt > 0) {
      scratch.Reset();
      return 1;
    }
    if (mine && mine->FromHeader) structures.push_back(s->Name);
  }
  std::vector<std::pair<std::string, int>> constants;
  for (Symbol* node : ConstantCandidates(header)) {
    if (node->Deleted) continue;
    const int type = ProgramType(node->Type, header, table);
    Symbol* mine = type < 0 ? nullptr : LookupSymbol(node->Name, type, &table);
    if (!mine || !mine->IsConst) continue;
    if (mine->RefCnt > 0) {
      scratch.Reset();
      return 1;
    }
    constants.emplace_back(node->Name, type);
  }
  scratch.Reset();
  // Second pass: the constants, then the structures they were typed by, then the header.
  for (const auto& [name, type] : constants) {
    if (Symbol* mine = LookupSymbol(name.c_str(), type, &table)) mine->CanDelete = 1;
    RemoveSymbol(name.c_str(), type, &table);
  }
  for (const std::string& s : structures) DeleteStructureDef(s.c_str(), &table);
  return RemoveSymbol(name, kTypeHeader, &table) == 0 ? 0 : 2;
}

}  // namespace zeph
