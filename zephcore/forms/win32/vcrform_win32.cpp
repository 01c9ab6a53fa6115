// The record-edit parameters form.
#include "forms/win32/vcrform.h"

#include "forms/keys/blockentries.h"
#include "forms/keys/keymasks.h"
#include "forms/win32/parm1form.h"
#include "model/datatypes.h"
#include "model/modelcodes.h"

namespace zeph {
namespace {

constexpr double kMaxLong = 2147483647.0;

// Record offsets.
constexpr int kMenuMasks = 32;   // six: listen, accept, re-record, append, abort, ignore
constexpr int kTermMask = 56;
constexpr int kMinRecordType = 126;
constexpr int kTalkDownTone = 128;
constexpr int kTermOnSilence = 86;
constexpr int kAcceptMask = 130;
constexpr int kTermKeepMask = 134;

// Controls.
constexpr int kTermSilenceEdit = 549;
constexpr int kSupSilenceEdit = 550;
constexpr int kWaitSoundEdit = 551;
constexpr int kWarningLagEdit = 553;
constexpr int kFirstKeyLabel = 554;
constexpr int kTermOnSilenceBox = 583;
constexpr int kSupSilenceBox = 584;
constexpr int kWaitSoundBox = 585;
constexpr int kTalkDownBox = 586;
constexpr int kFirstKeyBox = 589;
constexpr int kTerminateOnAllBox = 605;
constexpr int kWarningToneBox = 606;
constexpr int kMenuButton = 608;
constexpr int kPlayButton = 609;
constexpr int kBytesRadio = 401;
constexpr int kMSecondsRadio = 402;

// The option check boxes and the 16-bit fields they hold.
struct Option {
  int box;
  int offset;
};
constexpr Option kOptions[] = {
    {578, 104}, {579, 82}, {580, 118}, {581, 116}, {582, 120},  {583, 86},  {584, 92},
    {585, 98},  {586, 128}, {587, 84}, {588, 80},  {606, 138}, {607, 144},
};

// Where the record keeps each item of the play-keys block.
constexpr PlayItemPlace kPlayItems[] = {
    {28, 0, 4},  {4, 4, 4},   {8, 8, 4},   {12, 12, 4}, {16, 16, 4}, {20, 20, 4}, {24, 24, 4},
    {60, 28, 4}, {64, 32, 4}, {68, 36, 2}, {70, 38, 4}, {74, 42, 4}, {78, 46, 2},
};

}  // namespace

DEFINE_RESPONSE_TABLE(TVCRForm, TBlockForm)
  EV_COMMAND(kMenuButton, MenuKeysClicked),
  EV_COMMAND(kPlayButton, PlayKeysClicked),
  EV_COMMAND(kTermOnSilenceBox, TermOnSilenceClicked),
  EV_COMMAND(kSupSilenceBox, SupSilenceClicked),
  EV_COMMAND(kWaitSoundBox, WaitSoundClicked),
  EV_COMMAND(kTalkDownBox, TalkDownToneClicked),
  EV_COMMAND(kWarningToneBox, WarningToneClicked),
  EV_COMMAND(kTerminateOnAllBox, TerminateOnAllClicked),
END_RESPONSE_TABLE;

TVCRForm::TVCRForm(TWindow* parent, const char* resource, unsigned char* block, bool constant, int blockSize)
    : TBlockForm(parent, resource, block, blockSize, kRecordEditSize, constant,
                 {BlockNumberEntry("Max Times To Play Menu", kTypeSmallInteger, 106, -1, kMaxLong),
                  BlockNumberEntry("Max No Answer", kTypeSmallInteger, 108, -1, kMaxLong),
                  BlockNumberEntry("Max Wrong Answer", kTypeSmallInteger, 110, -1, kMaxLong),
                  BlockNumberEntry("Time to Wait (mSeconds)", kTypeInteger, 112, -1, kMaxLong),
                  BlockNumberEntry("Terminate on Silence Timeout ", kTypeInteger, 88, 0, kMaxLong),
                  BlockNumberEntry("Silence Supression Timeout", kTypeInteger, 94, 0, kMaxLong),
                  BlockNumberEntry("Wait for Sound Timeout", kTypeInteger, 100, 0, kMaxLong),
                  BlockNumberEntry("Minimum Record Time/Bytes", kTypeInteger, 122, 0, kMaxLong),
                  BlockNumberEntry("Warning Tone Lag Time", kTypeInteger, 140, 0, kMaxLong)}),
      grid_({610, 626, 642}, keys::kGridKeys) {
  if (!Usable()) return;
  for (int i = 0; i < 6; ++i) menuMasks_[static_cast<std::size_t>(i)] = ReadU32(block, kMenuMasks + 4 * i);
  CopyPlayItemsOut(block, kPlayItems, playKeys_.data());
  // The key columns work on copies: a record whose terminate mask is "all keys" shows
  // every key as ending and keeping the recording, and the record stays as it is until Done.
  termMask_ = ReadU32(block, kTermMask);
  termKeepMask_ = ReadU32(block, kTermKeepMask);
  if (termMask_ == keys::kTerminateOnAll) {
    acceptMask_ = 0;
    termMask_ = 0;
    termKeepMask_ = keys::kAllKeysB;
    terminateOnAll_ = true;
  } else {
    acceptMask_ = (termMask_ ^ keys::kAllKeysB ^ termKeepMask_) | keys::kKeyMarker;
  }
  for (int i = 0; i < 9; ++i) {
    if (!BindEdit(i, 545 + i)) return;
  }
}

void TVCRForm::SetupWindow() {
  TBlockForm::SetupWindow();
  grid_.Attach(HWindow);
  LoadFields();

  SetChecked(kTerminateOnAllBox, terminateOnAll_);
  for (int c = 0; c < keys::kGridKeys; ++c) SetChecked(kFirstKeyBox + c, terminateOnAll_ || grid_.Holds(termMask_, c));

  SetChecked(ReadU16(Block(), kMinRecordType) != 0 ? kMSecondsRadio : kBytesRadio, true);
  for (const Option& option : kOptions) SetChecked(option.box, ReadU16(Block(), option.offset) != 0);

  bool waitSoundLocked = false;
  if (ReadU16(Block(), kTermOnSilence) != 0) {
    SetChecked(kTalkDownBox, false);
    EnableControl(kTalkDownBox, false);
  } else {
    EnableControl(kTermSilenceEdit, false);
    if (ReadU16(Block(), kTalkDownTone) != 0) {
      SetChecked(kTermOnSilenceBox, false);
      EnableControl(kTermOnSilenceBox, false);
      SetChecked(kWaitSoundBox, true);
      EnableControl(kWaitSoundBox, false);
      waitSoundLocked = true;
    }
  }
  EnableControl(kSupSilenceEdit, Checked(kSupSilenceBox));
  EnableControl(kWaitSoundEdit, Checked(kWaitSoundBox) && !waitSoundLocked);
  EnableControl(kWarningLagEdit, Checked(kWarningToneBox));

  const std::uint32_t masks[3] = {acceptMask_, termMask_, termKeepMask_};
  grid_.ShowFirstHolder(masks, {0, 1, 2}, -1);

  // The "Keys to Terminate Recording" panel only shows the state.
  ShowTerminatePanel(terminateOnAll_);
  for (int c = 0; c < keys::kGridKeys; ++c) {
    EnableControl(kFirstKeyBox + c, false);
    EnableControl(kFirstKeyLabel + c, false);
  }
  EnableControl(kTerminateOnAllBox, false);
}

void TVCRForm::OpenTimeout(int edit, bool on) {
  if (!on) ::SetDlgItemTextA(HWindow, edit, "'0");
  EnableControl(edit, on);
}

void TVCRForm::TermOnSilenceClicked() {
  const bool on = Checked(kTermOnSilenceBox);
  OpenTimeout(kTermSilenceEdit, on);
  if (on) SetChecked(kTalkDownBox, false);
  EnableControl(kTalkDownBox, !on);
}

void TVCRForm::SupSilenceClicked() { OpenTimeout(kSupSilenceEdit, Checked(kSupSilenceBox)); }

void TVCRForm::WaitSoundClicked() { OpenTimeout(kWaitSoundEdit, Checked(kWaitSoundBox)); }

void TVCRForm::TalkDownToneClicked() {
  if (Checked(kTalkDownBox)) {
    // The talk-down tone waits for sound itself, and cannot end on silence.
    EnableControl(kWaitSoundBox, false);
    EnableControl(kWaitSoundEdit, false);
    SetChecked(kTermOnSilenceBox, false);
    EnableControl(kTermOnSilenceBox, false);
    OpenTimeout(kTermSilenceEdit, false);
  } else {
    EnableControl(kWaitSoundBox, true);
    EnableControl(kWaitSoundEdit, Checked(kWaitSoundBox));
    EnableControl(kTermOnSilenceBox, true);
  }
}

void TVCRForm::WarningToneClicked() { EnableControl(kWarningLagEdit, Checked(kWarningToneBox)); }

void TVCRForm::TerminateOnAllClicked() {
  terminateOnAll_ = !terminateOnAll_;
  ShowTerminatePanel(terminateOnAll_);
}

void TVCRForm::ShowTerminatePanel(bool all) {
  for (int c = 0; c < keys::kGridKeys; ++c) {
    if (all) SetChecked(kFirstKeyBox + c, true);
    EnableControl(kFirstKeyBox + c, !all);
    EnableControl(kFirstKeyLabel + c, !all);
  }
}

void TVCRForm::MenuKeysClicked() {
  RunOwnedDialog<Parm1Form>(this, "Key Definitions for Use in Record Menu", kRecordMenuKeysResource,
                            menuMasks_.data(), 0);
}

void TVCRForm::PlayKeysClicked() {
  RunOwnedDialog<Parm2Form>(this, "Key Definitions for Use While Playing", kPlayKeysResource, playKeys_.data());
}

bool TVCRForm::Commit(unsigned char* record) {
  if (!ValidateFields()) return false;
  std::uint32_t accept = 0;
  std::uint32_t term = 0;
  std::uint32_t keep = 0;
  grid_.BuildMasks({&accept, &term, &keep});
  WriteU32(record, kAcceptMask, accept);
  WriteU32(record, kTermMask, term);
  WriteU32(record, kTermKeepMask, keep);
  for (int i = 0; i < 6; ++i) WriteU32(record, kMenuMasks + 4 * i, menuMasks_[static_cast<std::size_t>(i)]);
  CopyPlayItemsIn(record, kPlayItems, playKeys_.data());
  for (const Option& option : kOptions) WriteU16(record, option.offset, Checked(option.box) ? 1 : 0);
  WriteU16(record, kMinRecordType, Checked(kBytesRadio) ? 0 : 1);
  return StoreFields(record);
}

}  // namespace zeph
