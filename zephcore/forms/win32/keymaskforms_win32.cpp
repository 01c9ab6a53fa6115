// The exclusive key-mask set-up forms.
#include "forms/win32/keymaskforms.h"

#include <string>

#include "forms/keys/blockentries.h"
#include "forms/keys/keymasks.h"
#include "forms/win32/keymap.h"
#include "model/datatypes.h"

namespace zeph {
namespace {

constexpr int kFirstMapButton = 402;
constexpr int kLastMapButton = 411;
constexpr double kMaxCount = 2147483647.0;

// Key play parameters.
constexpr int kSemiIntTimeout = 20;
constexpr int kEnableSemiInt = 16;   // 32-bit 0 or 1
constexpr int kClearTypeAheadK = 32;
constexpr int kClearBox = 441;
constexpr int kSemiIntBox = 442;
constexpr int kSemiIntEdit = 612;

// Record-voice parameters: check boxes 441-447 and their flags.
constexpr int kRecordFlags[7] = {12, 14, 18, 20, 26, 32, 38};
constexpr int kRecordPosition = 16;
constexpr int kPositionRadios[3] = {702, 703, 704};
constexpr int kWarnToneBox = 444;

// Keypad entry parameters: check boxes 441-443.
constexpr int kEntryFlags[3] = {28, 30, 32};

}  // namespace

DEFINE_RESPONSE_TABLE(TKeyMasksForm, TBlockForm)
  EV_COMMAND_RANGE(kFirstMapButton, kLastMapButton, KeyMapButton),
END_RESPONSE_TABLE;

TKeyMasksForm::TKeyMasksForm(TWindow* parent, const char* resource, unsigned char* block, int blockSize,
                             int recordSize, bool readOnly, const std::vector<PBFieldDef>& entries,
                             std::vector<KeyMaskBinding> masks)
    : TBlockForm(parent, resource, block, blockSize, recordSize, readOnly, entries),
      bindings_(std::move(masks)), masks_(bindings_.size(), 0) {}

void TKeyMasksForm::LoadMasks() {
  for (std::size_t i = 0; i < bindings_.size(); ++i) masks_[i] = ReadU32(Block(), bindings_[i].offset);
  ShowMaskTexts();
}

void TKeyMasksForm::ShowMaskTexts() {
  for (std::size_t i = 0; i < bindings_.size(); ++i) {
    ::SetDlgItemTextA(HWindow, bindings_[i].textEdit, keys::FormatKeyMask(masks_[i]).c_str());
  }
}

void TKeyMasksForm::WriteMasks(unsigned char* record) const {
  for (std::size_t i = 0; i < bindings_.size(); ++i) WriteU32(record, bindings_[i].offset, masks_[i]);
}

void TKeyMasksForm::ShowFlag(int box, int offset) { SetChecked(box, ReadU16(Block(), offset) != 0); }

void TKeyMasksForm::StoreFlag(unsigned char* record, int box, int offset) const {
  WriteU16(record, offset, Checked(box) ? 1 : 0);
}

void TKeyMasksForm::KeyMapButton(UINT id) {
  for (std::size_t k = 1; k < bindings_.size(); ++k) {
    if (bindings_[k].button != static_cast<int>(id)) continue;
    RunKeyMapOn(this, masks_.data(), static_cast<int>(masks_.size()), static_cast<int>(k));
    ShowMaskTexts();
    return;
  }
}

// Key play parameters.

DEFINE_RESPONSE_TABLE(TPlayKParm, TKeyMasksForm)
  EV_COMMAND(kSemiIntBox, SemiIntClicked),
END_RESPONSE_TABLE;

TPlayKParm::TPlayKParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize)
    : TKeyMasksForm(parent, resource, block, blockSize, kPlayKParmSize, false,
                    {BlockNumberEntry("SemiIntTimeout", kTypeInteger, kSemiIntTimeout, 0, kMaxCount)},
                    {{0, 601, 0}, {8, 602, 402}, {12, 603, 403}, {34, 604, 404}, {38, 605, 405}, {42, 606, 406},
                     {46, 607, 407}, {50, 608, 408}, {54, 609, 409}, {24, 610, 410}, {28, 611, 411}}) {
  BindEdit(0, kSemiIntEdit);
}

