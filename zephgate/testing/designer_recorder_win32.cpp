// A stand-in for the designer in the launcher's tests: it appends the command line it was
// started with to "launched.txt" beside itself and ends.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string file(path, length);
  file = file.substr(0, file.find_last_of('\\') + 1) + "launched.txt";
  std::ofstream(file, std::ios::binary | std::ios::app) << GetCommandLineA() << "\r\n";
  return 0;
}
