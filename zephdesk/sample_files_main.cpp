// Writes the application files of a program folder that lacks them: default\default.ed
// (what a new program starts from) and Sample.ed. Files already there are left alone.
//   sample_files PROGRAM_FOLDER
#include <filesystem>
#include <iostream>
#include <string>

#include "editor/samples/sampleprograms.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: sample_files PROGRAM_FOLDER\n";
    return 2;
  }
  const std::filesystem::path folder(argv[1]);
  std::error_code error;
  std::filesystem::create_directories(folder / "default", error);
  if (error) {
    std::cerr << "sample_files: cannot make " << (folder / "default").string() << ": " << error.message() << "\n";
    return 1;
  }
  struct File {
    std::filesystem::path path;
    int (*write)(const std::string&, std::ostream&);
  };
  const File files[] = {{folder / "default" / "default.ed", &ed::WriteNewProgramFile},
                        {folder / "Sample.ed", &ed::WriteSampleProgramFile}};
  int failed = 0;
  for (const File& file : files) {
    if (std::filesystem::exists(file.path, error)) continue;
    if (!file.write(file.path.string(), std::cerr)) {
      std::cerr << "sample_files: " << file.path.string() << " was not written\n";
      ++failed;
    }
  }
  return failed == 0 ? 0 : 1;
}
