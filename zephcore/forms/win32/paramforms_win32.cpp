// The small parameter-record set-up forms.
#include "forms/win32/paramforms.h"

#include <cstring>
#include <string>

#include "forms/keys/blockentries.h"
#include "forms/keys/keymasks.h"
#include "foundation/kvbasedlghelp.h"
#include "foundation/kvvif.h"
#include "model/datatypes.h"

namespace zeph {
namespace {

constexpr double kMaxLong = 2147483647.0;
constexpr double kMaxShort = 32767.0;
constexpr int kFirstCheck = 441;

PBFieldDef ConstantOnly(PBFieldDef entry) {
  entry.Allowed1 = 0;
  entry.Allowed2 = 0;
  return entry;
}

// Speech entry and speech menu.
std::vector<PBFieldDef> SpeechEntries() {
  return {BlockNumberEntry("Confidence Th", kTypeInteger, 0, 0, kMaxLong),
          BlockNumberEntry("Minimum Conf", kTypeInteger, 4, 0, kMaxLong),
          BlockNumberEntry("Vocabulary ID", kTypeSmallInteger, 8, 0, kMaxLong),
          BlockNumberEntry("Subvocabulary", kTypeSmallInteger, 10, 0, kMaxLong),
          BlockCheckEntry("Enable Cut Through", 12), BlockCheckEntry("Beep Before", 14)};
}

// Address filter: box 441 is every type, 442 + i flag i.
constexpr int kAllTypesBox = 441;
constexpr int kFilterFlags = 15;

// Message parameters.
constexpr int kMsgAll = 191;
constexpr int kMsgNone = 192;
constexpr int kMsgSelected = 193;
constexpr int kMsgSaveKey = 194;
constexpr int kMsgTossBox = 195;
constexpr int kMsgFileErrorBox = 196;
constexpr int kMsgKeyBoxes = 197;
constexpr int kMsgKeys = 12;
constexpr int kMsgToss = 2;
constexpr int kMsgFileError = 6;
constexpr int kMsgMask = 8;
constexpr std::uint32_t kMsgAllMask = 0x1FFFF;
constexpr std::uint32_t kMsgSaveKeyMask = 0x10001;
// The key of each box, in box order: "0", "1" to "9", "*", "#".
constexpr std::uint32_t kMsgKeyValues[kMsgKeys] = {0x10400, 0x10002, 0x10004, 0x10008, 0x10010, 0x10020,
                                                   0x10040, 0x10080, 0x10100, 0x10200, 0x10800, 0x11000};

}  // namespace

// Table forms.

TTableParmForm::TTableParmForm(TWindow* parent, const char* resource, unsigned char* block, int blockSize,
                               int recordSize, bool readOnly, const std::vector<PBFieldDef>& entries,
                               const std::vector<int>& ids)
    : TBlockForm(parent, resource, block, blockSize, recordSize, readOnly, entries) {
  for (std::size_t i = 0; i < ids.size() && i < entries.size(); ++i) {
    const int entry = static_cast<int>(i);
    const bool bound = entries[i].UIElement == scribe::kUICheckBox ? BindCheck(entry, ids[i]) : BindEdit(entry, ids[i]);
    if (!bound) return;
  }
}

void TTableParmForm::SetupWindow() {
  TBlockForm::SetupWindow();
  LoadFields();
  if (choiceOffset_ >= 0) {
    const std::uint16_t value = ReadU16(Block(), choiceOffset_);
    const int on = value < choiceCount_ ? value : choiceCount_ - 1;
    for (int i = 0; i < choiceCount_; ++i) SetChecked(choiceRadio_ + i, i == on);
  }
}

bool TTableParmForm::Commit(unsigned char* record) {
  if (!ValidateFields()) return false;
  if (choiceOffset_ >= 0) {
    for (int i = 0; i < choiceCount_; ++i) {
      if (Checked(choiceRadio_ + i)) WriteU16(record, choiceOffset_, static_cast<std::uint16_t>(i));
    }
  }
  return StoreFields(record);
}

TPlayParm::TPlayParm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly, int blockSize)
    : TTableParmForm(parent, resource, block, blockSize, kPlayParmSize, readOnly,
                     {BlockNumberEntry("Forward", kTypeInteger, 0, 0, 1000000),
                      BlockNumberEntry("Backward", kTypeInteger, 4, 0, kMaxLong),
                      BlockNumberEntry("Forward", kTypeInteger, 8, 0, kMaxLong),
                      BlockNumberEntry("Backward", kTypeInteger, 12, 0, kMaxLong),
                      BlockCheckEntry("Ignore File Errors", 16)},
                     {601, 602, 603, 604, 441}) {}

