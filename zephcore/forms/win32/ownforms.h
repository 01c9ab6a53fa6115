#pragma once
// The own forms of the Record and Listen VavurOrezos, opened by their types' factories:
// TRecForm (a table form whose menu-supervision box switches the menu fields on and off)
// and TListenForm (a rule form with a "Set" button for the usual frequency band).
// Windows only.

#include "forms/win32/genform.h"
#include "forms/win32/grayform.h"

namespace zeph {

inline constexpr const char kRecordFormResource[] = "DIALOG_REC";
inline constexpr const char kListenFormResource[] = "DIALOG_LISTEN";
inline constexpr int kListenSetButton = 399;
inline constexpr int kMenuSupervisionBox = 442;

class TRecForm : public TGenForm {
 public:
  TRecForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
           int checks);
  bool ValidateAndStore() override;
  virtual void ToggleMenuSupervision();
  bool MenuSupervision() const { return menuSupervision_; }

 protected:
  void SetupWindow() override;

 private:
  void ApplyMenuSupervision();
  bool menuSupervision_ = false;

  DECLARE_RESPONSE_TABLE(TRecForm);
};

class TListenForm : public TGrayForm {
 public:
  TListenForm(TWindow* parent, PBInstance* instance, const PBFieldDef* table);

 private:
  void SetClicked();

  DECLARE_RESPONSE_TABLE(TListenForm);
};

}  // namespace zeph
