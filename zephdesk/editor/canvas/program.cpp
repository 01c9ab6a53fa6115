#include "editor/canvas/program.h"

#include <algorithm>
#include <new>

#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/support/editorhost.h"
#include "editor/support/messages.h"

namespace ed {


std::int32_t ProgramObject::GetID() {
  if (id_ == 0) {
    Program* program = GetProgram();
    if (program != nullptr) id_ = program->NextID();
  }
  return id_;
}

void ProgramObject::SetModified() {
  if (Program* program = GetProgram()) program->SetModified();
}

Program::Program(EditorHost& host, ModelPort& model, ImportsPort* imports, const char* path, int clipboard)
    : ProgramObject(nullptr),
      host_(host),
      model_(model),
      imports_(imports),
      clipboard_(clipboard),
      path_(path != nullptr ? path : "") {
  handle_ = model_.AddProgram(host_.MainWindow(), clipboard);
  Refresh();
}

Program::~Program() {
  MarkDestroying();
  // The pages see the program's id of -1 and leave the model alone: removing the program
  // removes them all.
  pages_.clear();
  if (handle_ != nullptr && !IsClipboard()) model_.RemoveProgram(handle_);
}

void Program::SetModified() {
  modified_ = true;
  host_.UpdateChildCaptions();
  host_.UpdateCommandStates();
}

void Program::ClearModified() {
  modified_ = false;
  host_.UpdateChildCaptions();
  host_.UpdateCommandStates();
}

void Program::Activate() { model_.ActivateProgram(handle_); }

void Program::AddPage(Page* page) {
  if (page == nullptr) return;
  page->SetOwner(this);
  pages_.emplace_back(page);
  RebuildOwnGroups();
  SetModified();
}

void Program::RemovePage(Page* page) {
  auto it = std::find_if(pages_.begin(), pages_.end(), [&](const auto& p) { return p.get() == page; });
  if (it == pages_.end()) return;
  Activate();
  std::unique_ptr<Page> removed = std::move(*it);
  pages_.erase(it);
  removed.reset();
  RebuildOwnGroups();
  SetModified();
}

Page* Program::FindPage(const char* name) const {
  if (name == nullptr) return nullptr;
  for (const auto& page : pages_) {
    if (page->Name() == name) return page.get();
  }
  return nullptr;
}

Page* Program::GetMainPage() const {
  for (const auto& page : pages_) {
    if (page->PageType() == kPageMain) return page.get();
  }
  return nullptr;
}

VavurOrezo* Program::FindVavurOrezoByHandle(vlxHandleType handle) const {
  for (const auto& page : pages_) {
    if (VavurOrezo* block = page->FindVavurOrezoByHandle(handle)) return block;
  }
  return nullptr;
}

VavurOrezo* Program::FindVavurOrezo(const char* name) const {
  for (const auto& page : pages_) {
    if (VavurOrezo* block = page->FindVavurOrezo(name)) return block;
  }
  return nullptr;
}

void Program::ForEachPage(void (*function)(Page*, void*), void* argument) {
  for (const auto& page : pages_) function(page.get(), argument);
}

int Program::SearchPages(int mode) const {
  if (mode < 0 || mode > 2) return 1;
  for (const auto& page : pages_) {
    const bool isMain = page->Name() == "Main";
    switch (mode) {
      case 0:
        if (page->HasUnfinishedBlock()) return 0;
        break;
      case 1:
        if (!isMain && page->HasUnfinishedBlock()) return 0;
        break;
      case 2:
        if (!isMain) return 0;
        break;
    }
  }
  return 1;
}

GroupIcon* Program::FindGroup(const char* name) const {
  if (name == nullptr) return nullptr;
  for (const auto& group : importGroups_) {
    if (!group || group->Name().empty()) return nullptr;
    if (group->Name() == name) return group.get();
  }
  return nullptr;
}

int Program::FillLibraryGroup() {
  GroupIcon& group = *importGroups_.front();
  group.FlushIcons();
  std::vector<std::string> libraries;
  if (imports_ != nullptr) imports_->GetLibraryList(handle_, libraries);
  PaletteIconList* palette = host_.Palette();
  VavurOrezoIcon* prototype = palette != nullptr ? palette->FindIcon(kTypeImported) : nullptr;
  int made = 0;
  for (const std::string& library : libraries) {
    // Without the palette's icon of imported SuperBlocks the library gets no icon.
    if (prototype == nullptr || !prototype->Record()) continue;
    auto record = std::make_shared<TypeRecord>(*prototype->Record());
    record->typeName = library;
    group.AddIcon(std::make_shared<VavurOrezoIcon>(std::move(record)));
    ++made;
  }
  return made;
}

void Program::BuildImportGroups() {
  std::vector<std::string> libraries;
  if (imports_ != nullptr) imports_->GetLibraryList(handle_, libraries);
  importGroups_.clear();
  for (const std::string& library : libraries) UpdateLibraryGroup(library.c_str());
  RebuildOwnGroups();
  for (const auto& page : pages_) {
    if (!page->IsBeingDestroyed()) page->RefreshBlocksOfType(kTypeSuperBlockCall);
  }
}

void Program::UpdateLibraryGroup(const char* library) {
  if (library == nullptr) return;
  try {
    if (importGroups_.empty()) importGroups_.push_back(std::make_shared<GroupIcon>(kImportGroupName, "", ""));
    FillLibraryGroup();
  } catch (const std::bad_alloc&) {
    host_.MessageBoxRes(kStrGroupOutOfMemory, kBoxIconExclamation);
  }
}

void Program::RebuildLibraryGroups() {
  if (importGroups_.empty()) return;
  try {
    // The group leaves the list when no library is left; whoever still shows it keeps it.
    if (FillLibraryGroup() == 0) importGroups_.erase(importGroups_.begin());
  } catch (const std::bad_alloc&) {
    host_.MessageBoxRes(kStrGroupOutOfMemory, kBoxIconExclamation);
  }
  RebuildOwnGroups();
}

void Program::RebuildOwnGroups() {
  if (imports_ == nullptr || handle_ == nullptr) return;
  try {
    const zeph::VlxPaletteGroup* custom = imports_->CustomVavurOrezos(handle_);
    customGroup_ = custom != nullptr ? std::make_shared<GroupIcon>(custom, &host_) : nullptr;
    for (int which = 1; which <= 2; ++which) {
      const zeph::VlxPaletteGroup* pages = imports_->PageVavurOrezos(handle_, which);
      superBlockGroups_[which - 1] = pages != nullptr ? std::make_shared<GroupIcon>(pages, &host_) : nullptr;
    }
  } catch (const std::bad_alloc&) {
    host_.MessageBoxRes(kStrGroupOutOfMemory, kBoxIconExclamation);
  }
}

void Program::OnModelNotify(std::uint16_t) { RebuildOwnGroups(); }

}  // namespace ed
