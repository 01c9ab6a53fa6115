// The key map dialog.
#include "forms/win32/keymap.h"

#include <new>

#include "forms/keys/keymasks.h"
#include "foundation/kvmsgbox.h"
#include "model/modelcodes.h"

namespace zeph {
namespace {

struct KeyGroup {
  int box;
  std::uint32_t mask;
  int firstBit;
  int lastBit;
  const char* question;
};

constexpr KeyGroup kGroups[] = {
    {kDigitsGroupBox, keys::kDigitGroupA, 0, 11,
     "    Some of these keys are used by another mask.\n    Do you want to set new mask and disable old ?"},
    {kLettersGroupBox, keys::kLetterGroupA, 12, 15,
     "Some of these keys are used by another mask.\n Do you want to set this mask and disable old ?"},
    {kSoftKeysGroupBox, keys::kSoftKeyGroupA, 16, 27,
     "Some of these keys are used by another mask.\n Do you want to set this mask and disable old ?"},
};

constexpr char kKeyQuestion[] = "This key is used by another mask.\n Do you want to set this mask and disable old ?";

}  // namespace

bool MyGroupBox::AskYes(const char* text) const {
  KvMessageBoxRequest box;
  box.text = text;
  box.caption = kKeyUsedCaption;
  box.style = kKvMbYesNo | kKvMbIconQuestion;
  box.owner = KvBoxOwner::Window;
  box.window = Parent != nullptr ? Parent->HWindow : nullptr;
  return KvMessageBox(box) == IDYES;
}

void MyGroupBox::HandleGroup(int group) {
  const KeyGroup& g = kGroups[group];
  TCheckBox* groupBox = Box(g.box);
  if (groupBox == nullptr || groupBox->GetCheck() != BF_CHECKED) return;
  if ((used_ & g.mask) != 0 && !AskYes(g.question)) {
    groupBox->Uncheck();
    return;
  }
  for (int bit = g.firstBit; bit <= g.lastBit; ++bit) {
    if (TCheckBox* key = Box(kKeyBoxBase + bit)) key->Check();
  }
}

void MyGroupBox::KeyBoxClicked(int id) {
  if (id < kKeyBoxBase || id >= kKeyBoxBase + kKeyMapBoxes) return;
  if (id >= kDigitsGroupBox) {
    // A group box falls through to the groups after it. The key boxes it checks do not
    // notify, so no key question follows.
    for (int group = id - kDigitsGroupBox; group < 3; ++group) HandleGroup(group);
    return;
  }
  const int bit = id - kKeyBoxBase;
  TCheckBox* key = Box(id);
  if (key != nullptr && (used_ >> bit & 1u) != 0 && key->GetCheck() == BF_CHECKED && !AskYes(kKeyQuestion)) {
    key->Uncheck();
  }
}

TKboardParm::TKboardParm(TWindow* parent, const char* resource, std::uint32_t* mask, std::uint32_t used)
    : TGenericForm(parent, resource), mask_(mask), used_(used) {
  group_ = new (std::nothrow) MyGroupBox(this, kKeyMapGroupBox, used, boxes_);
  for (int i = 0; i < kKeyMapBoxes && group_ != nullptr; ++i) {
    boxes_[i] = new (std::nothrow) TCheckBox(this, kKeyBoxBase + i, group_);
    if (boxes_[i] == nullptr) break;
  }
  if (group_ == nullptr || boxes_[kKeyMapBoxes - 1] == nullptr || mask == nullptr) {
    ShowFormMessage(nullptr, kErrOutOfMemory);
    usable_ = false;
  }
}

void TKboardParm::SetupWindow() {
  TGenericForm::SetupWindow();
  for (int i = 0; i < keys::kKeyCountA; ++i) boxes_[i]->SetCheck((*mask_ >> i & 1u) ? BF_CHECKED : BF_UNCHECKED);
  for (int i = keys::kKeyCountA; i < kKeyMapBoxes; ++i) boxes_[i]->Uncheck();
}

bool TKboardParm::CanClose() {
  if (!TGenericForm::CanClose()) return false;
  std::uint32_t mask = 0;
  for (int i = 0; i < keys::kKeyCountA; ++i) {
    if (boxes_[i]->GetCheck() == BF_CHECKED) mask |= std::uint32_t{1} << i;
  }
  for (const KeyGroup& g : kGroups) {
    if (boxes_[g.box - kKeyBoxBase]->GetCheck() == BF_CHECKED) mask |= g.mask;
  }
  *mask_ = mask;
  return true;
}

void RunKeyMapOn(TWindow* form, std::uint32_t* masks, int count, int k) {
  if (k < 1 || k >= count) return;
  TKboardParm* dialog = new (std::nothrow) TKboardParm(form, kKeyMapResource, &masks[k], keys::UsedMaskFor(masks, count, k));
  if (dialog == nullptr) {
    ShowFormMessage(form != nullptr ? form->HWindow : nullptr, kErrOutOfMemory);
    return;
  }
  if (dialog->Usable()) {
    dialog->Execute();   // Done or Cancel: the masks are made exclusive again either way
    keys::ApplyExclusiveMask(masks, count, k);
  }
  delete dialog;
}

}  // namespace zeph
