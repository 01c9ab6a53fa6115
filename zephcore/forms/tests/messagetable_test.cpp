// The message form's own field table stores where the message type's catalogue table
// reads: the same entries with the same offsets, types and rules.
#include <gtest/gtest.h>

#include <string>

#include "forms/own/messagetable.h"
#include "model/pbcat.h"

namespace zeph {
namespace {

std::string Str(const char* text) { return text != nullptr ? text : "(none)"; }

TEST(MessageFormTable, AgreesWithTheMessageTypesCatalogueTable) {
  const PBType* slot = GetPBType(1);
  ASSERT_NE(slot, nullptr);
  ASSERT_NE(slot->FieldTable, nullptr);
  const PBFieldDef* own = MessageFormTable();
  ASSERT_EQ(CountFields(own), kMessageFormEntries);
  ASSERT_EQ(CountFields(slot->FieldTable), kMessageFormEntries);
  for (int i = 0; i < kMessageFormEntries; ++i) {
    const PBFieldDef& a = own[i];
    const PBFieldDef& b = slot->FieldTable[i];
    SCOPED_TRACE(a.Name);
    EXPECT_STREQ(a.Name, b.Name);
    EXPECT_EQ(a.UIElement, b.UIElement);
    EXPECT_EQ(a.FieldRepresentation, b.FieldRepresentation);
    EXPECT_EQ(a.ScalarType, b.ScalarType);
    EXPECT_EQ(a.NumRadioInArray, b.NumRadioInArray);
    EXPECT_EQ(a.FieldOffset, b.FieldOffset);
    EXPECT_EQ(a.Allowed1, b.Allowed1);
    EXPECT_EQ(a.Allowed2, b.Allowed2);
    EXPECT_EQ(a.AddStructs, b.AddStructs);
    EXPECT_EQ(a.WholeArray, b.WholeArray);
    EXPECT_EQ(a.CanFieldBeBlank, b.CanFieldBeBlank);
    EXPECT_EQ(a.CanFieldBeWrong, b.CanFieldBeWrong);
    EXPECT_EQ(a.SkipMe, b.SkipMe);
    EXPECT_EQ(Str(a.GotoStrs), Str(b.GotoStrs));
  }
}

}  // namespace
}  // namespace zeph
