// The key-grid set-up forms.
#include "forms/win32/gridforms.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "forms/keys/blockentries.h"
#include "forms/keys/keymasks.h"
#include "model/datatypes.h"

namespace zeph {
namespace {

constexpr double kMaxLong = 2147483647.0;
constexpr double kMaxShort = 32767.0;
constexpr int kTwelveKeys = 12;

// Reads the masks of the rows (-1: a row without a mask reads 0).
template <std::size_t N>
std::array<std::uint32_t, N> ReadMasks(const unsigned char* block, const std::array<int, N>& offsets) {
  std::array<std::uint32_t, N> masks{};
  for (std::size_t r = 0; r < N; ++r) masks[r] = offsets[r] >= 0 ? ReadU32(block, offsets[r]) : 0;
  return masks;
}

// Rebuilds the rows' masks from the grid and writes them (rows without a mask add nothing).
template <std::size_t N>
void WriteGridMasks(const KeyRadioGrid& grid, unsigned char* record, const std::array<int, N>& offsets) {
  std::array<std::uint32_t, N> masks{};
  std::vector<std::uint32_t*> rows;
  for (std::size_t r = 0; r < N; ++r) rows.push_back(offsets[r] >= 0 ? &masks[r] : nullptr);
  grid.BuildMasks(rows);
  for (std::size_t r = 0; r < N; ++r) {
    if (offsets[r] >= 0) WriteU32(record, offsets[r], masks[r]);
  }
}

// File play keys: rows Top, Skip Fwd, Skip Bkwd, Terminate and Ignore.
constexpr std::array<int, 5> kFileMasks = {2, 6, 10, 24, -1};
constexpr int kFileTerminateRow = 3;
constexpr int kFileIgnoreRow = 4;
constexpr int kFileAllKeysBox = 483;
constexpr int kFileTossBox = 484;
constexpr std::uint32_t kFileAllKeys = 0x10001;

// Entry parameters: rows Accept, Ignore, Terminate Entry, Terminate and Save, Abort, Decimal.
constexpr std::array<int, 6> kEntryMasks = {-1, 10, 2, 52, 6, 44};
constexpr int kEntryFirstAbort = 36;
constexpr int kEntryFirstAbortBoxes = 474;
constexpr int kTextDisplayCombo = 511;
constexpr int kCharDisplayEdit = 512;
constexpr int kMessagePrefixEdit = 530;
constexpr int kTextDisplay = 56;
constexpr int kCharDisplay = 58;
constexpr int kCharDisplaySize = 2;
constexpr int kMessagePrefix = 74;
constexpr int kMessagePrefixSize = 64;
constexpr const char* kDisplayTexts[] = {"Display As Is", "Display As 'X'", "Display As Alphabetic Characters",
                                         "No Echo"};

// Record parameters: rows Accept, Listen, Re-record, Append, Abort and Ignore.
constexpr std::array<int, 6> kRecordMasks = {14, 18, 22, 26, 30, -1};
constexpr int kRecordTermMask = 4;
constexpr int kRecordKeyBoxes = 486;

// Multiple-message playback: ten key rows and Ignore.
constexpr std::array<int, 11> kMultiMasks = {4, 8, 12, 16, 20, 24, 28, 32, 36, 40, -1};
constexpr int kPlayMail = 44;
constexpr int kPlayMailRadios = 733;
constexpr int kPlayMailChoices = 7;

std::string TextOf(HWND dialog, int id, int limit) {
  std::string text(static_cast<std::size_t>(limit) + 1, '\0');
  ::GetDlgItemTextA(dialog, id, text.data(), limit + 1);
  text.resize(text.find('\0'));
  return text;
}

std::string StringAt(const unsigned char* block, int offset, int size) {
  std::string text(reinterpret_cast<const char*>(block + offset), static_cast<std::size_t>(size));
  return text.substr(0, text.find('\0'));
}

void PutString(unsigned char* record, int offset, int size, const std::string& text) {
  const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(record + offset, text.data(), n);
  record[offset + static_cast<int>(n)] = 0;
}

// Tone parameters: rows Accept, Ignore, Terminate Entry, Terminate and Save.
constexpr std::array<int, 4> kToneMasks = {2, 6, 10, 14};

}  // namespace

// File play keys.

DEFINE_RESPONSE_TABLE(TFileParmForm, TBlockForm)
  EV_COMMAND(kFileAllKeysBox, AllKeysClicked),
END_RESPONSE_TABLE;

TFileParmForm::TFileParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly, int blockSize)
    : TBlockForm(parent, resource, block, blockSize, kFileParmSize, readOnly,
                 {BlockNumberEntry("Bytes to Skip Forward", kTypeInteger, 14, 0, kMaxLong),
                  BlockNumberEntry("Bytes to Skip Backward", kTypeInteger, 18, 0, kMaxLong)}),
      grid_({401, 433, 449, 467, 417}, kTwelveKeys) {
  if (BindEdit(0, 571)) BindEdit(1, 572);
}

