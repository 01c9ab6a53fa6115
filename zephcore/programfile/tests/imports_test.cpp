// Libraries of SuperBlocks, header files and the palette groups of a program's own blocks.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "foundation/kvmsgbox.h"
#include "foundation/kvscrpres.h"
#include "model/custompb.h"
#include "model/datatypes.h"
#include "model/interface/library.h"
#include "model/interface/vlx.h"
#include "model/program/program.h"
#include "model/structops.h"
#include "model/symtable.h"
#include "programfile/edfile/edfile.h"
#include "programfile/imports/header_import.h"
#include "programfile/imports/library_import.h"
#include "scratch_folder.h"

namespace zeph {
namespace {

void* FakeDialogModule() {
  static int module = 1;
  return &module;
}

std::vector<std::string> EntryNames(const VlxPaletteGroup* group) {
  std::vector<std::string> names;
  for (int i = 0; group && group->Entries[i].Name; ++i) names.push_back(group->Entries[i].Name);
  return names;
}

// A paste that counts its calls, copying the definition and its members.
struct CopyPaste : HeaderStructurePaste {
  int Paste(TProgram&, const StructDef& s, TProgram& to) override {
    ++pastes;
    StructDef* def = NewStructureDef(s.Name, 0, 0, &to.Symbols());
    if (!def) return -102;
    int n = 0;
    for (const StructMember* m = s.FstMem; m; m = m->Next)
      InsertMemberAfter(n++, &def->FstMem, NewStructureMember(m->Name, m->Type, m->Size, def));
    return 0;
  }
  int pastes = 0;
};

class Imports : public ::testing::Test {
 protected:
  Imports() {
    SetDialogModuleLoader(&FakeDialogModule);
    EnsureLibraryStarted();
    handle = vlxAddProgram(nullptr, 0);
    program = static_cast<TProgram*>(handle);
    scratchHandle = vlxAddProgram(nullptr, 0);
    scratch = static_cast<TProgram*>(scratchHandle);
    program->Activate();
    vlxCreatePage("Main", 1, 0);
    // Header files are named as they stand in the program folder.
    std::filesystem::current_path(folder);
    _appErrorExists = 0;
    _clbFailure = 0;
    _UnconditionalBuild = 0;
  }
  ~Imports() override {
    std::filesystem::current_path(home);
    SetHeaderStructurePaste(nullptr);
    vlxRemoveProgram(scratchHandle);
    vlxRemoveProgram(handle);
    SetDialogModuleLoader(nullptr);
  }

  Symbol* Add(TProgram& p, const char* name, int type, int size = 4) {
    Symbol* s = nullptr;
    EXPECT_EQ(p.AddNamedSymbol(&s, name, type, size, 1, 0, false, 0, 3), 0) << name;
    return s;
  }
  // A constant of a header: integer value, marked as travelling with headers.
  Symbol* Constant(TProgram& p, const char* name, std::int32_t value) {
    Symbol* s = Add(p, name, kTypeInteger);
    auto block = std::make_unique<ValueBlockData>(4);
    std::memcpy(block->Bytes(), &value, 4);
    s->Data = std::move(block);
    s->IsConst = 1;
    return s;
  }
  static std::int32_t ValueOf(const Symbol* s) {
    const auto* block = dynamic_cast<const ValueBlockData*>(s->Data.get());
    std::int32_t v = 0;
    if (block && block->Size() >= 4) std::memcpy(&v, block->Bytes(), 4);
    return v;
  }
  // Writes a program as a header file: the designer's lines, then the model part.
  std::string WriteHeader(TProgram& p, const char* file, bool designerPart = true) {
    const std::string path = file;
    std::stringstream model;
    EXPECT_EQ(DiskWriteProgram(p, &model, 1), 0);
    std::ofstream out(path, std::ios::binary);
    if (designerPart) out << "[Designer]\nWindow=1\n{EndOfCommentSection}\n";
    out << model.str();
    return path;
  }
  // A header with the constants Alpha 1 and Beta 2 and the structure Rec {integer Id}.
  std::string StandardHeader(const char* file = "std.hdr") {
    TProgram header;
    Constant(header, "Alpha", 1);
    Constant(header, "Beta", 2);
    StructDef* rec = NewStructureDef("Rec", 0, 0, &header.Symbols());
    rec->FromHeader = 1;
    InsertMemberAfter(0, &rec->FstMem, NewStructureMember("Id", kTypeInteger, 4, rec));
    const std::string path = WriteHeader(header, file);
    program->Activate();
    return path;
  }
  // Imports the standard header through the test's paste: its Rec structure.
  StructDef* ImportThroughPaste(std::string& path) {
    SetHeaderStructurePaste(&paste);
    path = StandardHeader();
    EXPECT_EQ(ImportHeader(*program, *scratch, path.c_str(), nullptr), 1);
    StructDef* rec = FindStructureByName("Rec", &program->Symbols());
    EXPECT_NE(rec, nullptr);
    return rec;
  }
  Symbol* Find(const char* name, int type) {
    TProgram::DisableSymbolPageCheck all(*program);
    return LookupSymbol(name, type, &program->Symbols());
  }

