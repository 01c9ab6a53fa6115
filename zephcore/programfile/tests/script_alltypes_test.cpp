// Every catalogue type with every field set generates its code without a missing value,
// and its call passes exactly the arguments its template lists.
#include <gtest/gtest.h>

#include "script_testutil.h"

#include <set>

#include "model/datatypes.h"
#include "model/pbfield_lookup.h"
#include "model/pbfielddef.h"
#include "model/structops.h"
#include "programfile/script/blocktypes.h"
#include "programfile/script/codecallbacks.h"
#include "programfile/script/emitters.h"
#include "programfile/build/declarations.h"
#include "programfile/build/include_files.h"
#include "quay/compiler.h"
#include "scribe/calltemplate.h"

namespace zeph::test {
namespace {

class ScriptAllTypes : public ScriptTest {
 protected:
  // A variable of a type the field accepts (made on first need).
  std::string VariableFor(const PBFieldDef& e) {
    // A field that takes a sentence passes its "_T_" record too: a sentence first.
    int type = (e.Allowed2 >> (kTypeVoiceSentence - 32)) & 1u ? kTypeVoiceSentence : -1;
    for (int bit = 0; bit < 64 && type < 0; ++bit) {
      const bool set = bit < 32 ? (e.Allowed1 >> bit) & 1u : (e.Allowed2 >> (bit - 32)) & 1u;
      if (set && bit != kTypeVavurOrezo && bit != kTypeSuperBlock && bit != kTypeVerificationBlock &&
          bit != kTypeStruct && GetTypeTableName(bit) != nullptr) {
        type = bit;
      }
    }
    if (type < 0 && e.AddStructs == kStructsOne) type = e.StructNum;
    if (type < 0 && (e.Allowed2 >> (kTypeVavurOrezo - 32)) & 1u) return "Target";  // a field naming a block
    if (type < 0) type = kTypeInteger;
    const std::string name = "V" + std::to_string(type);
    if (made_.insert(name).second) {
      const int size = type == kTypeString ? 40 : 1;
      EXPECT_NE(AddVariable(name.c_str(), type, size), nullptr) << name;
    }
    return name;
  }

  // Sets every field of a block: gotos to Target, edits to a variable or a constant, check
  // boxes and radio groups to their first value, choices to their list's second text.
  void FillAll(PBInstance* block) {
    const PBFieldDef* table = GetFieldTable(block->Type, block);
    for (int i = 0; table != nullptr && !table[i].IsEnd(); ++i) {
      const PBFieldDef& e = table[i];
      switch (e.UIElement) {
        case scribe::kUICheckBox: SetIndex(block, i, "1"); break;
        case scribe::kUIRadioGroup: SetIndex(block, i, "1"); break;
        case scribe::kUIChoice: {
          const PBChoiceList* list = TheCatalogue().ChoiceList(e.NumRadioInArray);
          ASSERT_NE(list, nullptr);
          SetIndex(block, i, list->Texts[1] != nullptr ? list->Texts[1] : list->Texts[0]);
          break;
        }
        case scribe::kUIEdit:
          if (e.IsGoto()) {
            SetIndex(block, i, "Target");
          } else if (e.FieldRepresentation == scribe::kReprConstant) {
            SetIndex(block, i, e.ScalarType == kTypeString ? "'x" : "'1");
          } else {
            SetIndex(block, i, VariableFor(e).c_str());
          }
          break;
        default: break;
      }
    }
  }