TPlaySParm::TPlaySParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize)
    : TTableParmForm(parent, resource, block, blockSize, kPlaySParmSize, false,
                     {BlockNumberEntry("Confidence Th", kTypeInteger, 0, 0, kMaxLong),
                      BlockNumberEntry("Minimum Conf", kTypeInteger, 4, 0, kMaxLong),
                      BlockNumberEntry("Vocabulary ID", kTypeSmallInteger, 8, 0, kMaxLong),
                      BlockNumberEntry("Subvocabulary", kTypeSmallInteger, 10, 0, kMaxLong),
                      BlockNumberEntry("Command to ", kTypeSmallInteger, 14, 0, kMaxLong),
                      BlockNumberEntry("Command to  ", kTypeSmallInteger, 16, 0, kMaxLong),
                      BlockNumberEntry("Command to ", kTypeSmallInteger, 18, 0, kMaxLong),
                      BlockNumberEntry("Command to ", kTypeSmallInteger, 20, 0, kMaxLong),
                      BlockNumberEntry("Command to ", kTypeSmallInteger, 22, 0, kMaxLong)},
                     {601, 602, 603, 604, 606, 607, 605, 608, 609}) {
  SetChoice(701, 2, 12);
}

TMenuParmForm::TMenuParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly,
                             int blockSize)
    : TTableParmForm(parent, resource, block, blockSize, kMenuParmSize, readOnly,
                     {ConstantOnly(BlockNumberEntry("No Ans Repeat", kTypeSmallInteger, 2, -1, kMaxShort)),
                      ConstantOnly(BlockNumberEntry("Time Between Prompt", kTypeInteger, 6, -1, kMaxLong)),
                      ConstantOnly(BlockNumberEntry("Wrong Ans Repeat", kTypeSmallInteger, 4, -1, kMaxShort)),
                      BlockCheckEntry("Wrong Ans Resets No Ans", 10), BlockCheckEntry("Ignore Previous Type-Ahead", 20),
                      BlockCheckEntry("Ignore File Errors", 12), BlockCheckEntry("Interrupt Main Prompt", 16),
                      BlockCheckEntry("Interrupt Err Msgs", 14), BlockCheckEntry("Don't Repeat Prompt on Error", 22)},
                     {471, 472, 474, 475, 476, 477, 478, 479, 480}) {}

TVRecParmForm::TVRecParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly,
                             int blockSize)
    : TTableParmForm(parent, resource, block, blockSize, kVRecParmSize, readOnly,
                     {BlockNumberEntry("No Ans Repeat", kTypeSmallInteger, 0, -1, kMaxShort),
                      BlockNumberEntry("Time To Wait (msecs)", kTypeInteger, 4, -1, kMaxLong),
                      BlockNumberEntry("Wrong Ans Repeat", kTypeSmallInteger, 2, -1, kMaxShort),
                      BlockCheckEntry("Wrong Ans Resets No Ans", 8), BlockCheckEntry("Ignore File Errors", 10),
                      BlockCheckEntry("Dont Repeat Main Prompt", 12)},
                     {601, 602, 603, 441, 442, 443}) {}

TEntrySParm::TEntrySParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize)
    : TEntrySParm(parent, resource, block, blockSize, kEntrySParmSize) {}

TEntrySParm::TEntrySParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize, int recordSize)
    : TTableParmForm(parent, resource, block, blockSize, recordSize, false, SpeechEntries(),
                     {601, 602, 603, 604, 441, 442}) {}

TMenuSParm::TMenuSParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize)
    : TEntrySParm(parent, resource, block, blockSize, kMenuSParmSize) {
  SetChoice(701, 2, 16);
}

// Other entry and menu options: bits 0-4.

TOtherParm::TOtherParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize)
    : TBlockForm(parent, resource, block, blockSize, kOtherParmSize, false) {}

void TOtherParm::SetupWindow() {
  TBlockForm::SetupWindow();
  const std::uint32_t value = ReadU32(Block(), 0);
  for (int i = 0; i < 5; ++i) SetChecked(kFirstCheck + i, (value >> i & 1u) != 0);
}

bool TOtherParm::Commit(unsigned char* record) {
  std::uint32_t value = 0;
  for (int i = 0; i < 5; ++i) {
    if (Checked(kFirstCheck + i)) value |= std::uint32_t{1} << i;
  }
  WriteU32(record, 0, value);
  return true;
}

// The keypad menu flag.

TMenuKParm::TMenuKParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize)
    : TBlockForm(parent, resource, block, blockSize, kMenuKParmSize, false) {}

void TMenuKParm::SetupWindow() {
  TBlockForm::SetupWindow();
  SetChecked(kFirstCheck, ReadU16(Block(), 0) == 1);
}

bool TMenuKParm::Commit(unsigned char* record) {
  WriteU16(record, 0, Checked(kFirstCheck) ? 1 : 0);
  return true;
}

// The address filter.

