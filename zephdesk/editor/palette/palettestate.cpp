#include "editor/palette/palettestate.h"

#include "editor/canvas/icons.h"
#include "editor/canvas/program.h"
#include "editor/canvas/uiobject.h"
#include "editor/palette/paletterules.h"

namespace ed {
namespace {

// A SuperBlock of an imported library shows its model name, other types their label.
constexpr int kImportedApplicationType = 409;

}  // namespace

bool PaletteAcceptsDrag(int classCode) { return classCode == kClassVavurOrezoIcon; }

PaletteState::PaletteState(PaletteIconList& icons, PaletteFrameLink& frame) : icons_(icons), frame_(frame) {}

void PaletteState::SetProgram(Program* program) {
  program_ = program;
  if (program != nullptr) {
    custom_ = program->CustomGroup();
    superBlocks_ = program->SuperBlockGroup(0);
    verification_ = program->SuperBlockGroup(1);
    libraries_ = &program->ImportGroups();
  } else {
    custom_ = superBlocks_ = verification_ = nullptr;
    libraries_ = nullptr;
  }
  // The selection survives: the same kind of group stays selected for the new program.
  const int custom = customSelected_, superBlock = superBlockSelected_;
  SetGroups(libraries_);
  if (custom != 0) {
    customSelected_ = custom;
    superBlockSelected_ = 0;
    Show(custom_);
  } else if (superBlock != 0) {
    superBlockSelected_ = superBlock;
    customSelected_ = 0;
    Show(superBlock == 1 ? superBlocks_ : verification_);
  }
}

void PaletteState::Show(GroupIcon* group) {
  members_ = group != nullptr ? &group->Icons() : nullptr;
  frame_.ShowMembers(members_);
  FillFramePalette();
}

void PaletteState::SelectGroup(GroupIcon* group) {
  customSelected_ = superBlockSelected_ = librarySelected_ = 0;
  if (group == nullptr) {
    Show(nullptr);
    return;
  }
  switch (ClassifyPaletteGroup(group->Name())) {
    case PaletteGroupKind::kCustom:
      customSelected_ = 1;
      Show(program_ != nullptr ? custom_ : nullptr);
      return;
    case PaletteGroupKind::kSuperBlocks:
      superBlockSelected_ = 1;
      Show(program_ != nullptr ? superBlocks_ : nullptr);
      return;
    case PaletteGroupKind::kVerificationBlocks:
      superBlockSelected_ = 2;
      Show(program_ != nullptr ? verification_ : nullptr);
      return;
    case PaletteGroupKind::kLibrary:
      librarySelected_ = 3;
      break;
    case PaletteGroupKind::kOther:
      break;
  }
  Show(group);
}

bool PaletteState::GroupClicked(GroupIcon* group) {
  if (group == nullptr || group == current_) return false;
  SelectGroup(group);
  current_ = group;
  return true;
}

void PaletteState::SetGroups(const std::vector<std::shared_ptr<GroupIcon>>* libraryGroups) {
  groups_.clear();
  current_ = nullptr;
  if (libraryGroups != nullptr) {
    for (const auto& group : *libraryGroups) groups_.push_back(group.get());
  }
  for (const auto& group : icons_.Groups()) groups_.push_back(group.get());
  // The third group is current; with fewer, the first.
  if (groups_.size() >= 3) {
    current_ = groups_[2];
  } else if (!groups_.empty()) {
    current_ = groups_[0];
  }
  SelectGroup(current_);
  RefillGroupTabs();
}

void PaletteState::FillTabs(int select) {
  frame_.ClearTabs();
  for (GroupIcon* group : groups_) {
    if (!group->IsShown()) continue;
    frame_.AddTab(group->Name(), group);
    if (current_ == nullptr) current_ = group;
  }
  frame_.EndTabs(select);
}

void PaletteState::BuildGroupTabs() {
  current_ = nullptr;
  if (!frame_.TabsExist()) return;
  FillTabs(0);
  TellFrameCurrent();
}

void PaletteState::RefillGroupTabs() {
  if (!frame_.TabsExist()) return;
  FillTabs(0);
  TellFrameCurrent();
}

// A palette without groups has none to name: the frame takes a group as given.
void PaletteState::TellFrameCurrent() {
  if (current_ != nullptr) frame_.SelectGroupInFrame(current_);
  frame_.InvalidateTabs();
}

void PaletteState::RebuildGroupTabs(int tab) {
  if (!frame_.TabsExist()) return;
  FillTabs(tab);
  frame_.RefreshTabs();
}

void PaletteState::FillFramePalette() {
  if (members_ == nullptr || !frame_.TabsExist()) return;
  frame_.ClearItems();
  std::uint32_t data = 0;
  for (const auto& icon : *members_) {
    const int code = icon->TypeCode();
    const std::string& name = code == kImportedApplicationType ? icon->Name() : icon->Text();
    frame_.AddItem(name, PaletteImageIndex(code), ++data, icon);
  }
}

VavurOrezoIcon* PaletteState::MemberAt(std::uint32_t data) const {
  if (members_ == nullptr || data == 0 || data > members_->size()) return nullptr;
  return (*members_)[data - 1].get();
}

}  // namespace ed
