// The start-up window: bitmap from a file, progress, closing by its time-out.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "owl/owl.h"
#include "test_support.h"

namespace {

// A 24-bit bitmap file of the given size.
std::string WriteBitmap(int width, int height) {
  char folder[MAX_PATH];
  ::GetTempPathA(MAX_PATH, folder);
  std::string path = std::string(folder) + "owl_splash_test.bmp";
  int rowBytes = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + DWORD(rowBytes * height);
  std::vector<unsigned char> pixels(size_t(rowBytes * height), 0x80);
  FILE* out = std::fopen(path.c_str(), "wb");
  std::fwrite(&file, sizeof file, 1, out);
  std::fwrite(&info, sizeof info, 1, out);
  std::fwrite(pixels.data(), 1, pixels.size(), out);
  std::fclose(out);
  return path;
}

TEST(Dib, ReadsABitmapFile) {
  std::string path = WriteBitmap(64, 32);
  TDib dib(path.c_str());
  ASSERT_TRUE(dib.IsOK());
  EXPECT_EQ(dib.Width(), 64);
  EXPECT_EQ(dib.Height(), 32);
  TDib missing("no_such_file.bmp");
  EXPECT_FALSE(missing.IsOK());
  std::remove(path.c_str());
}

TEST(SplashWindow, ShrinksToTheBitmapShowsProgressAndClosesByItself) {
  std::string path = WriteBitmap(120, 90);
  TDib dib(path.c_str());
  int style = TSplashWindow::ShrinkToFit | TSplashWindow::MakeGauge | TSplashWindow::CaptureMouse;
  ASSERT_EQ(style, 11);
  TSplashWindow splash(dib, 800, 600, style, 300);
  ASSERT_TRUE(splash.Create());
  splash.Show(SW_SHOWNORMAL);
  RECT client;
  splash.GetClientRect(client);
  EXPECT_EQ(client.right, 120);
  EXPECT_EQ(client.bottom, 90);

  splash.SetText("");
  splash.SetPercentDone(35);
  EXPECT_EQ(splash.GetPercentDone(), 35);
  splash.SetPercentDone(150);
  EXPECT_EQ(splash.GetPercentDone(), 100);

  EXPECT_TRUE(::IsWindow(splash.HWindow));
  ASSERT_TRUE(PumpUntil([&] { return splash.HWindow == nullptr; }, 3000));
  std::remove(path.c_str());
}

TEST(SplashWindow, AClickClosesItWhenAsked) {
  std::string path = WriteBitmap(40, 40);
  TDib dib(path.c_str());
  TSplashWindow splash(dib, 100, 100, TSplashWindow::CaptureMouse);
  ASSERT_TRUE(splash.Create());
  splash.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(splash.HWindow, nullptr);
  std::remove(path.c_str());
}

}  // namespace
