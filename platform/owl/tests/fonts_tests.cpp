// The faces dialogs are drawn with are Wine's own, as on Windows: "MS Shell Dlg" (Tahoma)
// for the text and Marlett for the caption buttons. A substitute face would draw every
// dialog smaller and the caption buttons as letters.
#include <gtest/gtest.h>

#include <string>

#include "owl/owl.h"
#include "test_support.h"

namespace {

// The face the font mapper picks for a requested face name.
std::string FaceFor(const char* requested) {
  HDC dc = ::GetDC(nullptr);
  HFONT font = ::CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, requested);
  HGDIOBJ old = ::SelectObject(dc, font);
  char face[LF_FACESIZE] = "";
  ::GetTextFaceA(dc, sizeof face, face);
  ::SelectObject(dc, old);
  ::DeleteObject(font);
  ::ReleaseDC(nullptr, dc);
  return face;
}

TEST(Fonts, DialogAndCaptionFacesResolveToThemselves) {
  for (const char* face : {"MS Shell Dlg", "Marlett", "Tahoma", "MS Sans Serif"})
    EXPECT_EQ(FaceFor(face), face);
}

// A dialog as a person sees it, saved for looking at (screenshots/ beside the test program).
TEST(Fonts, DialogPictureIsSaved) {
  ModalGuard guard;
  struct TShot : TDialog {
    TShot() : TDialog(nullptr, "TESTDIALOG", &TestPane()) {}
    void SetupWindow() override {
      TDialog::SetupWindow();
      ::SetTimer(HWindow, 1, 200, nullptr);
    }
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
      if (msg == WM_TIMER && wParam == 1) {
        ::KillTimer(HWindow, 1);
        Path = SaveWindowPicture(HWindow, "testdialog");
        ::PostMessageA(HWindow, WM_COMMAND, IDCANCEL, 0);
        return 0;
      }
      return TDialog::WindowProc(msg, wParam, lParam);
    }
    std::string Path;
  } dialog;
  EXPECT_EQ(dialog.Execute(), IDCANCEL);
  ASSERT_FALSE(dialog.Path.empty());
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(::GetFileAttributesExA(dialog.Path.c_str(), GetFileExInfoStandard, &data));
  EXPECT_GT(data.nFileSizeLow, 1000u);
}

}  // namespace
