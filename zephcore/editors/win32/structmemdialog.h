#pragma once
// The structure member chooser ("DIALOG_MEM"): lists the members of a structured variable
// that fit the pick request, an "@" in front of a member that is itself a structure with
// fitting members. Level 1 runs over the variable picker's current symbol; level 2 over a
// structured member of it, opened from level 1. Done writes the member ids into the
// request (the reference being built); Setup edits the chosen member's stored value in
// its record form or value dialog. Windows only.

#include <string>

#include "forms/picker/pickrequest.h"
#include "foundation/kvbasedlg.h"
#include "owl/listbox.h"

namespace zeph {

class TVarPick;
struct StructDef;
struct StructMember;

inline constexpr const char* kStructMemResource = "DIALOG_MEM";
enum StructMemControls : int { kStructMemList = 371, kStructMemSetup = 136 };

class TStructMem : public TBaseDialog {
 public:
  // Level 1: parent is the variable picker. Level 2: parent is the level-1 chooser, whose
  // selected "@" entry is the member whose members are listed.
  TStructMem(TWindow* parent, const char* resource, PickRequest& node, int level);
  ~TStructMem() override;

  bool CanClose() override;
  // The type of the chosen member (after Done or Setup).
  int ChosenType() const { return chosenType_; }

 protected:
  void SetupWindow() override;

 private:
  std::string SelectedEntry() const;
  StructMember* MemberOf(const std::string& entry) const;
  bool MaySetUp() const;
  void EvSelChange();
  void EvDoubleClick();
  void EvSetup() { Setup(); }
  void Setup();
  void SetUpRecord(StructMember& member);
  void SetUpValue(StructMember& member);

  PickRequest& node_;
  int level_;
  TVarPick* picker_ = nullptr;       // level 1
  TStructMem* outer_ = nullptr;      // level 2
  Symbol* variable_ = nullptr;
  const StructDef* def_ = nullptr;   // the structure whose members are listed
  std::string parentMember_;         // level 2: the member of the variable listed
  int arrayIndex_ = -1;              // 0-based element chosen in the picker, -1 none
  int chosenType_ = 0;
  bool setupDone_ = false;
  TListBox* list_ = nullptr;

  DECLARE_RESPONSE_TABLE(TStructMem);
};

// Runs the level-1 chooser on the picker's symbol for the picker's double-clicked "@"
// line; answers its result.
int ChooseStructureMember(TVarPick& picker, Symbol& symbol, PickRequest& request);

}  // namespace zeph
