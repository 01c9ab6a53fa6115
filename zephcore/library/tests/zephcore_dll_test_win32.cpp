// The model DLL as the designer loads it: loading shows nothing and runs no start-up, the
// flags are found by name, and the first exports answer.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>

namespace {

// Boxes (dialog windows) made on this thread while the hook is in place are counted and
// not shown.
int g_boxes = 0;
HHOOK g_hook = nullptr;

LRESULT CALLBACK WatchBoxes(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    char name[64] = {};
    ::GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
    if (std::strcmp(name, "#32770") == 0) {
      ++g_boxes;
      return 1;   // refuse the window: the box returns at once
    }
  }
  return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

template <class F>
F Export(HMODULE module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

TEST(ZephcoreDll, LoadsQuietlyAndAnswers) {
  g_hook = ::SetWindowsHookExA(WH_CBT, &WatchBoxes, nullptr, ::GetCurrentThreadId());
  ASSERT_NE(g_hook, nullptr);
  HMODULE dll = ::LoadLibraryA("zephcore.dll");
  ASSERT_NE(dll, nullptr);

  for (const char* flag : {"_appErrorExists", "_clbFailure", "_UnconditionalBuild", "_IgnoreVoiceSentenceError"}) {
    auto* value = Export<std::int32_t*>(dll, flag);
    ASSERT_NE(value, nullptr) << flag;
    EXPECT_EQ(*value, 0) << flag;
  }

  // The interface's functions are C++ functions; these are their exported names.
  auto version = Export<int (*)()>(dll, "_Z13vlxGetVersionv");
  auto product = Export<const char* (*)()>(dll, "_Z17vlxGetProductNamev");
  auto voice = Export<const char* (*)()>(dll, "_Z15vlxGetVoiceTypev");
  auto maxType = Export<int (*)()>(dll, "_Z20vlxMaxVavurOrezoTypev");
  auto custom = Export<int (*)()>(dll, "_Z23vlxCustomVavurOrezoTypev");
  auto addProgram = Export<void* (*)(HWND, int)>(dll, "_Z13vlxAddProgramP6HWND__i");
  auto removeProgram = Export<int (*)(void*)>(dll, "_Z16vlxRemoveProgramPv");
  ASSERT_NE(version, nullptr);
  ASSERT_NE(product, nullptr);
  ASSERT_NE(voice, nullptr);
  ASSERT_NE(maxType, nullptr);
  ASSERT_NE(custom, nullptr);
  ASSERT_NE(addProgram, nullptr);
  ASSERT_NE(removeProgram, nullptr);

  EXPECT_EQ(version(), 512);
  EXPECT_STREQ(product(), "Flowsmith");
  EXPECT_EQ(product(), product());
  EXPECT_STREQ(voice(), "Quelbran");
  EXPECT_EQ(maxType(), 416);
  EXPECT_EQ(custom(), -100);

  void* clipboard = addProgram(nullptr, 1);   // the first export that needs the model starts it
  ASSERT_NE(clipboard, nullptr);
  EXPECT_EQ(addProgram(nullptr, 1), clipboard);
  void* program = addProgram(nullptr, 0);
  ASSERT_NE(program, nullptr);
  EXPECT_NE(program, clipboard);
  EXPECT_EQ(removeProgram(program), 0);
  EXPECT_EQ(removeProgram(clipboard), 0);   // never destroyed
  EXPECT_EQ(addProgram(nullptr, 1), clipboard);

  EXPECT_EQ(g_boxes, 0);
  ::UnhookWindowsHookEx(g_hook);
}

}  // namespace