  std::set<std::string> made_;
};

// Commas inside one argument of a kind.
int InnerCommas(int kind) {
  switch (kind) {
    case -291:
    case -289: return 1;
    case -286:
    case -298: return 5;
    case -276: return 11;
    default: return 0;
  }
}

// Arguments written between the call's parentheses: top-level commas plus one.
int CommasIn(const std::string& call) {
  int n = 0;
  bool quoted = false;
  for (char c : call) {
    if (c == '"') quoted = !quoted;
    if (c == ',' && !quoted) ++n;
  }
  return n;
}

TEST_F(ScriptAllTypes, EveryTypeWritesItsCodeWithEveryFieldSet) {
  Add(126, "Target");
  int written = 0;
  for (int type = 0; type < 416; ++type) {
    const PBType* slot = TheCatalogue().Slot(type);
    if (slot == nullptr || slot->InternalName == nullptr) continue;
    const std::string name = "T" + std::to_string(type);
    // Some types are refused on Main (End Blocks) or in this program; they are not written.
    int userError = 0;
    PBInstance* block = program->AddVavurOrezo(type, name.c_str(), "", &userError);
    if (block == nullptr) continue;
    FillAll(block);
    std::string code;
    try {
      code = BlockCode(block);
    } catch (const ScriptFailure& failure) {
      ADD_FAILURE() << type << " " << slot->InternalName << ": " << failure.what();
      continue;
    }
    ++written;
    EXPECT_EQ(code.find("!VALUE!"), std::string::npos) << type << " " << slot->InternalName << "\n" << code;

    // A call from the template passes one argument per pair of its first list.
    const PBTemplatePair* tpl = GetParameterTemplate(type, block);
    const bool ownCode = slot->CodeEmitter != nullptr || FixedStatementHead(type) != nullptr;
    std::string scratch;
    ScriptPage page = PageOf("Main", "UserApp$");
    if (code.empty() || tpl == nullptr || ownCode || EmitOwnCode(BlockFields(*block, program->Symbols()), page, scratch)) continue;
    int expected = 0;
    for (const PBTemplatePair* p = tpl; !scribe::IsTemplateEnd(*p); ++p) expected += 1 + InnerCommas(p->Kind);
    const std::string head = std::string("    ") + slot->InternalName + "(";
    const std::size_t at = code.find(head);
    ASSERT_NE(at, std::string::npos) << type << "\n" << code;
    const std::size_t close = code.find(")\n", at);
    const std::string args = code.substr(at + head.size(), close - at - head.size());
    const int count = args.empty() ? 0 : CommasIn(args) + 1;
    EXPECT_EQ(count, expected) << type << " " << slot->InternalName << "\n" << code;
  }
  EXPECT_GT(written, 400);
}

// A call passes the "_T_" record of a field only when the field takes a voice sentence:
// no other kind of variable has one, and such a call could not compile.
TEST_F(ScriptAllTypes, SentenceRecordsArePassedOnlyForSentenceFields) {
  constexpr std::int16_t kSentenceRecord = -297;
  for (int type = 0; type < 416; ++type) {
    const PBType* slot = TheCatalogue().Slot(type);
    if (slot == nullptr || slot->FieldTable == nullptr) continue;
    const int fields = CountFields(slot->FieldTable);
    for (const PBTemplatePair* p = slot->ParmTemplate; p != nullptr && !scribe::IsTemplateEnd(*p); ++p) {
      if (p->Kind != kSentenceRecord) continue;
      ASSERT_TRUE(p->Field >= 0 && p->Field < fields) << type;
      const PBFieldDef& e = slot->FieldTable[p->Field];
      const auto takes = [&](int code) { return ((e.Allowed2 >> (code - 32)) & 1u) != 0; };
      EXPECT_TRUE(takes(kTypeVoiceSentence) || takes(kTypeVSentenceVar)) << "type " << type << " field " << p->Field;
    }
  }
}

// One block of every catalogue type, each field set, in one program: its script compiles
// against the system include files with the program's own declarations.
TEST_F(ScriptAllTypes, AProgramOfEveryTypeCompiles) {
  Add(126, "Target");
  for (int type = 0; type < 416; ++type) {
    const PBType* slot = TheCatalogue().Slot(type);
    if (slot == nullptr || slot->InternalName == nullptr || type == 142) continue;
    int userError = 0;
    PBInstance* block = program->AddVavurOrezo(type, ("T" + std::to_string(type)).c_str(), "", &userError);
    if (block != nullptr) FillAll(block);
  }
  // Variables the fields name are in use.
  for (const std::string& name : made_) {
    TProgram::DisableSymbolPageCheck all(*program);
    if (Symbol* s = LookupSymbolByMask(name.c_str(), AllTypesMask(), &program->Symbols())) s->RefCnt = 1;
  }
  Set(begin, "Goto", "Target");
  const std::string text = Generate();
  const std::filesystem::path includes =
      std::filesystem::path(ZEPH_TEST_DATA_DIR).parent_path().parent_path() / "build" / "include";
  quay::CompileRequest request;
  request.paths = {(includes / "ulvoinc.tsl").string(), ScriptPath(), (includes / "ulvofunc.tsl").string(), ""};
  request.declarations = ProgramDeclarationText(*program);
  quay::RunImage image;
  quay::ErrorRecord error;
  EXPECT_EQ(quay::CompileProgram(request, image, error), 0)
      << quay::ErrorText(error.code, error.detail) << " in " << error.section << " line " << error.line;
}

}  // namespace
}  // namespace zeph::test
