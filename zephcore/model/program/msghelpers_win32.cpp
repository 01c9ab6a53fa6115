#include "model/program/msghelpers.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "foundation/kvmsgbox.h"
#include "owl/application.h"
#include "owl/module.h"
#include "owl/window.h"

namespace zeph {
namespace {

constexpr int kResourceTextSize = 128;   // 127 characters and the terminator

std::string Format(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (length < 0) return format;
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, args);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

HWND MainWindow() {
  TApplication* app = TApplication::GetCurrent();
  TWindow* main = app != nullptr ? app->GetMainWindow() : nullptr;
  return main != nullptr ? main->HWindow : nullptr;
}

int Show(HWND owner, char* caption, UINT style, const std::string& text) {
  if (caption != nullptr) std::strcpy(caption, "Flowsmith");
  KvMessageBoxRequest request;
  request.text = text.c_str();
  request.caption = "Flowsmith";
  request.style = style;
  request.owner = owner != nullptr ? KvBoxOwner::Window : KvBoxOwner::None;
  request.window = owner;
  return KvMessageBox(request);
}

// The string of the active window's module (the program's own without one).
bool ActiveModuleString(UINT id, char* text) {
  HWND active = ::GetActiveWindow();
  HINSTANCE instance = active != nullptr ? reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(active, GWLP_HINSTANCE))
                                         : ::GetModuleHandleA(nullptr);
  return ::LoadStringA(instance, id, text, kResourceTextSize) > 0;
}

}  // namespace

int ShowMessageFmt(char* caption, UINT style, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int answer = Show(MainWindow(), caption, style, Format(format, args));
  va_end(args);
  return answer;
}

int ShowMessageRes(char* caption, UINT style, UINT stringId, ...) {
  char pattern[kResourceTextSize] = "";
  if (!ActiveModuleString(stringId, pattern)) return -1;
  va_list args;
  va_start(args, stringId);
  const int answer = Show(MainWindow(), caption, style, Format(pattern, args));
  va_end(args);
  return answer;
}

int ShowMessageFmtFor(HWND owner, char* caption, UINT style, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int answer = Show(owner, caption, style, Format(format, args));
  va_end(args);
  return answer;
}

int ShowMessageResFor(HWND owner, char* caption, UINT style, UINT stringId, ...) {
  char pattern[kResourceTextSize] = "";
  if (!ActiveModuleString(stringId, pattern)) return -1;
  va_list args;
  va_start(args, stringId);
  const int answer = Show(owner, caption, style, Format(pattern, args));
  va_end(args);
  return answer;
}

int ShowMessageModuleRes(HWND owner, TModule* module, char* caption, UINT style, UINT stringId, ...) {
  char pattern[kResourceTextSize] = "";
  const bool found = module != nullptr ? module->LoadString(stringId, pattern, kResourceTextSize) > 0
                                       : ActiveModuleString(stringId, pattern);
  if (!found) return -1;
  va_list args;
  va_start(args, stringId);
  const int answer = Show(owner, caption, style, Format(pattern, args));
  va_end(args);
  return answer;
}

}  // namespace zeph
