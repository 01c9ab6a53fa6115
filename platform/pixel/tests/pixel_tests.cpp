// The bitmap resource library loads by name, and every bitmap in it can be loaded.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

HMODULE Pixel() {
  static HMODULE module = ::LoadLibraryA("zephpixel.dll");
  return module;
}

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
  auto* list = reinterpret_cast<std::vector<std::string>*>(names);
  list->push_back(IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name))
                                       : std::string(name));
  return TRUE;
}

LPCSTR ResourceId(const std::string& name) {
  return name[0] == '#' ? MAKEINTRESOURCEA(std::stoi(name.substr(1))) : name.c_str();
}

TEST(Pixel, LoadsByNameAndCarriesItsVersion) {
  ASSERT_NE(Pixel(), nullptr);
  EXPECT_NE(::FindResourceA(Pixel(), MAKEINTRESOURCEA(VS_VERSION_INFO), MAKEINTRESOURCEA(16)),
            nullptr);
}

TEST(Pixel, EveryBitmapLoads) {
  ASSERT_NE(Pixel(), nullptr);
  std::vector<std::string> names;
  ::EnumResourceNamesA(Pixel(), MAKEINTRESOURCEA(2), &CollectName,
                       reinterpret_cast<LONG_PTR>(&names));
  if (names.empty()) GTEST_SKIP() << "the bitmap library holds no bitmaps yet";
  for (const std::string& name : names) {
    HBITMAP bitmap = ::LoadBitmapA(Pixel(), ResourceId(name));
    EXPECT_NE(bitmap, nullptr) << name;
    if (bitmap) ::DeleteObject(bitmap);
  }
}

}  // namespace
