#include "test_support.h"

#include "owl/module.h"

TModule& TestPane() {
  static TModule module("owltestpane.dll");
  return module;
}

TModule& TestProgram() {
  static TModule module("owl_tests", ::GetModuleHandleA(nullptr));
  return module;
}

ScriptedMessageBoxes::ScriptedMessageBoxes(std::vector<int> answers)
    : Answers(std::move(answers)) {
  Previous = SetMessageBoxResponder(
      [this](HWND owner, const char* text, const char* caption, UINT type) {
        CallsMade.push_back({owner, text, caption, type});
        if (Answers.empty()) return IDOK;
        int answer = Answers.front();
        Answers.erase(Answers.begin());
        return answer;
      });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() { SetMessageBoxResponder(Previous); }


std::string SaveWindowPicture(HWND window, const std::string& name) {
  RECT box{};
  if (!::GetWindowRect(window, &box)) return {};
  const int width = box.right - box.left, height = box.bottom - box.top;
  if (width <= 0 || height <= 0) return {};
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
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
    ::BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
    ::SelectObject(memory, old);
    ::GdiFlush();
    const DWORD stride = (DWORD(width) * 3 + 3) & ~DWORD(3);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + stride * DWORD(height);
    ::CreateDirectoryA("screenshots", nullptr);
    path = "screenshots\\" + name + ".bmp";
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
