#pragma once
// One open program of the designer: the canvas picture of a model program, with its pages
// and the palette groups of its own SuperBlocks, custom VavurOrezos and imports.

#include <memory>
#include <string>
#include <vector>

#include "editor/canvas/appinfo.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/uiobject.h"
#include "model/interface/vlx.h"

namespace ed {

class EditorHost;
class ImportsPort;
class ModelPort;
class Page;
class VavurOrezo;

inline constexpr const char* kImportGroupName = "Imported Applications";

class Program : public ProgramObject {
 public:
  // Registers the program with the model (with the clipboard flag, the model's clipboard
  // program). imports may be null: the program then has no import or own groups.
  Program(EditorHost& host, ModelPort& model, ImportsPort* imports, const char* path, int clipboard);
  ~Program() override;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  int isA() const override { return kClassProgram; }
  Program* GetProgram() override { return this; }
  Page* GetPage() override { return nullptr; }

  EditorHost& Host() const { return host_; }
  ModelPort& Model() const { return model_; }
  ImportsPort* Imports() const { return imports_; }
  vlxHandleType Handle() const { return handle_; }
  bool IsClipboard() const { return clipboard_ != 0; }

  std::int32_t NextID() { return ++idCounter_; }
  std::int32_t IdCounter() const { return idCounter_; }
  void SetIdCounter(std::int32_t value) { idCounter_ = value; }

  void SetModified();
  void ClearModified();
  bool IsModified() const { return modified_; }

  // Makes the program the model's current one.
  void Activate();

  void AddPage(Page* page);
  void RemovePage(Page* page);
  const std::vector<std::unique_ptr<Page>>& Pages() const { return pages_; }
  Page* FindPage(const char* name) const;
  Page* GetMainPage() const;
  VavurOrezo* FindVavurOrezoByHandle(vlxHandleType handle) const;
  VavurOrezo* FindVavurOrezo(const char* name) const;
  void ForEachPage(void (*function)(Page*, void*), void* argument);
  // 0 as soon as a page qualifies (see the modes), else 1.
  int SearchPages(int mode) const;

  void SetFileName(const char* path) { path_ = path != nullptr ? path : ""; }
  const char* GetFileName() const { return path_.c_str(); }
  const std::string& Comment() const { return comment_; }
  void SetComment(const char* text) { comment_ = text != nullptr ? text : ""; }
  ApplicationInfo& AppInfo() { return appInfo_; }
  const ApplicationInfo& AppInfo() const { return appInfo_; }
  std::int32_t ZoomLevel() const { return zoom_; }
  void SetZoomLevel(std::int32_t zoom) { zoom_ = zoom; }
  std::int32_t PageWindows() const { return pageWindows_; }
  void SetPageWindows(std::int32_t count) { pageWindows_ = count; }

  // Palette groups of the program.
  GroupIcon* FindGroup(const char* name) const;
  const std::vector<std::shared_ptr<GroupIcon>>& ImportGroups() const { return importGroups_; }
  GroupIcon* CustomGroup() const { return customGroup_.get(); }
  GroupIcon* SuperBlockGroup(int i) const { return superBlockGroups_[i].get(); }
  void BuildImportGroups();
  void UpdateLibraryGroup(const char* library);
  void RebuildLibraryGroups();
  // Rebuilds the custom group and the two SuperBlock groups from the model; called when
  // pages, custom VavurOrezos or imports change.
  void RebuildOwnGroups();

  // Hooks of construction, loading, palette changes and model notifications.
  void Refresh() {}
  void OnModelNotify(std::uint16_t code);

 private:
  // Fills the first import group with one icon per library the model lists; the count.
  int FillLibraryGroup();

  EditorHost& host_;
  ModelPort& model_;
  ImportsPort* imports_;
  int clipboard_;
  std::int32_t pageWindows_ = 0;
  bool modified_ = false;
  std::int32_t idCounter_ = 0;
  vlxHandleType handle_ = nullptr;
  std::shared_ptr<GroupIcon> customGroup_;
  std::shared_ptr<GroupIcon> superBlockGroups_[2];
  std::vector<std::shared_ptr<GroupIcon>> importGroups_;
  std::vector<std::unique_ptr<Page>> pages_;
  std::string comment_;
  std::string path_;
  std::int32_t zoom_ = 100;
  ApplicationInfo appInfo_;
};

}  // namespace ed
