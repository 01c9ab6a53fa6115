#pragma once
// The own forms of the message VavurOrezos: TMsgForm, the form of the VavurOrezo that plays
// a message ("DIALOG_MSG", its controls placed by their own ids), and TMultiForm, the
// table form of the multi-mail VavurOrezo ("DIALOG_MULTI"), whose message-intro parameters
// are required exactly when a message-intro voice sentence is given. Windows only.

#include "forms/win32/genform.h"
#include "forms/win32/owntableform.h"

namespace zeph {

inline constexpr const char kMessageFormResource[] = "DIALOG_MSG";
inline constexpr const char kMultiMailFormResource[] = "DIALOG_MULTI";

// The control and pick button of each entry of the message form's table.
extern const OwnFormControl kMessageFormControls[4];

class TMsgForm : public TOwnTableForm {
 public:
  TMsgForm(TWindow* parent, const char* resource, PBInstance* instance);

 private:
  DECLARE_RESPONSE_TABLE(TMsgForm);
};

// Entries of the multi-mail table that the form's rule joins.
inline constexpr int kMultiIntroSentence = 5;
inline constexpr int kMultiIntroParameters = 6;

class TMultiForm : public TGenForm {
 public:
  TMultiForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
             int checks, int gotoPosition = 0);

  bool ValidateAndStore() override;

 private:
  // Sentence entries open the voice sentence list, the others the table form's picker.
  void PickEntry(UINT id);

  DECLARE_RESPONSE_TABLE(TMultiForm);
};

}  // namespace zeph
