// The message form's field table.
#include "forms/own/messagetable.h"

#include <array>
#include <cstring>

namespace zeph {
namespace {

struct MessageRow {
  const char* Name;
  std::int16_t Offset;
  std::uint32_t Allowed1;
  std::uint32_t Allowed2;
  const char* Goto;   // null: not a goto
  bool Sentence;
};

constexpr std::uint32_t kSentences2 = 0x8;      // voice sentences
constexpr std::uint32_t kVavurOrezos2 = 0x4;    // VavurOrezos
constexpr std::uint32_t kMessageParms1 = 0x2000;

constexpr MessageRow kRows[kMessageFormEntries] = {
    {"Main Voice Sentence", 4, 0, kSentences2, nullptr, true},
    {"Message Parameters", 22, kMessageParms1, 0, nullptr, false},
    {"Goto on End of Message", 40, 0, kVavurOrezos2, "End of File", false},
    {"Goto on User Terminates", 58, 0, kVavurOrezos2, "User Terminates", false},
};

std::array<PBFieldDef, kMessageFormEntries + 1> MakeTable() {
  std::array<PBFieldDef, kMessageFormEntries + 1> table{};
  for (int i = 0; i < kMessageFormEntries; ++i) {
    const MessageRow& row = kRows[i];
    PBFieldDef& e = table[static_cast<std::size_t>(i)];
    std::strncpy(e.Name, row.Name, sizeof e.Name - 1);
    e.UIElement = scribe::kUIEdit;
    e.FieldRepresentation = scribe::kReprVariable;
    e.ScalarType = 3;
    e.NumRadioInArray = row.Sentence ? 1 : 0;
    e.FieldOffset = row.Offset;
    e.Allowed1 = row.Allowed1;
    e.Allowed2 = row.Allowed2;
    e.GotoStrs = row.Goto;
    e.CanFieldBeWrong = row.Goto != nullptr ? 1 : 0;
  }
  return table;
}

}  // namespace

const PBFieldDef* MessageFormTable() {
  static const std::array<PBFieldDef, kMessageFormEntries + 1> table = MakeTable();
  return table.data();
}

}  // namespace zeph
