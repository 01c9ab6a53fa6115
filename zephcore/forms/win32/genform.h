#pragma once
// The table-driven property forms: the template carries numbered controls, the field
// table one entry per control. TGenForm shows edits (601+, labels 501+, pick buttons
// 401+) and check boxes (441+); TGenFormPlus adds combos (851+) and radio buttons (701+).
// Windows only.

#include <memory>
#include <vector>

#include "forms/engine/fieldrecord.h"
#include "forms/engine/formids.h"
#include "forms/engine/formlimits.h"
#include "forms/engine/formtable.h"
#include "forms/win32/controls.h"
#include "forms/win32/genericform.h"
#include "owl/static.h"

namespace zeph {

inline constexpr UINT kMsgEditInfo = 2030;
inline constexpr int kLabelTextLimit = 80;
inline constexpr int kSuperBlockGotoPosition = 24;

// An edit of a form: Ctrl+I sends its text to the window that owns the form.
class TGenEdit : public TEdit {
 public:
  TGenEdit(TWindow* parent, int id) : TEdit(parent, id, 0) {}
  void EvKeyDown(UINT key, UINT repeatCount, UINT flags);

  DECLARE_RESPONSE_TABLE(TGenEdit);
};

class TGenForm : public TGenericForm {
 public:
  // The table is copied (the VavurOrezo's own table when it has one). edits and checks:
  // the numbers of edit and check-box entries; gotoPosition: the place of the first goto
  // among the numbered controls. A table the form cannot show is reported and the form
  // answers Cancel without running.
  TGenForm(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
           int checks, int gotoPosition = 0, FormShape shape = FormShape::Table);
  ~TGenForm() override;

  int Execute() override;
  bool CanClose() override;
  // Checks and stores the values; false keeps the form open.
  virtual bool ValidateAndStore();

  FormTable& OwnTable() { return table_; }
  int EditId(int j) const { return kEditBase + ids_[static_cast<std::size_t>(j)]; }
  int PickFieldOf(int button) const;
  bool Usable() const { return usable_; }

 protected:
  void SetupWindow() override;
  void PickButton(UINT id);
  InstanceRecord Record() { return InstanceRecord(Instance->Area); }
  void Refuse() { usable_ = false; }
  // Attaches the control to the entry; a control or binding that could not be made is
  // shown as "Out of memory" and leaves the form unusable.
  bool Bind(int entry, TWindow* control, std::unique_ptr<FieldControl> binding);

  FormTable table_;
  int edits_;
  int checks_;
  int gotoPosition_;
  int firstGoto_ = 0;
  std::vector<int> ids_;            // i(j) of each edit entry
  std::vector<TGenEdit*> editControls_;
  std::vector<TStatic*> labels_;
  std::vector<TCheckBox*> checkControls_;
  std::vector<std::unique_ptr<FieldControl>> bindings_;
  bool usable_ = true;

  DECLARE_RESPONSE_TABLE(TGenForm);
};

class TGenFormPlus : public TGenForm {
 public:
  TGenFormPlus(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
               int checks, int combos, FormShape shape = FormShape::TablePlus);

  bool ValidateAndStore() override;
  virtual void LoadValues();
  void SetRadioGroups();
  void FillCombo(TComboBox& combo, const PBFieldDef& entry);

 protected:
  void SetupWindow() override;
  virtual void CreateRadioGroups();
  // The entry index of radio group g and the group's control.
  int RadioEntry(int g) const { return edits_ + checks_ + combos_ + g; }
  int RadioGroupCount() const { return table_.Count() - edits_ - checks_ - combos_; }
  // Makes the radio buttons of every group, each group in its own group box when given.
  void MakeRadioButtons(const std::function<TGroupBox*(int group)>& groupBox);
  void ApplyLabels();

  int combos_;
  std::vector<TComboBox*> comboControls_;
  std::vector<TRadioButton*> radios_;
  std::vector<RadioGroupControl*> groups_;
};

// The form of the types whose radio groups hold one selection each (dialog kind 3).
class TWholeTab : public TGenForm {
 public:
  TWholeTab(TWindow* parent, const char* resource, PBInstance* instance, const PBFieldDef* table, int edits,
            int checks);
  bool ValidateAndStore() override;

 protected:
  void SetupWindow() override;

 private:
  std::vector<std::pair<int, RadioGroupControl*>> groups_;   // entry and its buttons
};

}  // namespace zeph
