#include "edfile_testutil.h"

#include <cstring>
#include <iomanip>

#include "model/custompb.h"
#include "model/interface/library.h"
#include "model/datatypes.h"
#include "model/pbaccess.h"
#include "model/pbcat.h"
#include "model/pbentry_instance.h"
#include "model/program/faxeditors.h"
#include "model/structops.h"
#include "model/superblk.h"
#include "model/symtree.h"
#include "model/varref.h"
#include "model/vsentence.h"
#include "programfile/edfile/edfile.h"
#include "programfile/edfile/edfile_blocks.h"

namespace zeph::test {
namespace {

void* FakeDialogs() {
  static int module = 1;
  return &module;
}

void NoMessages(HWND, unsigned, std::uintptr_t, std::intptr_t, bool) {}

Symbol* Add(TProgram& p, const char* name, int type, int size = 1, int pageKind = 0) {
  Symbol* s = nullptr;
  EXPECT_EQ(p.AddNamedSymbol(&s, name, type, size, 1, 0, false, pageKind), 0) << name;
  return s;
}

template <class T>
void Put(unsigned char* at, T value) {
  std::memcpy(at, &value, sizeof value);
}

void SetRef(SymP& ref, const char* text, TProgram& p) {
  ParseVariableReference(text, ref, AllTypesMask(), nullptr, &p.Symbols());
  EXPECT_NE(ref.S, nullptr) << text;
  UpdateReferenceCount(ref, 1, &p.Symbols());
}

std::string Hex(const unsigned char* p, std::size_t n) {
  std::ostringstream out;
  for (std::size_t i = 0; i < n; ++i) out << std::hex << std::setw(2) << std::setfill('0') << int(p[i]);
  return out.str();
}

std::string DumpSlot(const SymP& slot) {
  std::ostringstream out;
  SymP copy(slot);
  out << "{" << (slot.S ? FormatVariableReference(copy) : std::string("-")) << " m" << slot.StructMemNum << " t"
      << slot.ConstType << " c";
  if (slot.HasConst()) {
    if (slot.ConstType == 1 || slot.ConstType == 2 || slot.ConstType == 3 || slot.ConstType == 4 ||
        slot.ConstType == 5 || slot.ConstType == 19 || slot.ConstType == 21 || slot.ConstType == 53) {
      out << Hex(reinterpret_cast<const unsigned char*>(slot.ConstPtr.data()), slot.ConstPtr.size());
    } else {
      out << "'" << slot.ConstText() << "'";
    }
  }
  out << "}";
  return out.str();
}

void DumpSymbol(std::ostream& out, Symbol& s) {
  if (s.Deleted) return;
  out << s.Name << " sz" << s.Size << " t" << s.Type << " st" << s.IsStructType << " inv" << s.Invisible << " cd"
      << s.CanDelete << " rc" << s.RefCnt << " nic" << s.NotInCode << " sc" << s.Scope << " as" << s.ArraySize
      << " c" << s.IsConst << " bal" << int(s.Bal);
  const SymbolData* d = s.Data.get();
  if (const auto* b = dynamic_cast<const ValueBlockData*>(d)) {
    out << " bytes" << b->Size() << "=";
    for (std::size_t i = 0; i < b->Size(); ++i) {
      if (b->Bytes()[i] != 0) out << i << ":" << int(b->Bytes()[i]) << ",";
    }
  }
  if (const auto* page = dynamic_cast<const SBPageData*>(d)) {
    out << " page" << page->PageType;
    for (int i = 0; i < page->Count(); ++i) {
      const PBFieldDef& e = page->Table()[i];
      out << " [" << e.Name << " " << int(e.UIElement) << " " << int(e.FieldRepresentation) << " " << e.ScalarType
          << " @" << e.FieldOffset << " " << e.Allowed1 << "/" << e.Allowed2 << " " << e.StrSize << " "
          << (e.GotoStrs ? e.GotoStrs : "-") << " " << int(e.CanFieldBeBlank) << "]";
    }
  }
  if (const auto* fax = dynamic_cast<const FaxEditorData*>(d)) {
    out << " fax" << fax->Word1 << "," << fax->Word2 << "," << fax->Text1 << "," << fax->Text2;
  }
  if (const auto* sentence = dynamic_cast<const SentenceData*>(d)) {
    for (const SentenceComponent* c = sentence->First; c; c = c->Next) {
      out << " (k" << c->Kind << " f" << c->RefFlag << " id" << c->Id << " "
          << (c->RefFlag ? DumpSlot(c->Area.Ref) : std::string(c->Area.Path)) << " '" << c->Text.value_or("") << "'";
      for (const ComponentDetail* t = c->Detail; t; t = t->Next) {
        out << " <" << t->Flag1 << (t->Flag1 ? DumpSlot(t->Area1.Ref) : std::string(t->Area1.Path)) << " " << t->Flag2
            << DumpSlot(t->Ref2) << " " << t->Flag3 << DumpSlot(t->Ref3) << ">";
      }
      out << ")";
    }
  }
  if (const auto* pb = dynamic_cast<const PBInstance*>(d)) {
    const PBInstanceHeader& h = pb->Header;
    out << " pb" << pb->Type << " '" << pb->Companion << "' " << h.Page << "," << pb->X << "," << pb->Y << ","
        << h.Finished << "," << h.JustGotosLeft << "," << h.Res3 << "," << h.SelectedGoto << "," << h.NumGotos << ","
        << h.LineMask << " complete" << pb->Complete << " filled" << pb->Filled << " mask" << pb->GotoMask
        << " area=";
    for (int i = 0; i < kParameterAreaSize; ++i) {
      if (pb->Area.Bytes()[i] != 0) out << i << ":" << int(pb->Area.Bytes()[i]) << ",";
    }
    for (const auto& [offset, slot] : const_cast<PBInstance*>(pb)->Area.Slots()) {
      if (!pb->Area.IsSlotEmpty(offset)) out << " @" << offset << DumpSlot(slot);
    }
  }
  out << "\n";
}

}  // namespace

EdFileTest::EdFileTest() {
  // The library's start-up makes its clipboard's program current; the tests' programs are
  // made after it.
  EnsureLibraryStarted();
  SetDialogModuleLoader(&FakeDialogs);
  SetWindowMessageSender(&NoMessages);
  file = std::tmpfile();
}

EdFileTest::~EdFileTest() {
  if (file != nullptr) std::fclose(file);
  SetDialogModuleLoader(nullptr);
  SetWindowMessageSender(nullptr);
}

std::unique_ptr<TProgram> EdFileTest::NewProgram() { return std::make_unique<TProgram>(); }

std::string EdFileTest::Save(TProgram& program, int* rc) {
  std::stringstream stream;
  const int result = DiskWriteProgram(program, &stream, 1);
  if (rc != nullptr) *rc = result;
  else EXPECT_EQ(result, 0);
  return stream.str();
}

int EdFileTest::Load(TProgram& program, const std::string& text, short mode) {
  program.Reset();
  program.Symbols().SymbolPageCheck = 0;
  std::stringstream stream(text);
  return DiskReadProgram(program, file, &stream, mode);
}

void EdFileTest::FillRich(TProgram& p, bool everyType) {
  SymbolTable& t = p.Symbols();
  TProgram::DisableSymbolPageCheck all(p);

  // Structures: one nested in another.
  StructDef* inner = NewStructureDef("Inner", 0, 0, &t);
  InsertMemberAfter(0, &inner->FstMem, NewStructureMember("Count", kTypeInteger, 1, inner));
  InsertMemberAfter(1, &inner->FstMem, NewStructureMember("Label", kTypeString, 12, inner));
  inner->FstMem->Comment = "how many, at most";
  StructDef* outer = NewStructureDef("Outer", 1, 0, &t);
  InsertMemberAfter(0, &outer->FstMem, NewStructureMember("Flag", kTypeSmallInteger, 1, outer));
  InsertMemberAfter(1, &outer->FstMem, NewStructureMember("In", inner->TypeNum, 1, outer));
  InsertMemberAfter(2, &outer->FstMem, NewStructureMember("Rate", kTypeNumber, 1, outer));
  outer->Allowed1 = 0x80000001u;
  outer->NextStructMemNum = 4;

  // Pages of the three kinds; the SuperBlock page has a table.
  Symbol* main = Add(p, "Main", kTypeSuperBlock, 1, 0);
  Symbol* billing = Add(p, "Billing", kTypeSuperBlock, 1, 1);
  Add(p, "Lib.Page", kTypeSuperBlock, 1, 2);
  Add(p, "Verify", kTypeVerificationBlock, 1, 1);
  SBInterfaceTable(billing, &t).AddEntry("Amount", kTypeInteger, 0, 0);
  SBInterfaceTable(billing, &t).AddEntry("Who", kTypeString, 20, 0);

  // Variables with values, arrays among them.
  Symbol* count = Add(p, "Count", kTypeInteger);
  count->ArraySize = 3;
  auto counts = std::make_unique<ValueBlockData>(12);
  Put<std::int32_t>(counts->Bytes(), -7);
  Put<std::int32_t>(counts->Bytes() + 4, 70000);
  Put<std::int32_t>(counts->Bytes() + 8, 3);
  count->Data = std::move(counts);
  Symbol* rate = Add(p, "Rate", kTypeNumber);
  auto rates = std::make_unique<ValueBlockData>(8);
  Put<double>(rates->Bytes(), 1.0 / 3);
  rate->Data = std::move(rates);
  Symbol* small = Add(p, "Small", kTypeSmallNumber);
  auto smalls = std::make_unique<ValueBlockData>(4);
  Put<float>(smalls->Bytes(), 1e-7f);
  small->Data = std::move(smalls);
  Symbol* text = Add(p, "Greeting", kTypeString, 300);
  auto texts = std::make_unique<ValueBlockData>(300);
  std::strcpy(reinterpret_cast<char*>(texts->Bytes()), "Hello, world\r\nsecond line ending in ~");
  text->Data = std::move(texts);
  Add(p, "Off", kTypeInteger);
  Add(p, "Flag", kTypeBoolean);
  Add(p, "When", kTypeDateNumber);
  Symbol* address = Add(p, "Addr", kTypeAddrParms);
  address->Data = std::make_unique<ValueBlockData>(static_cast<std::size_t>(GetBuiltinTypeSize(kTypeAddrParms)));
  Symbol* db = Add(p, "Db", kTypeDBInfo);
  auto dbBytes = std::make_unique<ValueBlockData>(static_cast<std::size_t>(std::max(GetBuiltinTypeSize(kTypeDBInfo), 4)));
  dbBytes->Bytes()[1] = 0xAB;
  db->Data = std::move(dbBytes);
  Symbol* limit = Add(p, "Limit", kTypeInteger);
  limit->IsConst = 1;
  limit->Scope = 3;
  auto limits = std::make_unique<ValueBlockData>(4);
  Put<std::int32_t>(limits->Bytes(), 99);
  limit->Data = std::move(limits);

  // A structured variable of two elements.
  SymbolBody body;
  InitSymbol(body, "Rec", 1, outer->TypeNum, 1, 0, 0, 2, 0);
  SetSymbolStructFlag(body, outer->TypeNum);
  const int outerSize = GetStructureSize(outer, &t);
  auto recs = std::make_unique<ValueBlockData>(static_cast<std::size_t>(2 * outerSize));
  for (int e = 0; e < 2; ++e) {
    unsigned char* at = recs->Bytes() + e * outerSize;
    Put<std::int16_t>(at, static_cast<std::int16_t>(5 + e));
    Put<std::int32_t>(at + 2, 1000 + e);
    std::strcpy(reinterpret_cast<char*>(at + 6), e == 0 ? "first" : "second");
    Put<double>(at + 18, 2.5 * (e + 1));
  }
  body.Data = std::move(recs);
  InsertSymbol(body, outer->TypeNum, true, &t);

  // A header constant and a library.
  Add(p, "HDR.H", kHeaderTreeSlot);
  Add(p, "MYLIB.RLL", kLibraryTreeSlot);

  // A voice sentence: a plain prompt, and a component read from a folder variable whose
  // item names a variable and counts by another.
  Symbol* sentence = Add(p, "Welcome", kTypeVoiceSentence);
  auto data = std::make_unique<SentenceData>();
  SentenceComponent* first = NewSentenceComponent();
  first->Kind = kKindFileVoice;
  std::strcpy(first->Area.Path, "\\VLX\\PRMT\\hello, there.vox");
  first->Text = "say hello";
  SentenceComponent* second = NewSentenceComponent();
  second->Kind = kKindIndexNumber;
  second->RefFlag = 1;
  second->Id = 4;
  SetRef(second->Area.Ref, "_PR_USER", p);
  ComponentDetail* item = NewComponentDetail();
  item->Flag1 = 1;
  SetRef(item->Area1.Ref, "Count[2]", p);
  item->Flag2 = 1;
  SetRef(item->Ref2, "Off", p);
  const std::int32_t twelve = 12;
  item->Ref3.SetConstBytes(&twelve, 4);
  item->Ref3.ConstType = kTypeInteger;
  second->Detail = item;
  first->Next = second;
  data->First = first;
  sentence->Data = std::move(data);

  // A resource permission and a fax item.
  Symbol* permission = Add(p, "Perm", kTypeResPerm);
  auto numbers = std::make_unique<ValueBlockData>(8);
  Put<std::int32_t>(numbers->Bytes(), 17);
  Put<std::int32_t>(numbers->Bytes() + 4, -2);
  permission->Data = std::move(numbers);
  Symbol* fax = Add(p, "Cover", kTypeFaxDocument);
  fax->Scope = 2;
  auto faxData = std::make_unique<FaxEditorData>();
  faxData->Word1 = 3;
  faxData->Word2 = 4;
  std::strcpy(faxData->Text1, "page, one");
  std::strcpy(faxData->Text2, "c:\\fax\\cover.tif");
  fax->Data = std::move(faxData);

  // Custom code, DLL text and default folders.
  ASSERT_EQ(CustomPBAdd(p.CustomVavurOrezos(), "MyCode", &t), 0);
  CustomPBFind(p.CustomVavurOrezos(), "MyCode")->Code = "a = 1, b = 2;\r\nif (a) { b~ }";
  ASSERT_EQ(CustomPBAdd(p.CustomVavurOrezos(), "Unused", &t), 0);
  p.DllHeaderText = "int f(int a, int b);\r\nvoid g();";
  ASSERT_TRUE(p.SetDefaultFolder(0, "'\\DATA\\PRMT\\"));

  // VavurOrezos: every catalogue type that stands alone on Main, with its defaults.
  p.SetCurrentPage(main);
  int userError = 0;
  for (int type = 0; type < kPBCatalogueSize; ++type) {
    const PBType* slot = GetPBType(type);
    if (slot == nullptr || slot->InternalName == nullptr) continue;
    if (!everyType && type % 50 != 3) continue;
    presenter.Clear();
    PBInstance* made = p.AddVavurOrezo(type, ("T" + std::to_string(type)).c_str(), "", &userError);
    if (made != nullptr) {
      made->X = static_cast<std::int16_t>(type);
      made->Y = static_cast<std::int16_t>(-type);
      made->Header.LineMask = 5;
    }
  }
  presenter.Clear();
  PBInstance* pause = p.AddVavurOrezo(134, "Wait", "", &userError);
  ASSERT_NE(pause, nullptr);
  ASSERT_EQ(p.ConnectGoto(pause, "T142", 0), 1);
  ASSERT_NE(p.AddVavurOrezo(kPBTypeCustom, "Hook", "MyCode", &userError), nullptr);
  PBInstance* call = p.AddVavurOrezo(kPBTypeSuperBlock, "CallBilling", "Billing", &userError);
  ASSERT_NE(call, nullptr);
  PBFieldAccessor args(call, 0, nullptr, 0, &t);
  args.SetEntryText("Amount", "Count[1]");
  args.SetEntryText("Who", "'Smith, J.'");
  p.SetCurrentPage(billing);
  ASSERT_NE(p.AddVavurOrezo(181, "Done", "", &userError), nullptr);
  p.SetCurrentPage(main);
  presenter.Clear();
  // Each block as its form leaves it: change tables run, and what its fields say about it.
  SymTreeWalkPostOrder(*t.TreeSlot(kTypeVavurOrezo), [&](Symbol& s) {
    PBInstance* instance = s.Deleted ? nullptr : InstanceOf(&s);
    if (instance == nullptr) return;
    PBFieldAccessor(instance, 0, nullptr, 0, &t).ExecuteChangeTables();
    RecomputeInstanceState(*instance, t);
  });
}

std::string DumpProgram(TProgram& program) {
  std::ostringstream out;
  SymbolTable& t = program.Symbols();
  for (const StructDef* def = t.Structures().First; def != nullptr; def = def->NextDef) {
    if (def->TypeNum < kFirstStructureId) continue;
    out << "struct " << def->Name << " " << def->TypeNum << " " << def->CantDelete << " " << def->NextStructMemNum
        << " " << def->RefCnt << " " << def->Allowed1 << "\n";
    for (const StructMember* m = def->FstMem; m; m = m->Next) {
      out << "  " << m->Name << " " << m->ElemNum << " " << m->Type << " " << m->Size << " " << m->RefCnt << " '"
          << m->Comment << "'\n";
    }
  }
  out << "nextid " << t.Structures().NextId << "\n";
  for (int slot = 0; slot < kProgramSlotCount; ++slot) {
    Symbol** root = t.TreeSlot(slot);
    if (root == nullptr) continue;
    SymTreeWalkPostOrder(*root, [&](Symbol& s) { DumpSymbol(out, s); });
  }
  for (const StructDef* def = t.Structures().First; def != nullptr; def = def->NextDef) {
    SymTreeWalkPostOrder(def->Tree, [&](Symbol& s) { DumpSymbol(out, s); });
  }
  for (const CustomPBEntry* e = program.CustomVavurOrezos().Head.get(); e; e = e->Next.get()) {
    out << "custom " << e->Name << " " << e->RefCount << " '" << e->Code << "'\n";
  }
  out << "dll '" << program.DllHeaderText << "'\n";
  for (int i = 0; i < kDefaultFolderCount; ++i) out << "folder " << program.DefaultFolder(i) << "\n";
  out << "count " << program.VavurOrezoCount << "\n";
  return out.str();
}

}  // namespace zeph::test

namespace zeph::test {

::testing::AssertionResult SameLines(const std::string& expected, const std::string& actual) {
  std::istringstream a(expected);
  std::istringstream b(actual);
  std::string la;
  std::string lb;
  for (int line = 1;; ++line) {
    const bool ha = static_cast<bool>(std::getline(a, la));
    const bool hb = static_cast<bool>(std::getline(b, lb));
    if (!ha && !hb) return ::testing::AssertionSuccess();
    if (ha != hb || la != lb) {
      return ::testing::AssertionFailure() << "line " << line << ":\n  expected: " << (ha ? la.substr(0, 400) : "<end>")
                                           << "\n  actual:   " << (hb ? lb.substr(0, 400) : "<end>");
    }
  }
}

}  // namespace zeph::test
