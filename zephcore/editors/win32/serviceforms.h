#pragma once
// The service blocks' own forms: rule-driven forms whose voice file and fax item fields
// show the item's name (without its kind letter) with its description beside it, and
// whose "..." buttons open the voice file or fax item list to choose one. The thru-dial
// form also ties "Use Fixed Length Numbers" to dialling by number. Windows only.

#include "editors/media/mediafield.h"
#include "forms/win32/grayform.h"

namespace zeph {

class TMediaFieldForm : public TGrayForm {
 public:
  TMediaFieldForm(TWindow* parent, const MediaForm& media, PBInstance* instance, const PBFieldDef* table,
                  int edits, int checks, int combos);

  bool ValidateAndStore() override;
  // Opens the item list for media field n (its index among the form's media fields).
  void PickMediaItem(int n);

 protected:
  void SetupWindow() override;

 private:
  void ShowField(const MediaFieldControls& field);
  void MarkField(const MediaFieldControls& field);
  void EvPickButton(UINT id);

  const MediaForm& media_;

  DECLARE_RESPONSE_TABLE(TMediaFieldForm);
};

class TULVOMenuForm : public TMediaFieldForm {
 public:
  TULVOMenuForm(TWindow* parent, PBInstance* instance, const PBFieldDef* table, int edits, int checks, int combos);
};
class TFaxForm : public TMediaFieldForm {
 public:
  TFaxForm(TWindow* parent, PBInstance* instance, const PBFieldDef* table, int edits, int checks, int combos);
};
class TAnnounceForm : public TMediaFieldForm {
 public:
  TAnnounceForm(TWindow* parent, PBInstance* instance, const PBFieldDef* table, int edits, int checks, int combos);
};

inline constexpr int kDialByNumber = 704;
inline constexpr int kDialByName = 705;
inline constexpr int kDialByNumberOrName = 706;
inline constexpr int kFixedLengthCheck = 441;

class TThruDialForm : public TMediaFieldForm {
 public:
  TThruDialForm(TWindow* parent, PBInstance* instance, const PBFieldDef* table, int edits, int checks, int combos);

  void RadioGroupClicked(int group, int radio) override;
  // "Use Fixed Length Numbers" is cleared, its rules re-run, and it is enabled for
  // dialling by number only.
  virtual void DialModeChanged(int id);

 protected:
  void SetupWindow() override;
};

// Installs the four forms as the factories of their VavurOrezo types.
void RegisterServiceForms();

}  // namespace zeph
