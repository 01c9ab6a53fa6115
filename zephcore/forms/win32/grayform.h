#pragma once
// The rule-driven property form: its entries' rule lists switch each other's controls
// and change the form's copy of the definitions, which the VavurOrezo keeps as its own
// table on OK. Windows only.

#include <map>
#include <memory>

#include "forms/engine/grayrules.h"
#include "forms/win32/genform.h"
#include "owl/button.h"
#include "owl/groupbox.h"

namespace zeph {

class TGrayForm;

// A group box of a gray form's radio group: its clicks drive the group's rules.
class TGrayGroupBox : public TGroupBox {
 public:
  TGrayGroupBox(TWindow* parent, int id, int group) : TGroupBox(parent, id), group_(group) {}
  void SelectionChanged(int controlId) override;
  int Group() const { return group_; }

 private:
  int group_;
};

class TGrayForm : public TGenFormPlus, private GrayFormControls {
 public:
  TGrayForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
            int checks, int combos);
  ~TGrayForm() override;

  bool ValidateAndStore() override;
  GrayRuleEngine& Rules() { return *rules_; }

  // The change handlers: n counts from 1 within the kind; radio: the group (from 0) and
  // the clicked button's number among all radio buttons.
  virtual void EditChanged(int n);
  virtual void CheckBoxClicked(int n);
  virtual void ComboChanged(int n);
  virtual void RadioGroupClicked(int group, int radio);

 protected:
  void SetupWindow() override;
  void CreateRadioGroups() override;

 private:
  FieldControl* Label(int entry) override;
  FieldControl* PickButton(int entry) override;
  FieldControl* RadioButton(int entry, int button) override;
  FieldControl* ChildWithText(const char* text) override;

  void EvEditUpdate(UINT id);
  void EvCheckBox(UINT id);
  void EvCombo(UINT id);

  std::unique_ptr<GrayRuleEngine> rules_;
  std::vector<TButton*> pickButtons_;
  std::map<int, WindowControl> windows_;    // labels and pick buttons by entry (negative: picks)
  std::map<int, WindowControl> radioWindows_;
  std::unique_ptr<HwndControl> named_;

  DECLARE_RESPONSE_TABLE(TGrayForm);
};

}  // namespace zeph
