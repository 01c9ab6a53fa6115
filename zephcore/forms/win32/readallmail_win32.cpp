// The read-all-mail parameters form.
#include "forms/win32/readallmail.h"

#include "forms/keys/blockentries.h"
#include "forms/win32/parm1form.h"
#include "model/datatypes.h"
#include "model/modelcodes.h"

namespace zeph {
namespace {

constexpr double kMaxLong = 2147483647.0;
constexpr int kMenuButton = 608;
constexpr int kPlayButton = 609;
constexpr int kFirstOption = 578;
constexpr int kOptions[5] = {96, 98, 100, 102, 104};
constexpr int kBetweenMasks = 2;   // nine masks from here

// Where the read-all-mail block keeps each item of the play-keys block.
constexpr PlayItemPlace kPlayItems[] = {
    {62, 0, 4},  {38, 4, 4},  {42, 8, 4},  {46, 12, 4}, {50, 16, 4}, {54, 20, 4}, {58, 24, 4},
    {68, 28, 4}, {72, 32, 4}, {66, 36, 2}, {78, 38, 4}, {82, 42, 4}, {76, 46, 2},
};

}  // namespace

DEFINE_RESPONSE_TABLE(TRAMailForm, TBlockForm)
  EV_COMMAND(kMenuButton, MenuKeysClicked),
  EV_COMMAND(kPlayButton, PlayKeysClicked),
END_RESPONSE_TABLE;

TRAMailForm::TRAMailForm(TWindow* parent, const char* resource, unsigned char* block, bool constant, int blockSize)
    : TBlockForm(parent, resource, block, blockSize, kReadAllMailSize, constant,
                 {BlockNumberEntry("Max Times To Play Menu", kTypeSmallInteger, 86, -1, kMaxLong),
                  BlockNumberEntry("Max No Answer", kTypeSmallInteger, 88, -1, kMaxLong),
                  BlockNumberEntry("Max Wrong Answer", kTypeSmallInteger, 90, -1, kMaxLong),
                  BlockNumberEntry("Time to Wait (mSeconds)", kTypeInteger, 92, -1, kMaxLong)}) {
  if (!Usable()) return;
  for (int i = 0; i < 9; ++i) betweenMasks_[static_cast<std::size_t>(i)] = ReadU32(block, kBetweenMasks + 4 * i);
  CopyPlayItemsOut(block, kPlayItems, playKeys_.data());
  for (int i = 0; i < 4; ++i) {
    if (!BindEdit(i, 545 + i)) return;
  }
}

void TRAMailForm::SetupWindow() {
  TBlockForm::SetupWindow();
  LoadFields();
  for (int i = 0; i < 5; ++i) SetChecked(kFirstOption + i, ReadU16(Block(), kOptions[i]) != 0);
}

void TRAMailForm::MenuKeysClicked() {
  RunOwnedDialog<Parm1Form>(this, "Key Definitions For Use Between Messages", kBetweenMessagesKeysResource,
                            betweenMasks_.data(), 1);
}

void TRAMailForm::PlayKeysClicked() {
  RunOwnedDialog<Parm2Form>(this, "Key Definitions For Use While Playing Messages", kPlayKeysResource,
                            playKeys_.data());
}

bool TRAMailForm::Commit(unsigned char* record) {
  if (!ValidateFields()) return false;
  for (int i = 0; i < 9; ++i) WriteU32(record, kBetweenMasks + 4 * i, betweenMasks_[static_cast<std::size_t>(i)]);
  CopyPlayItemsIn(record, kPlayItems, playKeys_.data());
  for (int i = 0; i < 5; ++i) WriteU16(record, kOptions[i], Checked(kFirstOption + i) ? 1 : 0);
  return StoreFields(record);
}

}  // namespace zeph
