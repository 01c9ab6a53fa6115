// The message and multi-mail forms.
#include "forms/win32/messageforms.h"

#include "forms/own/messagetable.h"
#include "forms/win32/sentencepick.h"

namespace zeph {

const OwnFormControl kMessageFormControls[kMessageFormEntries] = {
    {159, 158, true},    // "Main Voice Sentence"
    {157, 156, false},   // "Message Parameters"
    {163, 162, false},   // "Goto on End of Message"
    {161, 160, false},   // "Goto on User Terminates"
};

DEFINE_RESPONSE_TABLE(TMsgForm, TOwnTableForm)
  EV_COMMAND_RANGE(156, 162, PickButton),
END_RESPONSE_TABLE;

TMsgForm::TMsgForm(TWindow* parent, const char* resource, PBInstance* instance)
    : TOwnTableForm(parent, resource, instance, MessageFormTable(), kMessageFormControls, kMessageFormEntries) {}

DEFINE_RESPONSE_TABLE(TMultiForm, TGenForm)
  EV_COMMAND_RANGE(kPickButtonBase, kPickButtonBase + kMaxEdits - 1, PickEntry),
END_RESPONSE_TABLE;

TMultiForm::TMultiForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table,
                       int edits, int checks, int gotoPosition)
    : TGenForm(parent, resource, instance, table, edits, checks, gotoPosition) {}

void TMultiForm::PickEntry(UINT id) {
  const int field = PickFieldOf(static_cast<int>(id) - kPickButtonBase);
  if (field >= 0 && field < edits_ && table_[field].NumRadioInArray != 0) {
    PickSentenceField(*this, table_[field], editControls_[static_cast<std::size_t>(field)]);
    return;
  }
  PickButton(id);
}

bool TMultiForm::ValidateAndStore() {
  if (usable_ && edits_ > kMultiIntroParameters) {
    char text[128] = {};
    TEdit* intro = editControls_[static_cast<std::size_t>(kMultiIntroSentence)];
    if (intro != nullptr && intro->HWindow != nullptr) intro->GetText(text, sizeof text);
    table_[kMultiIntroParameters].CanFieldBeBlank = text[0] == '\0' ? 1 : 0;
  }
  return TGenForm::ValidateAndStore();
}

}  // namespace zeph