  CopyPaste paste;
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  std::filesystem::path home = std::filesystem::current_path();
  test::ScratchFolder folder{"zeph_imports_"};
  vlxHandleType handle = nullptr;
  vlxHandleType scratchHandle = nullptr;
  TProgram* program = nullptr;
  TProgram* scratch = nullptr;
};

TEST_F(Imports, LibraryIsStoredInUpperCaseOnceWithItsPage) {
  EXPECT_STREQ(vlxImportRLL(handle, "mylib.rll", nullptr), "MYLIB.RLL");
  EXPECT_STREQ(vlxImportRLL(handle, "MyLib.Rll", nullptr), "MYLIB.RLL");
  std::vector<std::string> names{"stale"};
  vlxGetRLList(handle, names);
  EXPECT_EQ(names, std::vector<std::string>{"MYLIB.RLL"});
  EXPECT_EQ(program->GetPageKind("MYLIB.RLL"), kLibraryPageKind);
  EXPECT_EQ(vlxImportAllRLLs(handle, nullptr), 1);
  vlxGetRLList(handle, names);
  EXPECT_EQ(names.size(), 1u);
}

TEST_F(Imports, RemovingALibraryTakesItsPagesAndKeepsOthers) {
  vlxImportRLL(handle, "mylib.rll", nullptr);
  Symbol* menu = Add(*program, "MYLIB.Menu", kTypeSuperBlock, 1);
  Symbol* other = Add(*program, "Other", kTypeSuperBlock, 1);
  ASSERT_TRUE(menu && other);
  EXPECT_EQ(vlxRLLInUse(handle, "mylib.rll"), 0);
  Find("MYLIB.RLL", kTypeSuperBlock)->RefCnt = 1;
  EXPECT_EQ(vlxRLLInUse(handle, "mylib.rll"), 1) << "letter case aside";
  Find("MYLIB.RLL", kTypeSuperBlock)->RefCnt = 0;

  EXPECT_EQ(vlxRemoveRLL(handle, "mylib.rll"), 0);
  std::vector<std::string> names;
  vlxGetRLList(handle, names);
  EXPECT_TRUE(names.empty());
  EXPECT_EQ(Find("MYLIB.RLL", kTypeSuperBlock), nullptr);
  EXPECT_EQ(Find("MYLIB.Menu", kTypeSuperBlock), nullptr);
  EXPECT_NE(Find("Other", kTypeSuperBlock), nullptr);
}

TEST_F(Imports, PaletteGroupsOfCustomsPagesAndALibrary) {
  ASSERT_EQ(CustomPBAdd(program->CustomVavurOrezos(), "Calc", &program->Symbols()), 0);
  ASSERT_EQ(CustomPBAdd(program->CustomVavurOrezos(), "Greet", &program->Symbols()), 0);
  const VlxPaletteGroup* customs = vlxGetCustomVavurOrezos(handle);
  ASSERT_NE(customs, nullptr);
  EXPECT_STREQ(customs->Title, "Custom");
  const auto customNames = EntryNames(customs);
  EXPECT_EQ(customNames.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(customs->Entries[i].Type, -100);
    EXPECT_STREQ(customs->Entries[i].Bitmap, "Custom");
    ASSERT_EQ(customs->Entries[i].ExitCount, 1);
    EXPECT_STREQ(customs->Entries[i].Exits[0].Label, "Goto");
    EXPECT_EQ(customs->Entries[i].Exits[0].Id, 5);
  }
  EXPECT_EQ(vlxGetCustomVavurOrezos(handle), customs) << "kept by the program";

  Add(*program, "Sub", kTypeSuperBlock, 1);
  Add(*program, "Alpha", kTypeSuperBlock, 1);
  Add(*program, "Check", kTypeVerificationBlock, 1);
  vlxImportRLL(handle, "mylib.rll", nullptr);
  Add(*program, "MYLIB.Menu", kTypeSuperBlock, 1);
  Add(*program, "MYLIB.Greet", kTypeSuperBlock, 1);
  struct Case {
    int which;
    const char* title;
    std::vector<std::string> names;
  };
  const Case cases[] = {{1, "SuperBlocks", {"Alpha", "Sub"}},
                        {2, "VerifyBlocks", {"Check"}},
                        {0, "SuperBlocks", {"Alpha", "Sub", "Check"}}};
  for (const Case& c : cases) {
    const VlxPaletteGroup* pages = vlxGetPageVavurOrezos(handle, c.which);
    ASSERT_NE(pages, nullptr) << c.which;
    EXPECT_STREQ(pages->Title, c.title) << c.which;
    EXPECT_EQ(EntryNames(pages), c.names) << c.which;
    EXPECT_EQ(pages->Entries[0].Type, -101);
  }
  EXPECT_EQ(vlxGetPageVavurOrezos(handle, 3), nullptr);

  std::unique_ptr<VlxPaletteGroup> library(vlxGetRLLPageVavurOrezos(handle, "MYLIB.RLL"));
  ASSERT_NE(library, nullptr);
  EXPECT_STREQ(library->Title, "MYLIB.RLL");
  EXPECT_STREQ(library->Bitmap, "RLL");
  EXPECT_EQ(EntryNames(library.get()), (std::vector<std::string>{"MYLIB.Greet", "MYLIB.Menu"}));
  EXPECT_STREQ(library->Entries[0].Bitmap, "RLL");
}

TEST_F(Imports, HeaderConstantsArriveMarkedAndAConflictIsRefusedAlone) {
  Add(*program, "Beta", kTypeInteger);  // a native variable of the same name
  const std::string path = StandardHeader();
  std::ostringstream log;
  EXPECT_EQ(ImportHeader(*program, *scratch, path.c_str(), &log), 1);
  EXPECT_EQ(log.str(),
            "ERROR: Couldn't import constant Beta from header file due to conflict with existing symbol.\n");
  EXPECT_EQ(_appErrorExists, 1);
  Symbol* alpha = Find("Alpha", kTypeInteger);
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(alpha->IsConst, 1);
  EXPECT_EQ(alpha->CanDelete, 0);
  EXPECT_EQ(ValueOf(alpha), 1);
  EXPECT_EQ(Find("Beta", kTypeInteger)->IsConst, 0) << "the native variable stays";
  // The structure, through the model clipboard.
  const StructDef* rec = FindStructureByName("Rec", &program->Symbols());
  ASSERT_NE(rec, nullptr);
  EXPECT_EQ(rec->FromHeader, 1);
  ASSERT_NE(FindMemberByName(rec, "Id"), nullptr);
  EXPECT_EQ(FindMemberByName(rec, "Id")->Type, kTypeInteger);
  std::vector<std::string> headers;
  vlxGetHeaderList(handle, headers);
  EXPECT_EQ(headers, std::vector<std::string>{path});
  EXPECT_EQ(TProgram::Current(), program) << "the current program is back";
  EXPECT_EQ(LookupSymbol("Alpha", kTypeInteger, &scratch->Symbols()), nullptr) << "the scratch program is emptied";

  // Without a log the refusal is a stop box.
  EXPECT_EQ(ImportHeader(*program, *scratch, path.c_str(), nullptr), 1);
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].caption, "Flowsmith");
}