void TPlayKParm::SetupWindow() {
  TKeyMasksForm::SetupWindow();
  LoadFields();
  LoadMasks();
  ShowFlag(kClearBox, kClearTypeAheadK);
  SetChecked(kSemiIntBox, ReadU32(Block(), kEnableSemiInt) != 0);
  const auto timeout = static_cast<std::int32_t>(ReadU32(Block(), kSemiIntTimeout));
  ::SetDlgItemTextA(HWindow, kSemiIntEdit, timeout > 0 ? std::to_string(timeout).c_str() : "");
  SemiIntClicked();
}

void TPlayKParm::SemiIntClicked() { EnableControl(kSemiIntEdit, Checked(kSemiIntBox)); }

bool TPlayKParm::Commit(unsigned char* record) {
  // Validation first: a refused timeout leaves the masks and boxes unwritten too.
  if (!ValidateFields()) return false;
  WriteMasks(record);
  StoreFlag(record, kClearBox, kClearTypeAheadK);
  WriteU32(record, kEnableSemiInt, Checked(kSemiIntBox) ? 1 : 0);
  return StoreFields(record);
}

// Record-voice parameters.

DEFINE_RESPONSE_TABLE(TRecordSmall, TKeyMasksForm)
  EV_COMMAND(kWarnToneBox, WarnToneClicked),
  EV_COMMAND(kWarnToneBox + 1, SilenceClicked),
  EV_COMMAND(kWarnToneBox + 2, DiscardShortClicked),
END_RESPONSE_TABLE;

TRecordSmall::TRecordSmall(TWindow* parent, const char* resource, unsigned char* block, bool readOnly, int blockSize)
    : TKeyMasksForm(parent, resource, block, blockSize, kRecordVoiceSize, readOnly,
                    {BlockNumberEntry("Warning Tone Lag ", kTypeInteger, 22, 0, kMaxCount),
                     BlockNumberEntry("Silence Timeout", kTypeInteger, 28, 0, kMaxCount),
                     BlockNumberEntry("Minimum Recording Length", kTypeInteger, 34, 0, kMaxCount)},
                    {{0, 604, 0}, {4, 605, 402}, {8, 606, 403}}) {
  for (int i = 0; i < 3; ++i) {
    if (!BindEdit(i, 601 + i)) return;
  }
}

void TRecordSmall::SetupWindow() {
  TKeyMasksForm::SetupWindow();
  LoadFields();
  LoadMasks();
  const std::uint16_t position = ReadU16(Block(), kRecordPosition);
  const int radio = position == 1 || position == 2 ? position : 0;
  for (int i = 0; i < 3; ++i) SetChecked(kPositionRadios[i], i == radio);
  for (int i = 0; i < 7; ++i) ShowFlag(441 + i, kRecordFlags[i]);
  for (int i = 0; i < 3; ++i) {
    on_[i] = Checked(kWarnToneBox + i);
    if (!on_[i]) {
      ::SetDlgItemTextA(HWindow, 601 + i, "'0");
      EnableControl(601 + i, false);
    }
  }
}

void TRecordSmall::Toggle(int i) {
  on_[i] = !on_[i];
  SetChecked(kWarnToneBox + i, on_[i]);
  // The warning tone and silence edits are zeroed when turned off; the minimum length
  // when turned on.
  const bool zero = i == 2 ? on_[i] : !on_[i];
  if (zero) ::SetDlgItemTextA(HWindow, 601 + i, "'0");
  EnableControl(601 + i, on_[i]);
}

bool TRecordSmall::Commit(unsigned char* record) {
  if (!ValidateFields()) return false;
  WriteMasks(record);
  for (int i = 0; i < 7; ++i) StoreFlag(record, 441 + i, kRecordFlags[i]);
  for (int i = 0; i < 3; ++i) {
    if (Checked(kPositionRadios[i])) WriteU16(record, kRecordPosition, static_cast<std::uint16_t>(i));
  }
  return StoreFields(record);
}

// Keypad entry parameters.

TEntryKParm::TEntryKParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize)
    : TKeyMasksForm(parent, resource, block, blockSize, kEntryKSize, false, {},
                    {{0, 601, 0}, {4, 602, 402}, {8, 603, 403}, {12, 604, 404}, {16, 605, 405}, {20, 606, 406},
                     {24, 607, 407}, {34, 608, 408}}) {}

void TEntryKParm::SetupWindow() {
  TKeyMasksForm::SetupWindow();
  LoadMasks();
  for (int i = 0; i < 3; ++i) ShowFlag(441 + i, kEntryFlags[i]);
}

bool TEntryKParm::Commit(unsigned char* record) {
  WriteMasks(record);
  for (int i = 0; i < 3; ++i) StoreFlag(record, 441 + i, kEntryFlags[i]);
  return true;
}

}  // namespace zeph
