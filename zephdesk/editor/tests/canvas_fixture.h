#pragma once
// The canvas model's test set-up: the real model library through a recording adapter, a
// recording host, imports kept by the test, the palette built from the model's own table,
// and two open programs, so that a call that forgets to activate its program fails.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/clipboard/clipboardmodel.h"
#include "editor/drawn/displayobject.h"
#include "editor/support/editorhost.h"
#include "foundation/kvscrpres.h"
#include "model/interface/library.h"
#include "model/program/program.h"

namespace ed::test {

class RecordingHost : public EditorHost {
 public:
  struct Notice {
    ProgramObject* object;
    int kind;
    int scope;
  };
  struct Sent {
    unsigned message;
    std::intptr_t wParam, lParam;
  };

  HWND MainWindow() override { return nullptr; }
  bool IsOptionSet(std::uint32_t mask) override { return (options & mask) != 0; }
  std::int32_t GridSize() override { return gridSize; }
  PaletteIconList* Palette() override { return palette; }
  void NotifyChildren(ProgramObject* object, int kind, int scope) override {
    notices.push_back({object, kind, scope});
    if (onNotify) onNotify(object, kind, scope);
  }
  void UpdateChildCaptions() override { ++captionUpdates; }
  void UpdateCommandStates() override { ++commandUpdates; }
  void SetStatusText(const char* text, bool transient) override {
    statusTexts.emplace_back(text != nullptr ? text : "");
    transients.push_back(transient);
  }
  void Beep(unsigned type) override { beeps.push_back(type); }
  int MessageBoxRes(int stringId, unsigned style) override {
    boxes.push_back(stringId);
    boxStyles.push_back(style);
    return 1;
  }
  std::intptr_t SendMainWindowMessage(unsigned message, std::intptr_t wParam, std::intptr_t lParam) override {
    sent.push_back({message, wParam, lParam});
    return 0;
  }
  std::int32_t ReadDefaultPosition(const char* key, std::int32_t fallback) override {
    auto it = settings.find(key);
    return it != settings.end() ? it->second : fallback;
  }
  int UpdateIconFinished(VavurOrezo&) override {
    ++finishedReports;
    return 1;
  }
  void ReleaseReferences(VavurOrezo& block) override { released.push_back(block.Name()); }
  int EditProperties(VavurOrezo&) override { return propertiesAnswer; }
  void MakeNoteFont(KvTextUI& note) override {
    if (onMakeNoteFont) onMakeNoteFont(note);
  }

  // Where the notices go on, as the frame passes them to its page windows.
  std::function<void(ProgramObject*, int, int)> onNotify;
  // What makes the font of a note read from a file (nothing unless set).
  std::function<void(KvTextUI&)> onMakeNoteFont;
  std::uint32_t options = 0;
  std::int32_t gridSize = 8;
  PaletteIconList* palette = nullptr;
  std::vector<Notice> notices;
  int captionUpdates = 0, commandUpdates = 0;
  std::vector<std::string> statusTexts;
  std::vector<bool> transients;
  std::vector<unsigned> beeps;
  std::vector<int> boxes;
  std::vector<unsigned> boxStyles;
  std::vector<Sent> sent;
  std::map<std::string, std::int32_t> settings;
  int finishedReports = 0;
  std::vector<std::string> released;
  int propertiesAnswer = 0;
};

// Passes every call to the real model and counts the ones the tests look at; can make
// the model refuse named blocks and every new goto.
class RecordingModel : public ModelPort {
 public:
  explicit RecordingModel(ModelPort& real) : real_(real) {}

  vlxHandleType AddProgram(HWND w, int c) override { return real_.AddProgram(w, c); }
  void RemoveProgram(vlxHandleType p) override {
    ++removedPrograms;
    real_.RemoveProgram(p);
  }
  void ActivateProgram(vlxHandleType p) override { real_.ActivateProgram(p); }
  vlxHandleType CreatePage(const char* n, int k, int c) override { return real_.CreatePage(n, k, c); }
  void ActivatePage(vlxHandleType p) override { real_.ActivatePage(p); }
  void RemovePage(vlxHandleType p, int c) override {
    ++removedPages;
    real_.RemovePage(p, c);
  }
  vlxHandleType CreateVavurOrezo(int t, const char* n, int& r, const char* tn) override {
    if (refusedNames.count(n)) {
      r = 1;
      return nullptr;
    }
    return real_.CreateVavurOrezo(t, n, r, tn);
  }
  void DeleteVavurOrezo(vlxHandleType b, int c) override {
    ++deletedBlocks;
    real_.DeleteVavurOrezo(b, c);
  }
  int RenameVavurOrezo(vlxHandleType b, const char* n, int& r) override { return real_.RenameVavurOrezo(b, n, r); }
  vlxHandleType FindVavurOrezo(const char* n, int s, int c) override { return real_.FindVavurOrezo(n, s, c); }
  int IsNameInUse(const char* n) override { return real_.IsNameInUse(n); }
  zeph::VavurOrezoInfo* GetVavurOrezoInfo(vlxHandleType b, zeph::VavurOrezoInfo* i) override {
    return real_.GetVavurOrezoInfo(b, i);
  }
  int IsVavurOrezoFinished(vlxHandleType b) override { return real_.IsVavurOrezoFinished(b); }
  unsigned short IsOutputOptionalApplicable(int t, vlxHandleType b, const char* o) override {
    return real_.IsOutputOptionalApplicable(t, b, o);
  }
  int OpenCustomPB(const char* n) override { return real_.OpenCustomPB(n); }
  int CreateGoto(vlxHandleType f, vlxHandleType t, int i) override {
    ++createdGotos;
    if (refuseGotos) return -11;
    return real_.CreateGoto(f, t, i);
  }
  void DeleteGoto(vlxHandleType f, const char* o) override {
    deletedGotos.emplace_back(o != nullptr ? o : "");
    real_.DeleteGoto(f, o);
  }
  vlxHandleType GetGotoConnection(vlxHandleType f, int n) override { return real_.GetGotoConnection(f, n); }

