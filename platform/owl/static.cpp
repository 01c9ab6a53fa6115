#include "owl/static.h"

#include <cstring>
#include <string>

TStatic::TStatic(TWindow* parent, int id, const char* title, int x, int y, int w, int h,
                 UINT textLimit, TModule* module)
    : TControl(parent, id, title, x, y, w, h, module), TextLimit(textLimit) {
  Attr.Style = WS_CHILD | WS_VISIBLE | SS_LEFT;
}

TStatic::TStatic(TWindow* parent, int resourceId, UINT textLimit, TModule* module)
    : TControl(parent, resourceId, module), TextLimit(textLimit) {}

UINT TStatic::Transfer(void* buffer, TTransferDirection direction) {
  if (TextLimit == 0) return 0;
  auto* text = static_cast<char*>(buffer);
  if (direction == tdGetData) {
    std::memset(text, 0, TextLimit);
    GetText(text, int(TextLimit));
  } else if (direction == tdSetData) {
    std::string copy(text, strnlen(text, TextLimit));
    SetText(copy.c_str());
  }
  return TextLimit;
}
