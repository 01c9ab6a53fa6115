// The delay-sequence set-up forms.
#include "forms/win32/delayforms.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include "forms/engine/typedcount.h"
#include "forms/keys/blockentries.h"
#include "foundation/kvmsgbox.h"
#include "model/modelcodes.h"
#include "model/pbaccess_boxes.h"

namespace zeph {
namespace {

constexpr int kPromptSize = 50;
constexpr std::int32_t kMaxTime = 2147483647;
constexpr std::int32_t kMaxRepeat = 32767;
constexpr const char* kPromptNames[kDelayPrompts] = {"1st ", "2nd ", "3rd ", "4th ", "5th ", "6th "};

constexpr DelayLayout kTimedLayout = {48, 0, 348, kDelayRepeatEdit, 350};
constexpr DelayLayout kErrorLayout = {24, -1, 324, kErrDelayRepeatEdit, 326};

std::vector<PBFieldDef> PromptEntries(int offset) {
  std::vector<PBFieldDef> entries;
  for (int i = 0; i < kDelayPrompts; ++i) entries.push_back(BlockPromptEntry(kPromptNames[i], offset + kPromptSize * i));
  return entries;
}

std::string EditText(HWND dialog, int id) {
  HWND edit = ::GetDlgItem(dialog, id);
  const int length = edit != nullptr ? ::GetWindowTextLengthA(edit) : 0;
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  if (length > 0) ::GetWindowTextA(edit, text.data(), length + 1);
  text.resize(std::strlen(text.c_str()));
  return text;
}

}  // namespace

DEFINE_RESPONSE_TABLE(TDelaySequenceForm, TBlockForm)
  EV_COMMAND_RANGE(kDelayPickButton, kDelayPickButton + kDelayPrompts - 1, PickButton),
END_RESPONSE_TABLE;

TDelaySequenceForm::TDelaySequenceForm(TWindow* parent, const char* resource, unsigned char* block, int blockSize,
                                       const DelayLayout& layout)
    : TBlockForm(parent, resource, block, blockSize, layout.recordSize, false, PromptEntries(layout.promptOffset)),
      layout_(layout) {
  prompts_.assign(kDelayPrompts, nullptr);
  for (int i = 0; i < kDelayPrompts; ++i) {
    TEdit* edit = MakeEdit(kDelayPromptEdit + i);
    if (!Bind(i, edit)) return;
    prompts_[static_cast<std::size_t>(i)] = edit;
  }
}

void TDelaySequenceForm::SetupWindow() {
  TBlockForm::SetupWindow();
  const unsigned char* block = Block();
  for (int i = 0; i < kDelayPrompts; ++i) {
    const char* stored = reinterpret_cast<const char*>(block + layout_.promptOffset + kPromptSize * i);
    ::SetDlgItemTextA(HWindow, kDelayPromptEdit + i, std::string(stored, std::find(stored, stored + kPromptSize, '\0')).c_str());
    if (layout_.timeOffset >= 0) {
      const auto time = static_cast<std::int32_t>(ReadU32(block, layout_.timeOffset + 4 * i));
      ::SetDlgItemTextA(HWindow, kDelayTimeEdit + i, std::to_string(time).c_str());
    }
  }
  const auto repeat = static_cast<std::int16_t>(ReadU16(block, layout_.repeatOffset));
  ::SetDlgItemTextA(HWindow, layout_.repeatEdit, std::to_string(repeat).c_str());
}

void TDelaySequenceForm::PickButton(UINT id) {
  const int field = static_cast<int>(id) - kDelayPickButton;
  if (field < 0 || field >= kDelayPrompts) return;
  PickField(field, prompts_[static_cast<std::size_t>(field)], kPickKindVoiceSentence);
}

bool TDelaySequenceForm::ReadCount(int edit, const char* what, std::int32_t max, std::int32_t* value) {
  if (ReadTypedCount(EditText(HWindow, edit), max, value)) return true;
  char text[48];
  std::snprintf(text, sizeof text, "Invalid %s Entry", what);
  KvMessageBoxRequest box;
  box.text = text;
  box.caption = "";
  box.style = kKvMbOk;
  box.owner = KvBoxOwner::Window;
  box.window = HWindow;
  KvMessageBox(box);
  if (HWND control = ::GetDlgItem(HWindow, edit)) ::SetFocus(control);
  return false;
}

bool TDelaySequenceForm::Commit(unsigned char* record) {
  if (!ValidateFields()) return false;
  for (int i = 0; i < kDelayPrompts; ++i) {
    const std::string text = EditText(HWindow, kDelayPromptEdit + i);
    // A reference longer than its field would be stored cut: refused instead.
    if (text.size() >= static_cast<std::size_t>(kPromptSize)) {
      ShowRefusedFieldValue(HWindow, kErrStringTooLong, kPromptNames[i], text.c_str());
      ::SetFocus(::GetDlgItem(HWindow, kDelayPromptEdit + i));
      return false;
    }
    unsigned char* field = record + layout_.promptOffset + kPromptSize * i;
    std::memset(field, 0, kPromptSize);
    std::memcpy(field, text.data(), text.size());
  }
  if (layout_.timeOffset >= 0) {
    for (int i = 0; i < kDelayPrompts; ++i) {
      char what[16];
      std::snprintf(what, sizeof what, "Timeout%d", i + 1);
      std::int32_t time = 0;
      if (!ReadCount(kDelayTimeEdit + i, what, kMaxTime, &time)) return false;
      WriteU32(record, layout_.timeOffset + 4 * i, static_cast<std::uint32_t>(time));
    }
  }
  std::int32_t repeat = 0;
  if (!ReadCount(layout_.repeatEdit, "Repeat1", kMaxRepeat, &repeat)) return false;
  WriteU16(record, layout_.repeatOffset, static_cast<std::uint16_t>(repeat));
  return true;
}

TDelaySequence::TDelaySequence(TWindow* parent, const char* resource, unsigned char* block, int blockSize)
    : TDelaySequenceForm(parent, resource, block, blockSize, kTimedLayout) {}

TErrDelaySequence::TErrDelaySequence(TWindow* parent, const char* resource, unsigned char* block, int blockSize)
    : TDelaySequenceForm(parent, resource, block, blockSize, kErrorLayout) {}

std::unique_ptr<TBlockForm> MakeDelaySequenceForm(TWindow* parent, int dataType, unsigned char* block, int blockSize) {
  if (dataType == kDelaySequenceType) {
    return std::unique_ptr<TBlockForm>(new (std::nothrow)
                                           TDelaySequence(parent, kDelaySequenceResource, block, blockSize));
  }
  if (dataType == kErrDelaySequenceType) {
    return std::unique_ptr<TBlockForm>(new (std::nothrow)
                                           TErrDelaySequence(parent, kErrDelaySequenceResource, block, blockSize));
  }
  return nullptr;
}

}  // namespace zeph
