// The editors' refusal box.
#include "editors/win32/stopbox.h"

#include "foundation/kvmsgbox.h"

namespace zeph {

namespace {
int Box(HWND owner, const std::string& text, std::uint32_t style) {
  KvMessageBoxRequest box;
  box.text = text.c_str();
  box.caption = "";
  box.style = style;
  box.owner = KvBoxOwner::Window;
  box.window = owner;
  return KvMessageBox(box);
}
}  // namespace

void ShowStopBox(HWND owner, const std::string& text) { Box(owner, text, kKvMbOk | kKvMbIconHand); }

int AskBox(HWND owner, const std::string& text, bool yesNo) {
  return Box(owner, text, (yesNo ? kKvMbYesNo : kKvMbOkCancel) | kKvMbIconQuestion);
}

}  // namespace zeph
