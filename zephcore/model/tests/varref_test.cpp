#include "model/varref.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "modeltest_util.h"

namespace zeph {
namespace {

class VarRef : public ::testing::Test {
 protected:
  VarRef() {
    inner = test::AddStructure(t, "Inner", {{"G", kTypeSmallInteger}});
    rec = test::AddStructure(t, "Rec", {{"F", kTypeInteger}, {"Sub", inner->TypeNum}});
    a = test::AddVariable(t, "A", kTypeInteger, 5);
    i = test::AddVariable(t, "I", kTypeInteger);
    r = test::AddVariable(t, "R", rec->TypeNum);
    v = test::AddVariable(t, "V", kTypeInteger);
  }
  test::CurrentTable ct;
  SymbolTable& t = ct.table;
  StructDef* inner;
  StructDef* rec;
  Symbol* a;
  Symbol* i;
  Symbol* r;
  Symbol* v;
};

TEST_F(VarRef, RoundTrips) {
  const char* texts[] = {"A", "A[3]", "A[5]", "A[I]", "A[R.F]", "R.F", "R.Sub.G", "V"};
  for (const char* text : texts) {
    SymP ref;
    int type = 0;
    ParseVariableReference(text, ref, AllTypesMask(), &type);
    ASSERT_NE(ref.S, nullptr) << text;
    EXPECT_NE(type, -1);
    EXPECT_EQ(FormatVariableReference(ref), text);
  }
}

TEST_F(VarRef, ConstantIndexIsStoredAsItsValue) {
  SymP ref;
  ParseVariableReference("A[3]", ref, AllTypesMask(), nullptr);
  ASSERT_TRUE(ref.ArrayIndex);
  EXPECT_EQ(ref.ArrayIndex->S, nullptr);
  EXPECT_EQ(ref.ArrayIndex->ConstType, kTypeSmallInteger);
  std::int16_t value = 0;
  std::memcpy(&value, ref.ArrayIndex->ConstPtr.data(), sizeof value);
  EXPECT_EQ(value, 3);
}

TEST_F(VarRef, Refusals) {
  const char* texts[] = {"", "A[0]", "A[6]", "A[X1]", "A[3", "A[3]x", "R.G", "V.F", "R.F.G",
                         "R.", "R..F", "Nope", "R[2].F"};
  for (const char* text : texts) {
    SymP ref;
    int type = 0;
    ParseVariableReference(text, ref, AllTypesMask(), &type);
    EXPECT_EQ(ref.S, nullptr) << text;
    EXPECT_EQ(type, -1) << text;
    EXPECT_FALSE(ref.ArrayIndex) << text;
  }
}

TEST_F(VarRef, MaskDecidesPlainNames) {
  SymP ref;
  ParseVariableReference("V", ref, MaskOfTypes({kTypeSmallInteger}), nullptr);
  EXPECT_EQ(ref.S, nullptr);
  int type = 0;
  ParseVariableReference("R.F", ref, MaskOfTypes({kTypeSmallInteger}), &type);
  EXPECT_EQ(ref.S, r);  // members are looked up among all types
  EXPECT_EQ(type, kTypeInteger);
  EXPECT_EQ(ref.StructMemNum, GetMemberIdByName(rec->TypeNum, "F"));
}

TEST_F(VarRef, LongTextIsCutOnACopy) {
  // 140 characters that parse, followed by 60 that would not.
  std::string text = "A[" + std::string(136, '0') + "3]" + std::string(60, ']');
  ASSERT_EQ(text.size(), 200u);
  std::string before = text;
  SymP ref;
  ParseVariableReference(text.c_str(), ref, AllTypesMask(), nullptr);
  EXPECT_EQ(ref.S, a);
  EXPECT_EQ(std::strlen(text.c_str()), 200u);  // the caller's text is not shortened
  EXPECT_EQ(text, before);
}

TEST_F(VarRef, NameLengthLimit) {
  SymP ref;
  ParseVariableReference(std::string(87, 'n').c_str(), ref, AllTypesMask(), nullptr);
  EXPECT_EQ(ref.S, nullptr);
  ParseVariableReference(("R." + std::string(87, 'm')).c_str(), ref, AllTypesMask(), nullptr);
  EXPECT_EQ(ref.S, nullptr);
}

TEST_F(VarRef, EmptyNamedSymbolFormatsEmptyAndIsDropped) {
  SymP ref;
  ParseVariableReference("V", ref, AllTypesMask(), nullptr);
  char saved = v->Name[0];
  v->Name[0] = 0;
  EXPECT_EQ(FormatVariableReference(ref), "");
  EXPECT_EQ(ref.S, nullptr);
  v->Name[0] = saved;
}

TEST_F(VarRef, ReferenceTypes) {
  SymP ref;
  int size = 0;
  ParseVariableReference("R.Sub.G", ref, AllTypesMask(), nullptr);
  EXPECT_EQ(GetReferenceType(ref, &size), kTypeSmallInteger);
  EXPECT_EQ(size, 1);
  ParseVariableReference("A[2]", ref, AllTypesMask(), nullptr);
  a->Size = 7;
  EXPECT_EQ(GetReferenceType(ref, &size), kTypeInteger);
  EXPECT_EQ(size, 7);
  SymP constant;
  constant.ConstType = kTypeNumber;
  EXPECT_EQ(GetReferenceType(constant, &size), kTypeNumber);
  EXPECT_EQ(size, 1);
  SymP broken;
  broken.S = r;
  broken.StructMemNum = 99;
  EXPECT_EQ(GetReferenceType(broken, &size), -1);
}

TEST_F(VarRef, ReferenceCounts) {
  SymP ref;
  ParseVariableReference("R.Sub.G", ref, AllTypesMask(), nullptr);
  StructMember* g = FindMemberById(inner->TypeNum, ref.Struct2MemNum);
  StructMember* sub = FindMemberById(rec->TypeNum, ref.StructMemNum);
  EXPECT_EQ(UpdateReferenceCount(ref, 1), 0);
  EXPECT_EQ(r->RefCnt, 1);
  EXPECT_EQ(g->RefCnt, 1);
  EXPECT_EQ(sub->RefCnt, 0);  // only the member named last
  EXPECT_EQ(UpdateReferenceCount(ref, 0), 0);
  EXPECT_EQ(UpdateReferenceCount(ref, 0), 0);
  EXPECT_EQ(r->RefCnt, 0);
  EXPECT_EQ(g->RefCnt, 0);

  SymP constant;
  constant.S = v;
  constant.SetConstText("x");
  EXPECT_EQ(UpdateReferenceCount(constant, 1), 0);
  EXPECT_EQ(v->RefCnt, 0);

  SymP broken;
  broken.S = r;
  broken.StructMemNum = 99;
  EXPECT_EQ(UpdateReferenceCount(broken, 1), -1);
  EXPECT_EQ(r->RefCnt, 1);  // the symbol's count changed already
}

TEST_F(VarRef, CopiesAreDeep) {
  SymP ref;
  ParseVariableReference("A[4]", ref, AllTypesMask(), nullptr);
  SymP copy(ref);
  ASSERT_TRUE(copy.ArrayIndex);
  EXPECT_NE(copy.ArrayIndex.get(), ref.ArrayIndex.get());
  EXPECT_NE(copy.ArrayIndex->ConstPtr.data(), ref.ArrayIndex->ConstPtr.data());
  copy.ArrayIndex->ConstPtr[0] = 1;
  EXPECT_EQ(FormatVariableReference(ref), "A[4]");
  EXPECT_EQ(FormatVariableReference(copy), "A[1]");
  SymP assigned;
  assigned = ref;
  EXPECT_EQ(FormatVariableReference(assigned), "A[4]");
}

TEST(SplitReference, PartsAndBounds) {
  std::string p1, p2, p3;
  EXPECT_EQ(SplitReference("a.b.c", p1, p2, p3), 3);
  EXPECT_EQ(p1 + "|" + p2 + "|" + p3, "a|b|c");
  EXPECT_EQ(SplitReference("a", p1, p2, p3), 1);
  EXPECT_EQ(p2, "");
  EXPECT_EQ(SplitReference("", p1, p2, p3), 0);
  EXPECT_EQ(SplitReference("a..b", p1, p2, p3), 2);
  EXPECT_EQ(SplitReference("a.b.c.d", p1, p2, p3), 3);
  std::string longText = std::string(138, 'x') + ".tail.more";
  const std::string before = longText;
  EXPECT_EQ(SplitReference(longText.c_str(), p1, p2, p3), 1);  // only the first 139 characters
  EXPECT_EQ(p1.size(), 138u);
  EXPECT_EQ(longText, before);
}

}  // namespace
}  // namespace zeph
