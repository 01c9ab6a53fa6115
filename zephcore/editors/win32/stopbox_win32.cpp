// The editors' refusal box.
#include "editors/win32/stopbox.h"

#include "foundation/kvmsgbox.h"

namespace zeph {

void ShowStopBox(HWND owner, const std::string& text) {
  KvMessageBoxRequest box;
  box.text = text.c_str();
  box.caption = "";
  box.style = kKvMbOk | kKvMbIconHand;
  box.owner = KvBoxOwner::Window;
  box.window = owner;
  KvMessageBox(box);
}

}  // namespace zeph
