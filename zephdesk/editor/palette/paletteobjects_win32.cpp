#include "editor/canvas/icons.h"
#include "editor/palette/paletteobjects.h"
#include "editor/support/drawing_win32.h"

namespace ed {

void IconObject::Paint(HDC dc, const RECT*) {
  const RECT r = ToRECT(Bounds());
  ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_BTNFACE));
  const bool selected = ObjectSelected();
  HBRUSH light = ::GetSysColorBrush(COLOR_BTNHIGHLIGHT);
  HBRUSH dark = ::GetSysColorBrush(COLOR_BTNSHADOW);
  Draw3DFrame(dc, selected ? dark : light, selected ? light : dark, &r, 1);
  const std::string& label = icon_.Text();
  RECT text = r;
  ::InflateRect(&text, -2, -2);
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF oldText = ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  ::DrawTextA(dc, label.c_str(), static_cast<int>(label.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  ::SetBkMode(dc, oldMode);
  ::SetTextColor(dc, oldText);
}

}  // namespace ed
