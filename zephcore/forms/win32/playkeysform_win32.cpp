// The play-keys forms.
#include "forms/win32/playkeysform.h"

#include <string>

#include "forms/keys/blockentries.h"
#include "forms/keys/keymasks.h"
#include "model/datatypes.h"
#include "pane/keydefsids.h"

namespace zeph {

const PlayKeysLayout kPlayKeysLayout = {kPlayKeysBlockSize, {0, 4, 8, 12, 16, 20, 24}, {28, 32, 38, 42}, 36, 46, -1, -1};
const PlayKeysLayout kReadMailLayout = {kReadMailBlockSize, {2, 6, 10, 14, 18, 22, 26}, {32, 36, 42, 46}, 30, 40, 50, 52};

namespace {

constexpr int kRows = 7;
constexpr int kTerminateRow = 6;
constexpr double kMaxAmount = 2147483647.0;

std::vector<PBFieldDef> AmountEntries(const PlayKeysLayout& layout) {
  std::vector<PBFieldDef> entries;
  for (int i = 0; i < 4; ++i) {
    const char* name = i % 2 == 0 ? "Skip Forward Amount" : "Skip Backward Amount";
    entries.push_back(BlockNumberEntry(name, kTypeInteger, layout.amounts[i], 0, kMaxAmount));
  }
  return entries;
}

std::vector<int> GridRows() {
  std::vector<int> rows;
  for (int r = 0; r < kRows; ++r) rows.push_back(IDC_KEYGRID_BASE + IDC_KEYGRID_ROW_STRIDE * r);
  return rows;
}

}  // namespace

DEFINE_RESPONSE_TABLE(TPlayKeysForm, TBlockForm)
  EV_COMMAND(IDC_ALL_KEYS, AllKeysClicked),
END_RESPONSE_TABLE;

TPlayKeysForm::TPlayKeysForm(TWindow* parent, const char* resource, unsigned char* block, int blockSize,
                             const PlayKeysLayout& layout, bool readOnly)
    : TBlockForm(parent, resource, block, blockSize, layout.size, readOnly, AmountEntries(layout)),
      layout_(layout), grid_(GridRows(), keys::kGridKeys) {
  for (int i = 0; i < 4; ++i) {
    if (!BindEdit(i, IDC_LARGE_FWD + i)) return;
  }
}

void TPlayKeysForm::PutAllKeysInTerminate() {
  for (int c = 0; c < keys::kGridKeys; ++c) grid_.Select(c, kTerminateRow);
}

void TPlayKeysForm::SetupWindow() {
  TBlockForm::SetupWindow();
  grid_.Attach(HWindow);
  LoadFields();
  const unsigned char* block = Block();
  std::uint32_t masks[kRows];
  for (int r = 0; r < kRows; ++r) masks[r] = ReadU32(block, layout_.masks[r]);
  allKeys_ = masks[kTerminateRow] == keys::kTerminateOnAll;
  SetChecked(IDC_ALL_KEYS, allKeys_);
  if (allKeys_) {
    PutAllKeysInTerminate();
    grid_.Enable(false);
  } else {
    grid_.ShowMasks(masks);
  }
  const bool largeBytes = ReadU16(block, layout_.largeType) == 0;
  const bool smallBytes = ReadU16(block, layout_.smallType) == 0;
  SetChecked(IDC_LARGE_BYTES, largeBytes);
  SetChecked(IDC_LARGE_MSECS, !largeBytes);
  SetChecked(IDC_SMALL_BYTES, smallBytes);
  SetChecked(IDC_SMALL_MSECS, !smallBytes);
  if (layout_.clearTypeAhead >= 0) SetChecked(IDC_CLEAR_TYPE_AHEAD, ReadU16(block, layout_.clearTypeAhead) != 0);
  if (layout_.ignoreFileError >= 0) SetChecked(IDC_IGNORE_FILE_ERROR, ReadU16(block, layout_.ignoreFileError) != 0);
}

void TPlayKeysForm::AllKeysClicked() {
  // The form's own state decides, not the box.
  allKeys_ = !allKeys_;
  SetChecked(IDC_ALL_KEYS, allKeys_);
  if (allKeys_) PutAllKeysInTerminate();
  grid_.Enable(!allKeys_);
}

bool TPlayKeysForm::Commit(unsigned char* record) {
  if (!ValidateFields()) return false;
  std::uint32_t masks[kRows] = {};
  if (Checked(IDC_ALL_KEYS)) {
    masks[kTerminateRow] = keys::kTerminateOnAll;
  } else {
    std::vector<std::uint32_t*> rows;
    for (auto& mask : masks) rows.push_back(&mask);
    grid_.BuildMasks(rows);
  }
  for (int r = 0; r < kRows; ++r) WriteU32(record, layout_.masks[r], masks[r]);
  WriteU16(record, layout_.largeType, Checked(IDC_LARGE_BYTES) ? 0 : 1);
  WriteU16(record, layout_.smallType, Checked(IDC_SMALL_BYTES) ? 0 : 1);
  if (layout_.clearTypeAhead >= 0) WriteU16(record, layout_.clearTypeAhead, Checked(IDC_CLEAR_TYPE_AHEAD) ? 1 : 0);
  if (layout_.ignoreFileError >= 0) WriteU16(record, layout_.ignoreFileError, Checked(IDC_IGNORE_FILE_ERROR) ? 1 : 0);
  return StoreFields(record);
}

}  // namespace zeph