DEFINE_RESPONSE_TABLE(TAdrTypeFilterDialog, TBlockForm)
  EV_COMMAND(kAllTypesBox, AllTypesClicked),
  EV_COMMAND(9, ShowHelp),
END_RESPONSE_TABLE;

TAdrTypeFilterDialog::TAdrTypeFilterDialog(TWindow* parent, const char* resource, unsigned char* block, int blockSize)
    : TBlockForm(parent, resource, block, blockSize, kAddrFilterSize, false) {}

void TAdrTypeFilterDialog::SetupWindow() {
  TBlockForm::SetupWindow();
  bool all = true;
  for (int i = 0; i < kFilterFlags; ++i) {
    const bool on = ReadU16(Block(), 2 * i) != 0;
    SetChecked(kAllTypesBox + 1 + i, on);
    all = all && on;
  }
  SetChecked(kAllTypesBox, all);
  for (int i = 0; i < kFilterFlags; ++i) EnableControl(kAllTypesBox + 1 + i, !all);
}

void TAdrTypeFilterDialog::AllTypesClicked() {
  const bool all = Checked(kAllTypesBox);
  for (int i = 0; i < kFilterFlags; ++i) {
    SetChecked(kAllTypesBox + 1 + i, all);
    EnableControl(kAllTypesBox + 1 + i, !all);
  }
}

void TAdrTypeFilterDialog::ShowHelp() {
  char folder[kKvPathMax] = "";
  GetHelpDir(folder);
  const std::string path = std::string(folder) + kFilterHelpFile;
  KvGetHelpEngine().Show(HWindow, path.c_str(), kKvHelpContext, kFilterHelpContext);
}

bool TAdrTypeFilterDialog::Commit(unsigned char* record) {
  const bool all = Checked(kAllTypesBox);
  for (int i = 0; i < kFilterFlags; ++i) WriteU16(record, 2 * i, all || Checked(kAllTypesBox + 1 + i) ? 1 : 0);
  return true;
}

// The keys ending a message.

DEFINE_RESPONSE_TABLE(TMsgParm, TBlockForm)
  EV_COMMAND(kMsgAll, AllClicked),
  EV_COMMAND(kMsgNone, NoneClicked),
  EV_COMMAND(kMsgSaveKey, SaveKeyClicked),
  EV_COMMAND(kMsgSelected, SelectedClicked),
END_RESPONSE_TABLE;

void InitMsgParmBlock(unsigned char* block) {
  std::memset(block, 0, kMsgParmSize);
  WriteU16(block, kMsgFileError, 1);
  WriteU32(block, kMsgMask, kMsgAllMask);
}

TMsgParm::TMsgParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize)
    : TBlockForm(parent, resource, block, blockSize, kMsgParmSize, false) {}

void TMsgParm::EnableKeys(bool on) {
  for (int i = 0; i < kMsgKeys; ++i) EnableControl(kMsgKeyBoxes + i, on);
}

void TMsgParm::SetupWindow() {
  TBlockForm::SetupWindow();
  SetChecked(kMsgTossBox, ReadU16(Block(), kMsgToss) != 0);
  SetChecked(kMsgFileErrorBox, ReadU16(Block(), kMsgFileError) != 0);
  const std::uint32_t mask = ReadU32(Block(), kMsgMask);
  for (int id : {kMsgAll, kMsgNone, kMsgSelected, kMsgSaveKey}) SetChecked(id, false);
  int radio = kMsgSelected;
  if (mask == kMsgAllMask) radio = kMsgAll;
  else if (mask == 0) radio = kMsgNone;
  else if (mask == kMsgSaveKeyMask) radio = kMsgSaveKey;
  SetChecked(radio, true);
  for (int i = 0; i < kMsgKeys; ++i) {
    SetChecked(kMsgKeyBoxes + i, radio == kMsgSelected && (mask & kMsgKeyValues[i]) != keys::kKeyMarker &&
                                     (mask & kMsgKeyValues[i]) != 0);
  }
  EnableKeys(radio == kMsgSelected);
}

bool TMsgParm::Commit(unsigned char* record) {
  WriteU16(record, kMsgToss, Checked(kMsgTossBox) ? 1 : 0);
  WriteU16(record, kMsgFileError, Checked(kMsgFileErrorBox) ? 1 : 0);
  std::uint32_t mask = 0;
  if (Checked(kMsgAll)) {
    mask = kMsgAllMask;
  } else if (Checked(kMsgNone)) {
    mask = 0;
  } else if (Checked(kMsgSaveKey)) {
    mask = kMsgSaveKeyMask;
  } else {
    for (int i = 0; i < kMsgKeys; ++i) {
      if (Checked(kMsgKeyBoxes + i)) mask |= kMsgKeyValues[i];
    }
  }
  WriteU32(record, kMsgMask, mask);
  return true;
}

}  // namespace zeph