void TFileParmForm::SetupWindow() {
  TBlockForm::SetupWindow();
  grid_.Attach(HWindow);
  LoadFields();
  SetChecked(kFileTossBox, ReadU16(Block(), 22) != 0);
  const auto masks = ReadMasks(Block(), kFileMasks);
  allKeys_ = masks[kFileTerminateRow] == kFileAllKeys;
  SetChecked(kFileAllKeysBox, allKeys_);
  if (allKeys_) {
    for (int c = 0; c < kTwelveKeys; ++c) grid_.Select(c, kFileTerminateRow);
    grid_.Enable(false);
  } else {
    grid_.ShowFirstHolder(masks.data(), {0, 1, 2, 3}, kFileIgnoreRow);
  }
}

void TFileParmForm::AllKeysClicked() {
  allKeys_ = !allKeys_;
  SetChecked(kFileAllKeysBox, allKeys_);
  if (allKeys_) {
    for (int c = 0; c < kTwelveKeys; ++c) grid_.Select(c, kFileTerminateRow);
  }
  grid_.Enable(!allKeys_);
}

bool TFileParmForm::Commit(unsigned char* record) {
  if (!ValidateFields()) return false;
  WriteU16(record, 22, Checked(kFileTossBox) ? 1 : 0);
  WriteGridMasks(grid_, record, kFileMasks);
  if (Checked(kFileAllKeysBox)) {
    for (int offset : kFileMasks) {
      if (offset >= 0) WriteU32(record, offset, 0);
    }
    WriteU32(record, kFileMasks[kFileTerminateRow], kFileAllKeys);
  }
  return StoreFields(record);
}

// Entry parameters.

TEntParmForm::TEntParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly, int blockSize)
    : TBlockForm(parent, resource, block, blockSize, kEntryParmSize, readOnly,
                 {BlockNumberEntry("Num Times to Repeat Menu", kTypeSmallInteger, 14, -1, kMaxShort),
                  BlockNumberEntry("Time to Wait (mSeconds)", kTypeInteger, 18, -1, kMaxLong),
                  BlockNumberEntry("Num Wrong Ans Allowed", kTypeSmallInteger, 16, -1, kMaxShort),
                  BlockCheckEntry("Wrong Ans Resets No Ans", 22), BlockCheckEntry("Ignore Previous Type-Ahead", 32),
                  BlockCheckEntry("Ignore File Not Found Errors", 24),
                  BlockCheckEntry("Allow Interrupt of Main Prompt", 28),
                  BlockCheckEntry("Allow Interrupt of Err Msgs", 26), BlockCheckEntry("Verify on TimeOut", 34),
                  BlockCheckEntry("Verify on Each Key Press", 40),
                  BlockCheckEntry("Don't Repeat Prompt on Error", 42)}),
      grid_({409, 425, 441, 514, 457, 492}, keys::kGridKeys) {
  for (int i = 0; i < 3; ++i) {
    if (!BindEdit(i, 401 + i)) return;
  }
  for (int i = 0; i < 8; ++i) {
    if (!BindCheck(3 + i, kEntParmFirstCheck + i)) return;
  }
}

void TEntParmForm::SetupWindow() {
  TBlockForm::SetupWindow();
  grid_.Attach(HWindow);
  LoadFields();
  HWND combo = ::GetDlgItem(HWindow, kTextDisplayCombo);
  for (const char* text : kDisplayTexts) ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(static_cast<std::int16_t>(ReadU16(Block(), kTextDisplay))), 0);
  ::SetDlgItemTextA(HWindow, kCharDisplayEdit, StringAt(Block(), kCharDisplay, kCharDisplaySize).c_str());
  ::SetDlgItemTextA(HWindow, kMessagePrefixEdit, StringAt(Block(), kMessagePrefix, kMessagePrefixSize).c_str());
  for (int id : {kTextDisplayCombo, kCharDisplayEdit, kMessagePrefixEdit}) EnableControl(id, false);
  const auto masks = ReadMasks(Block(), kEntryMasks);
  grid_.ShowFirstHolder(masks.data(), {1, 2, 3, 4, 5}, 0);
  const std::uint32_t firstAbort = ReadU32(Block(), kEntryFirstAbort);
  for (int c = 0; c < keys::kGridKeys; ++c) SetChecked(kEntryFirstAbortBoxes + c, keys::MaskHoldsKey(firstAbort, c));
}

bool TEntParmForm::Commit(unsigned char* record) {
  if (!ValidateFields()) return false;
  WriteGridMasks(grid_, record, kEntryMasks);
  std::uint32_t firstAbort = 0;
  for (int c = 0; c < keys::kGridKeys; ++c) {
    if (Checked(kEntryFirstAbortBoxes + c)) firstAbort |= keys::GridKeyValue(c);
  }
  WriteU32(record, kEntryFirstAbort, firstAbort);
  PutString(record, kCharDisplay, kCharDisplaySize, TextOf(HWindow, kCharDisplayEdit, kCharDisplaySize - 1));
  PutString(record, kMessagePrefix, kMessagePrefixSize, TextOf(HWindow, kMessagePrefixEdit, kMessagePrefixSize - 1));
  return StoreFields(record);
}