  std::set<std::string> refusedNames;
  bool refuseGotos = false;
  int removedPrograms = 0, removedPages = 0, deletedBlocks = 0, createdGotos = 0;
  std::vector<std::string> deletedGotos;

 private:
  ModelPort& real_;
};

// Imports kept by the test: library names and palette groups it sets.
class FakeImports : public ImportsPort {
 public:
  void GetLibraryList(vlxHandleType, std::vector<std::string>& names) override { names = libraries; }
  const zeph::VlxPaletteGroup* CustomVavurOrezos(vlxHandleType) override { return custom.get(); }
  const zeph::VlxPaletteGroup* PageVavurOrezos(vlxHandleType, int which) override {
    return which == 1 ? superBlocks.get() : verification.get();
  }
  std::vector<std::string> libraries;
  std::unique_ptr<zeph::VlxPaletteGroup> custom, superBlocks, verification;
};

// A canvas with a selection of one object and the line-editing and mouse states.
// A clipboard workspace without items or imports; the messages it was asked to show.
class QuietClipboardWorkspace : public ClipboardWorkspace {
 public:
  void CopyItemsOf(VavurOrezo&) override {}
  void AddItemRefsOf(VavurOrezo&) override {}
  void AddClipboardImport(const std::string&) override {}
  void Report(int id, const std::string&) override { reports.push_back(id); }
  std::vector<int> reports;
};

class FakeDrawnCanvas : public DrawnCanvas {
 public:
  bool IsSelected(const UIObject* o) const override { return selected == o; }
  UIObject* FirstSelected() const override { return selected; }
  int SelectionCount() const override { return selected != nullptr ? selectionCount : 0; }
  int LineEditState() const override { return lineEdit; }
  int MouseMode() const override { return mouseMode; }
  Point ToPage(std::int32_t x, std::int32_t y) const override { return {x / 2, y / 2}; }
  void SelectLine(Goto* line) override { selected = line; }
  void ShowPage(Page* page) override { shownPages.push_back(page); }
  void RefreshStatusLine() override { ++statusRefreshes; }
  BlockMetrics GetBlockMetrics() const override { return {14, 2, 32, 3}; }
  UIObject* selected = nullptr;
  int selectionCount = 1;
  int lineEdit = 0;
  int mouseMode = 0;
  std::vector<Page*> shownPages;
  int statusRefreshes = 0;
};

// A palette table entry of a VavurOrezo type.
inline zeph::VavurOrezoInfo PaletteType(const char* name, const char* label, int code) {
  zeph::VavurOrezoInfo info;
  info.Name = name;
  info.SecondName = label;
  info.Type = static_cast<std::int16_t>(code);
  return info;
}

inline void* FakeDialogModule() {
  static int module = 1;
  return &module;
}

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() {
    zeph::SetDialogModuleLoader(&FakeDialogModule);
    zeph::EnsureLibraryStarted();
    DefaultPositions::Reset();
    other = std::make_unique<Program>(host, model, &imports, "Other", 0);
    zeph::IconInfoTable table;
    if (vlxGetVavurOrezoList(&table, 0, 0, 0, 0, 0) == 0) {
      palette = std::make_unique<PaletteIconList>(table, &host);
    }
    for (auto*& group : table.Groups) {
      delete group;
      group = nullptr;
    }
    host.palette = palette.get();
    program = std::make_unique<Program>(host, model, &imports, "Untitled", 0);
    main = new Page(program.get(), "Main", kPageMain, 0);
    program->AddPage(main);
    otherMain = new Page(other.get(), "Main", kPageMain, 0);
    other->AddPage(otherMain);
  }
  ~CanvasTest() override {
    program.reset();
    other.reset();
    zeph::SetDialogModuleLoader(nullptr);
  }

  // A block of the type on the page, made the way a drop makes it; the other program is
  // current afterwards.
  VavurOrezo* Add(Page* page, const char* name, int type, std::int32_t x = 0, std::int32_t y = 0) {
    std::shared_ptr<VavurOrezoIcon> icon = palette ? palette->FindIconShared(type) : nullptr;
    std::shared_ptr<TypeRecord> record = icon ? icon->Record() : std::make_shared<TypeRecord>();
    if (!icon) record->typeCode = static_cast<std::int16_t>(type);
    int refused = 0;
    auto* block = new VavurOrezo(page, name, record, icon, x, y, refused);
    if (block->Handle() == nullptr) {
      delete block;
      return nullptr;
    }
    page->AddVavurOrezo(block);
    block->UpdateFromModel(true);
    block->CreateGotoBlocks();
    other->Activate();
    return block;
  }

  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  RecordingHost host;
  VlxModel real;
  RecordingModel model{real};
  FakeImports imports;
  std::unique_ptr<PaletteIconList> palette;
  std::unique_ptr<Program> other;
  std::unique_ptr<Program> program;
  Page* main = nullptr;
  Page* otherMain = nullptr;
};

}  // namespace ed::test
