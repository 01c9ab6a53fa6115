// The variable picker's lines, preselection, information, array controls and index rules.
#include <gtest/gtest.h>

#include <algorithm>

#include "forms/picker/pickerlines.h"
#include "forms_testutil.h"

namespace zeph::test {
namespace {

class PickerLinesTest : public FormsFixture {
 protected:
  std::vector<std::string> Lines(const PickRequest& r, int repr = 3) {
    std::vector<std::string> out;
    for (const PickerLine& line : FillPickerLines(r, repr, t, scope)) out.push_back(line.Text);
    std::sort(out.begin(), out.end());
    return out;
  }
  static PickRequest Numbers(int wholeArray = 0) {
    PickRequest r;
    r.Allowed1 = 0x3E;
    r.WholeArray = static_cast<std::int16_t>(wholeArray);
    return r;
  }
  PickerScope scope;
};

TEST_F(PickerLinesTest, LinesByTypeArrayAndConstant) {
  Var("count", kTypeInteger);
  Var("list", kTypeInteger, 5);
  Symbol* pi = Var("pi", kTypeNumber);
  pi->IsConst = 1;
  Symbol* parm = Var("parm", kTypeInteger);
  parm->Scope = 2;
  Var("text", kTypeString, 0, 20);
  Symbol* hidden = Var("hidden", kTypeInteger);
  hidden->Invisible = 1;
  Symbol* gone = Var("gone", kTypeInteger);
  gone->Deleted = 1;

  EXPECT_EQ(Lines(Numbers()), (std::vector<std::string>{"count \t\t", "list[5] \t\t", "parm \t\t[Parameter]",
                                                        "pi \t[Constant]\t"}));
  EXPECT_EQ(Lines(Numbers(), 2), (std::vector<std::string>{"count \t\t", "list[5] \t\t", "parm \t\t[Parameter]"}));
  EXPECT_EQ(Lines(Numbers(-1)), (std::vector<std::string>{"count \t\t", "parm \t\t[Parameter]", "pi \t[Constant]\t"}));
  EXPECT_EQ(Lines(Numbers(1)), (std::vector<std::string>{"list[5] \t\t"}));
  EXPECT_TRUE(Lines(PickRequest()).empty());
}

TEST_F(PickerLinesTest, StructureModesAndMemberLines) {
  StructDef* address = AddStructure(t, "Address", {{"street", kTypeString}, {"number", kTypeInteger}});
  StructDef* point = AddStructure(t, "Point", {{"x", kTypeSmallNumber}, {"y", kTypeSmallNumber}});
  address->Allowed1 = (1u << kTypeString) | (1u << kTypeInteger);   // its members' types
  point->Allowed1 = 1u << kTypeSmallNumber;
  Var("home", address->TypeNum);
  Var("where", point->TypeNum);
  Var("count", kTypeInteger);

  PickRequest all = Numbers();
  all.AddStructs = -1;
  EXPECT_EQ(Lines(all), (std::vector<std::string>{"count \t\t", "home \t\t", "where \t\t"}));

  PickRequest one = Numbers();
  one.AddStructs = 1;
  one.StructNum = point->TypeNum;
  // Address is not listed plain, so its variable is offered for its members.
  EXPECT_EQ(Lines(one), (std::vector<std::string>{"@home \t\t", "count \t\t", "where \t\t"}));

  PickRequest bySize;
  bySize.AddStructs = 2;
  bySize.StructNum = static_cast<std::int16_t>(GetStructureSize(point, &t));
  EXPECT_EQ(Lines(bySize), (std::vector<std::string>{"where \t\t"}));
  PickRequest byBit;
  byBit.AddStructs = 2;
  byBit.Allowed1 = 1u << (address->TypeNum - 100);
  byBit.StructNum = -5;
  EXPECT_EQ(Lines(byBit), (std::vector<std::string>{"home \t\t"}));
}

TEST_F(PickerLinesTest, PageLocalNames) {
  Var("global", kTypeInteger);
  Var("Sales$local", kTypeInteger);
  Var("Other$local", kTypeInteger);
  AddVavurOrezoSymbol("Sales$Block1", &t);
  AddVavurOrezoSymbol("Block2", &t);
  PickRequest r = Numbers();
  r.Allowed2 = 4;   // VavurOrezos too
  scope.NamesUnqualified = true;
  EXPECT_EQ(Lines(r), (std::vector<std::string>{"Block2 \t\t", "global \t\t"}));
  scope.NamesUnqualified = false;
  scope.PageName = "Sales";
  scope.PageKind = 1;
  EXPECT_EQ(Lines(r), (std::vector<std::string>{"Sales$Block1 \t\t", "Sales$local \t\t", "global \t\t"}));
  scope.PageKind = 0;
  EXPECT_EQ(Lines(r), (std::vector<std::string>{"Sales$Block1 \t\t", "global \t\t"}));
  scope.PageName = "Sale";   // the page part must match exactly
  scope.PageKind = 1;
  EXPECT_EQ(Lines(r), (std::vector<std::string>{"global \t\t"}));
}

TEST_F(PickerLinesTest, PreselectionAndInformation) {
  Symbol* list = Var("List", kTypeInteger, 5, 10);
  Symbol* c = Var("c", kTypeInteger);
  std::vector<PickerLine> lines = FillPickerLines(Numbers(), 3, t, scope);
  const int at = FindPickerLine(lines, PickerLinePrefix(*list, false));
  ASSERT_GE(at, 0);
  EXPECT_EQ(lines[static_cast<std::size_t>(at)].S, list);
  EXPECT_EQ(FindPickerLine(lines, "list["), at);
  EXPECT_EQ(FindPickerLine(lines, PickerLinePrefix(*c, true)), -1);
  EXPECT_EQ(PickerLinePrefix(*c, false), "c ");

  const PickerInfo info = PickerInfoOf(*list, true, &t);
  EXPECT_EQ(info.Name, "@List");
  EXPECT_EQ(info.Type, GetTypeTableName(kTypeInteger));
  EXPECT_EQ(info.Size, "10");
  EXPECT_EQ(info.Scope, "Global");
  EXPECT_STREQ(ScopeWord(1), "Local");
  EXPECT_STREQ(ScopeWord(2), "Parameter");
  EXPECT_STREQ(ScopeWord(3), "Global(System)");
  EXPECT_TRUE(PickerResizeAllowed(*list));
  EXPECT_FALSE(PickerResizeAllowed(*c));
}

TEST_F(PickerLinesTest, ArrayControls) {
  Symbol* list = Var("list", kTypeInteger, 5);
  Symbol* one = Var("one", kTypeInteger);
  struct Case {
    int whole;
    bool checked, wholeEnabled, indexEnabled;
  };
  for (const Case& c : {Case{1, true, false, false}, Case{0, false, false, true}, Case{-1, false, true, true}}) {
    const ArrayControls a = ArrayControlsFor(c.whole, list);
    EXPECT_EQ(a.WholeChecked, c.checked) << c.whole;
    EXPECT_EQ(a.WholeEnabled, c.wholeEnabled) << c.whole;
    EXPECT_EQ(a.IndexEnabled, c.indexEnabled) << c.whole;
    EXPECT_TRUE(a.Visible);
  }
  EXPECT_FALSE(ArrayControlsFor(0, one).Visible);
  EXPECT_FALSE(ArrayControlsFor(0, nullptr).Visible);
}

TEST_F(PickerLinesTest, IndexRules) {
  Symbol* list = Var("list", kTypeInteger, 5);
  Var("i", kTypeInteger);
  StructDef* point = AddStructure(t, "Point", {{"x", kTypeSmallInteger}});
  Var("p", point->TypeNum);
  struct Case {
    const char* text;
    bool whole;
    int valid;
    bool node;
  };
  const Case cases[] = {
      {"", false, 0, false},   {"0", false, 0, false},  {"6", false, 0, false}, {"5", false, 1, true},
      {"'1", false, 1, true},  {"i", false, 1, true},   {"p", false, 0, false}, {"p.x", false, 1, true},
      {"nothing", false, 0, false}, {"", true, 1, false},
  };
  for (const Case& c : cases) {
    PickRequest r = Numbers();
    r.Index = std::make_unique<SymP>();   // whatever was there goes
    EXPECT_EQ(ReadPickIndex(c.text, list, c.whole, r, &t), c.valid) << c.text;
    EXPECT_EQ(r.Index != nullptr, c.node) << c.text;
  }
  PickRequest r = Numbers();
  ASSERT_EQ(ReadPickIndex("5", list, false, r, &t), 1);
  EXPECT_EQ(PickIndexText(r, &t), "5");
  ASSERT_EQ(ReadPickIndex("i", list, false, r, &t), 1);
  EXPECT_EQ(PickIndexText(r, &t), "i");
  // No selection or no array: nothing to read.
  EXPECT_EQ(ReadPickIndex("junk", nullptr, false, r, &t), 1);
  EXPECT_EQ(r.Index, nullptr);
}

TEST_F(PickerLinesTest, PresetFromAFieldText) {
  Symbol* list = Var("list", kTypeInteger, 5);
  Var("i", kTypeInteger);
  PickRequest r = Numbers();
  r.NoSelectionNeeded = 1;
  PresetPickRequest(r, "list[i]", &t);
  EXPECT_EQ(r.Chosen, list);
  ASSERT_NE(r.Index, nullptr);
  EXPECT_EQ(r.NoSelectionNeeded, 0);
  EXPECT_EQ(ChosenReferenceText(r, &t), "list[i]");
  for (const char* cleared : {"", "   ", "'list", "12", "5x"}) {
    PresetPickRequest(r, "list[i]", &t);
    PresetPickRequest(r, cleared, &t);
    EXPECT_EQ(r.Chosen, nullptr) << cleared;
    EXPECT_EQ(r.Index, nullptr) << cleared;
  }
}

}  // namespace
}  // namespace zeph::test
