#include "owl/testing/window_picture.h"

namespace {

// The running program's folder, with its trailing backslash.
std::string ProgramFolder() {
  char path[MAX_PATH] = "";
  const DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
  std::string folder(path, length);
  const std::size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

}  // namespace

// Copies the area of the source context into a 24-bit BMP file "screenshots\<name>.bmp".
std::string SaveAreaPicture(HDC source, int left, int top, int width, int height, const std::string& name) {
  if (width <= 0 || height <= 0) return {};
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files keep it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP picture = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::string path;
  if (picture != nullptr) {
    HGDIOBJ old = ::SelectObject(memory, picture);
    ::BitBlt(memory, 0, 0, width, height, source, left, top, SRCCOPY);
    ::SelectObject(memory, old);
    ::GdiFlush();
    const DWORD stride = (DWORD(width) * 3 + 3) & ~DWORD(3);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + stride * DWORD(height);
    const std::string folder = ProgramFolder() + "screenshots";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    path = folder + "\\" + name + ".bmp";
    HANDLE out = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    bool ok = out != INVALID_HANDLE_VALUE &&
              ::WriteFile(out, &file, sizeof file, &written, nullptr) &&
              ::WriteFile(out, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
              ::WriteFile(out, bits, stride * DWORD(height), &written, nullptr);
    if (out != INVALID_HANDLE_VALUE) ::CloseHandle(out);
    if (!ok) path.clear();
    ::DeleteObject(picture);
  }
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return path;
}

std::string SaveWindowPicture(HWND window, const std::string& name) {
  RECT box{};
  if (!::GetWindowRect(window, &box)) return {};
  // GUI tests of other programs may share the display: the window comes to the top and is
  // drawn anew before the screen is read.
  ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  // Wine paints into window surfaces and copies them to the display later; a wait lets it
  // copy them now, so that the screen read below is not older than the painting (a page
  // just switched to could otherwise show without its sheet's tab strip).
  ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
  HDC screen = ::GetDC(nullptr);
  const std::string path = SaveAreaPicture(screen, box.left, box.top, box.right - box.left, box.bottom - box.top, name);
  ::ReleaseDC(nullptr, screen);
  ::SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return path;
}