// A structure whose member is of another header structure arrives with it, the member
// typed by the program's copy.
TEST_F(Imports, NestedHeaderStructuresArriveTogether) {
  Add(*program, "Filler", kTypeInteger);
  StructDef* native = NewStructureDef("Native", 0, 0, &program->Symbols());  // shifts the program's ids
  ASSERT_NE(native, nullptr);
  {
    TProgram header;
    StructDef* inner = NewStructureDef("Inner", 0, 0, &header.Symbols());
    inner->FromHeader = 1;
    InsertMemberAfter(0, &inner->FstMem, NewStructureMember("X", kTypeInteger, 4, inner));
    StructDef* outer = NewStructureDef("Outer", 0, 0, &header.Symbols());
    outer->FromHeader = 1;
    InsertMemberAfter(0, &outer->FstMem, NewStructureMember("In", inner->TypeNum, 1, outer));
    WriteHeader(header, "nested.hdr");
    program->Activate();
  }
  ASSERT_EQ(ImportHeader(*program, *scratch, "nested.hdr", nullptr), 1);
  const StructDef* inner = FindStructureByName("Inner", &program->Symbols());
  const StructDef* outer = FindStructureByName("Outer", &program->Symbols());
  ASSERT_TRUE(inner && outer);
  ASSERT_NE(outer->FstMem, nullptr);
  EXPECT_EQ(outer->FstMem->Type, inner->TypeNum);
  EXPECT_EQ(outer->FromHeader, 1);
  EXPECT_EQ(inner->FromHeader, 1);

  // Imported again: the member still names the structure the program has.
  ASSERT_EQ(ImportHeader(*program, *scratch, "nested.hdr", nullptr), 1);
  inner = FindStructureByName("Inner", &program->Symbols());
  outer = FindStructureByName("Outer", &program->Symbols());
  ASSERT_TRUE(inner && outer && outer->FstMem);
  EXPECT_EQ(outer->FstMem->Type, inner->TypeNum);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(Imports, ReimportKeepsTheUsesOfTheConstant) {
  const std::string path = StandardHeader();
  ASSERT_EQ(ImportHeader(*program, *scratch, path.c_str(), nullptr), 1);
  Find("Alpha", kTypeInteger)->RefCnt = 2;
  ASSERT_EQ(ImportHeader(*program, *scratch, path.c_str(), nullptr), 1);
  Symbol* alpha = Find("Alpha", kTypeInteger);
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(alpha->RefCnt, 2);
  EXPECT_EQ(alpha->IsConst, 1);
}

TEST_F(Imports, BareModelFileImportsAndUnreadableFilesAreReported) {
  TProgram header;
  Constant(header, "Gamma", 7);
  const std::string bare = WriteHeader(header, "bare.hdr", false);
  program->Activate();
  EXPECT_EQ(ImportHeader(*program, *scratch, bare.c_str(), nullptr), 1);
  ASSERT_NE(Find("Gamma", kTypeInteger), nullptr);
  EXPECT_EQ(ValueOf(Find("Gamma", kTypeInteger)), 7);

  // Designer lines and no model part: the end of the stream is a damaged file.
  const std::string cut = "cut.hdr";
  std::ofstream(cut, std::ios::binary) << "[Designer]\nWindow=1\n";
  std::ostringstream log;
  EXPECT_EQ(ReadHeaderFile(*scratch, cut.c_str(), &log), kRcFileError);
  EXPECT_EQ(log.str().rfind("ERROR: ", 0), 0u) << log.str();
  EXPECT_EQ(ImportHeader(*program, *scratch, cut.c_str(), nullptr), 0);

  std::ostringstream missing;
  const std::string nowhere = "nowhere.hdr";
  EXPECT_EQ(ImportHeader(*program, *scratch, nowhere.c_str(), &missing), 0);
  EXPECT_EQ(missing.str(), "Unable to open the header file " + nowhere + ".\n");
  EXPECT_EQ(_clbFailure, 1);
  EXPECT_EQ(TProgram::Current(), program);
}

TEST_F(Imports, OrphanConstantsBecomeNativeOrEndALoggedRun) {
  const std::string path = StandardHeader();
  ASSERT_EQ(ImportHeader(*program, *scratch, path.c_str(), nullptr), 1);
  // Marked as written to a file since, and no header supplies them any more.
  Symbol* old = Constant(*program, "Old", 3);
  old->IsConst = 2;
  old->RefCnt = 1;
  Symbol* unused = Constant(*program, "Unused", 4);
  unused->IsConst = 2;

  std::ostringstream log;
  EXPECT_EQ(ImportAllHeaders(*program, *scratch, &log), 0);
  EXPECT_NE(log.str().find("ERROR: Constant Old could not be found in a header file.\n"), std::string::npos)
      << log.str();
  EXPECT_EQ(_clbFailure, 1);

  EXPECT_EQ(ImportAllHeaders(*program, *scratch, nullptr), 1);
  EXPECT_EQ(Find("Old", kTypeInteger)->IsConst, 0);
  EXPECT_EQ(Find("Unused", kTypeInteger), nullptr);
  ASSERT_FALSE(presenter.Boxes().empty());
  EXPECT_EQ(presenter.Boxes().back().text,
            "Constant Old is being converted to a program native symbol.  A match for it could not be found in any "
            "include file and it is needed in this program");
}

TEST_F(Imports, StructuresArriveThroughThePasteAndKeepMembersInUse) {
  std::string path;
  StructDef* rec = ImportThroughPaste(path);
  ASSERT_NE(rec, nullptr);
  EXPECT_EQ(rec->FromHeader, 1);
  EXPECT_EQ(paste.pastes, 1);

  // In use with its member Id in use: a header that adds a member keeps Id's number and uses.
  rec->RefCnt = 1;
  rec->FstMem->RefCnt = 3;
  const int idNumber = rec->FstMem->ElemNum;
  {
    TProgram header;
    StructDef* def = NewStructureDef("Rec", 0, 0, &header.Symbols());
    def->FromHeader = 1;
    InsertMemberAfter(0, &def->FstMem, NewStructureMember("Name", kTypeString, 20, def));
    InsertMemberAfter(1, &def->FstMem, NewStructureMember("Id", kTypeInteger, 4, def));
    WriteHeader(header, "std.hdr");
    program->Activate();
  }
  ASSERT_EQ(ImportHeader(*program, *scratch, path.c_str(), nullptr), 1);
  EXPECT_EQ(paste.pastes, 1) << "a structure in use is rebuilt in place";
  const StructMember* id = FindMemberByName(rec, "Id");
  const StructMember* name = FindMemberByName(rec, "Name");
  ASSERT_TRUE(id && name);
  EXPECT_EQ(id->RefCnt, 3);
  EXPECT_EQ(id->ElemNum, idNumber);
  EXPECT_EQ(name->RefCnt, 0);
  EXPECT_NE(name->ElemNum, idNumber);

  // A header without the member in use is refused, and the structure stays.
  {
    TProgram header;
    StructDef* def = NewStructureDef("Rec", 0, 0, &header.Symbols());
    def->FromHeader = 1;
    InsertMemberAfter(0, &def->FstMem, NewStructureMember("Other", kTypeInteger, 4, def));
    WriteHeader(header, "std.hdr");
    program->Activate();
  }
  std::ostringstream log;
  ASSERT_EQ(ImportHeader(*program, *scratch, path.c_str(), &log), 1);
  EXPECT_EQ(log.str(),
            "ERROR: Couldn't import structure definition Rec from header file. New structure does not have members "
            "in use in existing program.\n");
  EXPECT_NE(FindMemberByName(rec, "Id"), nullptr);

  // A native structure of the same name is never replaced.
  rec->FromHeader = 0;
  std::ostringstream native;
  ImportHeader(*program, *scratch, path.c_str(), &native);
  EXPECT_EQ(native.str(),
            "ERROR: Couldn't import structure definition Rec from header file due to conflict with existing "
            "program native symbol.\n");
}

TEST_F(Imports, RemovingAHeaderInUseChangesNothing) {
  std::string path;
  StructDef* rec = ImportThroughPaste(path);
  ASSERT_NE(rec, nullptr);
  rec->RefCnt = 1;  // a variable is of this structure
  EXPECT_EQ(RemoveHeader(*program, *scratch, path.c_str()), 1);
  EXPECT_NE(Find("Alpha", kTypeInteger), nullptr);
  EXPECT_NE(FindStructureByName("Rec", &program->Symbols()), nullptr);

  rec->RefCnt = 0;
  EXPECT_EQ(vlxRemoveHeader(handle, scratchHandle, path.c_str()), 0);
  EXPECT_EQ(Find("Alpha", kTypeInteger), nullptr);
  EXPECT_EQ(FindStructureByName("Rec", &program->Symbols()), nullptr);
  std::vector<std::string> headers;
  vlxGetHeaderList(handle, headers);
  EXPECT_TRUE(headers.empty());
  EXPECT_EQ(vlxRemoveHeader(handle, scratchHandle, "nowhere.hdr"), 2);
}

}  // namespace
}  // namespace zeph
