#pragma once
// An editor host without windows or settings, as a load from the command line or a tool
// has: every question is answered "yes", notices go nowhere. The palette is the caller's.

#include "editor/support/editorhost.h"

namespace ed {

class HeadlessHost : public EditorHost {
 public:
  explicit HeadlessHost(PaletteIconList* palette = nullptr) : palette_(palette) {}
  void SetPalette(PaletteIconList* palette) { palette_ = palette; }

  HWND MainWindow() override { return nullptr; }
  bool IsOptionSet(std::uint32_t) override { return false; }
  std::int32_t GridSize() override { return 8; }
  PaletteIconList* Palette() override { return palette_; }
  void NotifyChildren(ProgramObject*, int, int) override {}
  void UpdateChildCaptions() override {}
  void UpdateCommandStates() override {}
  void SetStatusText(const char*, bool) override {}
  void Beep(unsigned) override {}
  int MessageBoxRes(int, unsigned) override { return 1; }
  std::intptr_t SendMainWindowMessage(unsigned, std::intptr_t, std::intptr_t) override { return 0; }
  std::int32_t ReadDefaultPosition(const char*, std::int32_t fallback) override { return fallback; }
  int UpdateIconFinished(VavurOrezo&) override { return 1; }
  void ReleaseReferences(VavurOrezo&) override {}
  int EditProperties(VavurOrezo&) override { return 0; }

 private:
  PaletteIconList* palette_;
};

}  // namespace ed
