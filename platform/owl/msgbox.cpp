#include "owl/msgbox.h"

#include <utility>

namespace {
TMessageBoxResponder& Responder() {
  static TMessageBoxResponder responder;
  return responder;
}
}  // namespace

TMessageBoxResponder SetMessageBoxResponder(TMessageBoxResponder responder) {
  return std::exchange(Responder(), std::move(responder));
}

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type) {
  if (Responder()) return Responder()(owner, text ? text : "", caption ? caption : "", type);
  return ::MessageBoxA(owner, text, caption, type);
}
