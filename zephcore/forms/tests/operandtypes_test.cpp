// The operand type coupling of the assignment, compare, add and subtract forms.
#include <gtest/gtest.h>

#include "forms/assign/operandtypes.h"
#include "forms_testutil.h"

namespace zeph::test {
namespace {

using namespace typeset;
constexpr int U = kUnknownType;

using Words = std::pair<std::uint32_t, std::uint32_t>;

struct ArithCase {
  int a, b, r;
  Words f0, f1, f2;
};

class OperandTypesTest : public FormsFixture {
 protected:
  OperandTypesTest() { Reset(); }
  void Reset() {
    for (int i = 0; i < 3; ++i) {
      entries[i].Allowed1 = 0x1000 + static_cast<std::uint32_t>(i);   // marks of the saved masks
      entries[i].Allowed2 = 0x2000 + static_cast<std::uint32_t>(i);
    }
  }
  // Mask words of field i after a rule, "saved" when it was restored.
  std::pair<std::uint32_t, std::uint32_t> M(int i) const { return {entries[i].Allowed1, entries[i].Allowed2}; }
  static std::pair<std::uint32_t, std::uint32_t> Saved(int i) {
    return {0x1000 + static_cast<std::uint32_t>(i), 0x2000 + static_cast<std::uint32_t>(i)};
  }
  template <std::size_t N>
  void RunCases(const ArithCase (&cases)[N], void (*rule)(OperandMasks&, int, int, int)) {
    for (const ArithCase& c : cases) {
      Reset();
      OperandMasks masks(entries, 3);
      rule(masks, c.a, c.b, c.r);
      EXPECT_EQ(M(0), c.f0) << c.a << " " << c.b << " " << c.r;
      EXPECT_EQ(M(1), c.f1) << c.a << " " << c.b << " " << c.r;
      EXPECT_EQ(M(2), c.f2) << c.a << " " << c.b << " " << c.r;
    }
  }
  PBFieldDef entries[4];
};

TEST_F(OperandTypesTest, AssignmentSourceFollowsTheTarget) {
  struct Case {
    int target;
    Words source;
    bool boolean;
  };
  const Case cases[] = {
      {kTypeInteger, {kScalars1, kScalars2}, false}, {kTypeResPerm, {kScalars1, kScalars2}, false},
      {kTypeString, {kText, 0}, false},              {kTypeDateNumber, {kNumbersDates, 0}, false},
      {kTypeDateString, {kDateText, 0}, false},      {kTypeBoolean, {kSmallOrBoolean1, kSmallOrBoolean2}, true},
      {kTypeMenuParms, {1u << 12, 0}, false},        {kTypePlayParms, {0, 1u << 10}, false},
      {kTypeDBInfo, Saved(1), false},                {kTypeVoiceSentence, Saved(1), false},
      {U, Saved(1), false},
  };
  for (const Case& c : cases) {
    Reset();
    OperandMasks masks(entries, 2);
    EXPECT_EQ(AssignUpdateSource(masks, c.target), c.boolean) << c.target;
    EXPECT_EQ(M(1), c.source) << c.target;
    EXPECT_EQ(M(0), Saved(0)) << c.target;
  }
  // The target follows the source the same way.
  Reset();
  OperandMasks masks(entries, 2);
  AssignUpdateTarget(masks, kTypeBoolean);
  EXPECT_EQ(M(0), Words(kSmallOrBoolean1, kSmallOrBoolean2));
  AssignUpdateTarget(masks, U);
  EXPECT_EQ(M(0), Saved(0));
  // A user structure admits only itself.
  AssignUpdateTarget(masks, 104);
  EXPECT_EQ(M(0), Words(0, 0));
  EXPECT_EQ(entries[0].AddStructs, 1);
  EXPECT_EQ(entries[0].StructNum, 104);
}

TEST_F(OperandTypesTest, CompareCouplesBothWays) {
  struct Case {
    int type;
    Words second, first;
  };
  const Case cases[] = {
      {kTypeSmallNumber, {kNumbers, 0}, {kNumbersDateNumber, 0}},
      {kTypeString, {kStringOrDateString, 0}, {kStringOrDateString, 0}},
      {kTypeDateString, {kStringOrDateString, 0}, {kStringOrDateString, 0}},
      {kTypeDateNumber, {kNumbersDateNumber, 0}, {kDateNumber, 0}},
      {kTypeBoolean, Saved(1), Saved(0)},
  };
  for (const Case& c : cases) {
    Reset();
    OperandMasks masks(entries, 2);
    CompareUpdateSecond(masks, c.type);
    CompareUpdateFirst(masks, c.type);
    EXPECT_EQ(M(1), c.second) << c.type;
    EXPECT_EQ(M(0), c.first) << c.type;
  }
}

TEST_F(OperandTypesTest, AddRules) {
  const Words n{kNumbers, 0}, nd{kNumbersDates, 0}, dn{kDateNumber, 0}, ds{kDateString, 0};
  const ArithCase cases[] = {
      {U, U, U, Saved(0), Saved(1), Saved(2)},
      {kTypeInteger, U, U, Saved(0), nd, nd},
      {kTypeDateNumber, U, U, Saved(0), n, dn},
      {kTypeDateString, U, U, Saved(0), n, ds},
      {kTypeString, U, U, Saved(0), Saved(1), Saved(2)},
      {U, kTypeDateNumber, U, n, Saved(1), dn},
      {U, U, kTypeInteger, n, n, Saved(2)},
      {U, U, kTypeDateNumber, {kNumbersDateNumber, 0}, {kNumbersDateNumber, 0}, Saved(2)},
      {U, U, kTypeDateString, {kNumbersDateString, 0}, {kNumbersDateString, 0}, Saved(2)},
      {kTypeInteger, kTypeDateString, U, Saved(0), Saved(1), ds},
      {kTypeDateNumber, kTypeInteger, U, Saved(0), Saved(1), dn},
      {kTypeInteger, U, kTypeDateNumber, Saved(0), dn, Saved(2)},
      {kTypeDateString, U, kTypeDateString, Saved(0), n, Saved(2)},
      {U, kTypeResPerm, kTypeInteger, n, Saved(1), Saved(2)},
      {kTypeInteger, kTypeInteger, kTypeInteger, Saved(0), Saved(1), Saved(2)},
  };
  RunCases(cases, AddUpdateOperands);
}

TEST_F(OperandTypesTest, SubtractRules) {
  const Words n{kNumbers, 0}, nd{kNumbersDates, 0}, dn{kDateNumber, 0}, ds{kDateString, 0};
  const ArithCase cases[] = {
      {kTypeInteger, U, U, Saved(0), n, n},
      {kTypeDateNumber, U, U, Saved(0), {kNumbersDateNumber, 0}, {kNumbersDateNumber, 0}},
      {U, kTypeInteger, U, nd, Saved(1), nd},
      {U, kTypeResPerm, U, Saved(0), Saved(1), Saved(2)},
      {U, kTypeDateString, U, ds, Saved(1), n},
      {U, U, kTypeDateNumber, dn, n, Saved(2)},
      {U, U, kTypeInteger, nd, nd, Saved(2)},
      {kTypeDateString, kTypeDateString, U, Saved(0), Saved(1), n},
      {kTypeDateString, kTypeInteger, U, Saved(0), Saved(1), ds},
      {kTypeDateNumber, U, kTypeDateNumber, Saved(0), n, Saved(2)},
      {kTypeDateNumber, U, kTypeInteger, Saved(0), dn, Saved(2)},
      {U, kTypeInteger, kTypeDateString, ds, Saved(1), Saved(2)},
      {U, kTypeDateNumber, kTypeInteger, dn, Saved(1), Saved(2)},
  };
  RunCases(cases, SubtractUpdateOperands);
}

TEST_F(OperandTypesTest, StoreTypes) {
  struct Case {
    int a, b, r, a2, b2, r2;
  };
  for (const Case& c : {Case{0, kTypeDateString, kTypeInteger, 0, kTypeDateString, kTypeDateString},
                        Case{kTypeInteger, 0, kTypeDateString, kTypeInteger, kTypeDateString, kTypeDateString},
                        Case{kTypeDateString, kTypeDateString, 0, kTypeDateString, kTypeDateString, 0}}) {
    int a = c.a, b = c.b, r = c.r;
    AddStoreTypes(a, b, r);
    EXPECT_EQ(std::make_tuple(a, b, r), std::make_tuple(c.a2, c.b2, c.r2));
  }
  for (const Case& c : {Case{kTypeDateString, 0, kTypeDateString, kTypeDateString, kTypeNumber, kTypeDateString},
                        Case{0, kTypeDateString, kTypeDateString, kTypeNumber, kTypeDateString, kTypeDateString},
                        Case{kTypeDateString, 0, 0, kTypeDateString, kTypeDateString, 0}}) {
    int a = c.a, b = c.b, r = c.r;
    SubtractStoreTypes(a, b, r);
    EXPECT_EQ(std::make_tuple(a, b, r), std::make_tuple(c.a2, c.b2, c.r2));
  }
}

TEST_F(OperandTypesTest, TypesResolveFromTheWholeText) {
  StructDef* def = AddStructure(t, "CustomerRecord", {{"streetAddressLine", kTypeString}, {"flag", kTypeBoolean}});
  Var("customerRecordOfTheDay", def->TypeNum);
  Var("amount", kTypeNumber);
  EXPECT_EQ(ResolveFieldType("amount", &t), kTypeNumber);
  EXPECT_EQ(ResolveFieldType("customerRecordOfTheDay", &t), def->TypeNum);
  EXPECT_EQ(ResolveFieldType("customerRecordOfTheDay.streetAddressLine", &t), kTypeString);
  EXPECT_EQ(ResolveFieldType("customerRecordOfTheDay.flag", &t), kTypeBoolean);
  EXPECT_EQ(ResolveFieldType("nothing", &t), kUnknownType);
  EXPECT_EQ(ResolveFieldType("", &t), kUnknownType);

  PBFieldDef number = Entry("N", scribe::kUIEdit, 3, kTypeNumber, 0);
  number.Allowed1 = kNumbersDates;
  EXPECT_EQ(OperandStoreType("amount", number, &t), kTypeNumber);
  EXPECT_EQ(OperandStoreType("'20240229123000", number, &t), kTypeDateString);
  EXPECT_EQ(OperandStoreType("'2024", number, &t), 0);
  EXPECT_EQ(OperandStoreType("12", number, &t), 0);
}

}  // namespace
}  // namespace zeph::test