// Record parameters.

TRecParmForm::TRecParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly, int blockSize)
    : TBlockForm(parent, resource, block, blockSize, kRecordParmSize, readOnly,
                 {BlockNumberEntry("Min Record Length to Keep:", kTypeInteger, 10, 0, kMaxLong),
                  BlockNumberEntry("Times to Play Menu; -1=Infinite", kTypeSmallInteger, 34, -1, kMaxLong)}),
      grid_({401, 417, 433, 449, 501, 467}, kTwelveKeys) {
  if (BindEdit(0, 571)) BindEdit(1, 572);
}

void TRecParmForm::SetupWindow() {
  TBlockForm::SetupWindow();
  grid_.Attach(HWindow);
  LoadFields();
  SetChecked(484, ReadU16(Block(), 2) != 0);
  SetChecked(485, ReadU16(Block(), 8) != 0);
  const std::uint32_t term = ReadU32(Block(), kRecordTermMask);
  for (int c = 0; c < kTwelveKeys; ++c) SetChecked(kRecordKeyBoxes + c, keys::MaskHoldsKey(term, c));
  const auto masks = ReadMasks(Block(), kRecordMasks);
  grid_.ShowFirstHolder(masks.data(), {0, 2, 3, 1, 4}, 5);
}

bool TRecParmForm::Commit(unsigned char* record) {
  if (!ValidateFields()) return false;
  WriteU16(record, 2, Checked(484) ? 1 : 0);
  WriteU16(record, 8, Checked(485) ? 1 : 0);
  std::uint32_t term = 0;
  for (int c = 0; c < kTwelveKeys; ++c) {
    if (Checked(kRecordKeyBoxes + c)) term |= keys::GridKeyValue(c);
  }
  WriteU32(record, kRecordTermMask, term);
  WriteGridMasks(grid_, record, kRecordMasks);
  return StoreFields(record);
}

// Multiple-message playback.

TMulParmForm::TMulParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly, int blockSize)
    : TBlockForm(parent, resource, block, blockSize, kMultiMailSize, readOnly,
                 {BlockNumberEntry("Number of Msgs to Play", kTypeSmallInteger, 46, -1, kMaxLong)}),
      grid_({601, 613, 625, 637, 649, 661, 673, 685, 697, 709, 721}, kTwelveKeys) {
  BindEdit(0, 571);
}

void TMulParmForm::SetupWindow() {
  TBlockForm::SetupWindow();
  grid_.Attach(HWindow);
  LoadFields();
  SetChecked(484, ReadU16(Block(), 2) != 0);
  SetChecked(485, ReadU16(Block(), 48) != 0);
  const std::uint16_t playMail = ReadU16(Block(), kPlayMail);
  for (int i = 0; i < kPlayMailChoices; ++i) SetChecked(kPlayMailRadios + i, playMail == i + 1);
  const auto masks = ReadMasks(Block(), kMultiMasks);
  grid_.ShowFirstHolder(masks.data(), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10);
}

bool TMulParmForm::Commit(unsigned char* record) {
  if (!ValidateFields()) return false;
  WriteU16(record, 2, Checked(484) ? 1 : 0);
  WriteU16(record, 48, Checked(485) ? 1 : 0);
  for (int i = 0; i < kPlayMailChoices; ++i) {
    if (Checked(kPlayMailRadios + i)) WriteU16(record, kPlayMail, static_cast<std::uint16_t>(i + 1));
  }
  WriteGridMasks(grid_, record, kMultiMasks);
  return StoreFields(record);
}

// Tone parameters.

TToneParmForm::TToneParmForm(TWindow* parent, const char* resource, unsigned char* block, bool constant, int blockSize)
    : TBlockForm(parent, resource, block, blockSize, kToneParmSize, constant,
                 {BlockCheckEntry("Ignore Previous Type-Ahead", 0)}),
      grid_({401, 417, 433, 449}, keys::kGridKeys, &keys::ToneKeyBit) {
  BindCheck(0, 465);
}

void TToneParmForm::SetupWindow() {
  TBlockForm::SetupWindow();
  grid_.Attach(HWindow);
  LoadFields();
  const auto masks = ReadMasks(Block(), kToneMasks);
  grid_.ShowFirstHolder(masks.data(), {1, 2, 3}, 0);
  SetHelpName("ToneParms");
}

bool TToneParmForm::Commit(unsigned char* record) {
  if (!ValidateFields()) return false;
  WriteGridMasks(grid_, record, kToneMasks);
  return StoreFields(record);
}

}  // namespace zeph
