#include "editor/file/layoutfuzz.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "editor/canvas/modelport.h"
#include "editor/canvas/program.h"
#include "editor/file/programfile.h"
#include "editor/support/headlesshost.h"
#include "model/interface/library.h"

namespace ed {

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
