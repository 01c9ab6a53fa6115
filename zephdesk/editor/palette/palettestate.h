#pragma once
// The palette window apart from its windows: the groups its group pane lists, the
// selected group and the VavurOrezo types shown for it, the current program's own groups
// (Custom, SuperBlocks, Verification Blocks and its libraries), and how it fills the main
// frame's tabbed palette (one tab per shown group, one item per type of the selected
// group).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ed {

class GroupIcon;
class PaletteIconList;
class Program;
class VavurOrezoIcon;

// The main frame's tabbed palette and the palette's VavurOrezo pane, as the palette fills
// them; each call is one message sent to the frame (the numbers are the messages).
class PaletteFrameLink {
 public:
  virtual ~PaletteFrameLink() = default;
  // The frame's tabbed palette exists.
  virtual bool TabsExist() = 0;
  virtual void ClearTabs() = 0;                                       // 1233
  virtual void AddTab(const std::string& name, GroupIcon* group) = 0;  // 1227
  virtual void EndTabs(int select) = 0;                               // 1228
  virtual void ClearItems() = 0;                                      // 1226
  // data: the type's position in the shown member list plus one (see MemberAt), since an
  // item of 0 is no item to the page canvas a drag ends on.
  virtual void AddItem(const std::string& name, int image, std::uint32_t data,
                       const std::shared_ptr<VavurOrezoIcon>& type) = 0;  // 1225
  virtual void SelectGroupInFrame(GroupIcon* group) = 0;              // 1232 to the main frame
  virtual void InvalidateTabs() = 0;
  virtual void RefreshTabs() = 0;
  // The VavurOrezo pane shows these types (null: none) and rebuilds its icons.
  virtual void ShowMembers(const std::vector<std::shared_ptr<VavurOrezoIcon>>* members) = 0;
};

// The message box of a drag of anything but a VavurOrezo type over the VavurOrezo pane.
inline constexpr int kMsgUnsupportedDrag = 54;
// Whether an object dragged over the VavurOrezo pane may be dropped there: only a
// VavurOrezo type (class 362).
bool PaletteAcceptsDrag(int classCode);

class PaletteState {
 public:
  PaletteState(PaletteIconList& icons, PaletteFrameLink& frame);

  // Points the palette at a program or at none.
  void SetProgram(Program* program);
  // Shows a group's types (the program's own for the three program groups).
  void SelectGroup(GroupIcon* group);
  // A click on a group of the group pane; true when it changed the group.
  bool GroupClicked(GroupIcon* group);
  // The group pane's list: the library groups, then the icon list's.
  void SetGroups(const std::vector<std::shared_ptr<GroupIcon>>* libraryGroups);

  void BuildGroupTabs();
  void RefillGroupTabs();
  void RebuildGroupTabs(int tab);
  void FillFramePalette();

  const std::vector<GroupIcon*>& Groups() const { return groups_; }
  GroupIcon* CurrentGroup() const { return current_; }
  const std::vector<std::shared_ptr<VavurOrezoIcon>>* Members() const { return members_; }
  // The type of an item's data (1 the first); null when it names none.
  VavurOrezoIcon* MemberAt(std::uint32_t data) const;
  int CustomSelected() const { return customSelected_; }
  int SuperBlockSelected() const { return superBlockSelected_; }
  int LibrarySelected() const { return librarySelected_; }

 private:
  void FillTabs(int select);
  void TellFrameCurrent();
  void Show(GroupIcon* group);

  PaletteIconList& icons_;
  PaletteFrameLink& frame_;
  Program* program_ = nullptr;
  GroupIcon* custom_ = nullptr;
  GroupIcon* superBlocks_ = nullptr;
  GroupIcon* verification_ = nullptr;
  const std::vector<std::shared_ptr<GroupIcon>>* libraries_ = nullptr;
  int customSelected_ = 0;
  int superBlockSelected_ = 0;
  int librarySelected_ = 0;
  std::vector<GroupIcon*> groups_;
  GroupIcon* current_ = nullptr;
  const std::vector<std::shared_ptr<VavurOrezoIcon>>* members_ = nullptr;
};

}  // namespace ed
