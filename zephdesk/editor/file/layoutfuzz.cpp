#include "editor/file/layoutfuzz.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "editor/canvas/modelport.h"
#include "editor/canvas/program.h"
#include "editor/file/programfile.h"
#include "editor/support/editorhost.h"
#include "model/interface/library.h"

namespace ed {
namespace {

// A host without windows, settings or palette, as a load from the command line has.
class HeadlessHost : public EditorHost {
 public:
  HWND MainWindow() override { return nullptr; }
  bool IsOptionSet(std::uint32_t) override { return false; }
  std::int32_t GridSize() override { return 8; }
  PaletteIconList* Palette() override { return nullptr; }
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
};

}  // namespace

int LoadFileForFuzzing(const unsigned char* data, std::size_t size) {
  zeph::EnsureLibraryStarted();
  std::error_code error;
  const std::filesystem::path path =
      std::filesystem::temp_directory_path(error) / ("layout_fuzz_" + std::to_string(reinterpret_cast<std::uintptr_t>(&error)) + ".ed");
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out) return 0;
  }
  HeadlessHost host;
  VlxModel model;
  std::ostringstream log;
  const bool loaded = ProgramFile::Load(path.string(), &log, host, model, nullptr) != nullptr;
  std::filesystem::remove(path, error);
  return loaded ? 1 : 0;
}

}  // namespace ed
