#include "owl/scrollbar.h"

TScrollBar::TScrollBar(TWindow* parent, int id, int x, int y, int w, int h, bool isHScrollBar,
                       TModule* module)
    : TControl(parent, id, nullptr, x, y, w, h, module) {
  Attr.Style |= isHScrollBar ? SBS_HORZ : SBS_VERT;
}

TScrollBar::TScrollBar(TWindow* parent, int resourceId, TModule* module)
    : TControl(parent, resourceId, module) {}

void TScrollBar::SetRange(int min, int max) {
  if (HWindow) ::SetScrollRange(HWindow, SB_CTL, min, max, TRUE);
}

void TScrollBar::GetRange(int& min, int& max) const {
  min = max = 0;
  if (HWindow) ::GetScrollRange(HWindow, SB_CTL, &min, &max);
}

int TScrollBar::GetPosition() const { return HWindow ? ::GetScrollPos(HWindow, SB_CTL) : 0; }

void TScrollBar::SetPosition(int position) {
  int min, max;
  GetRange(min, max);
  if (position < min) position = min;
  if (position > max) position = max;
  if (HWindow && position != GetPosition()) ::SetScrollPos(HWindow, SB_CTL, position, TRUE);
}

int TScrollBar::DeltaPos(int delta) {
  int before = GetPosition();
  SetPosition(before + delta);
  return GetPosition() - before;
}

void TScrollBar::SBLineUp() { DeltaPos(-LineMagnitude); }
void TScrollBar::SBLineDown() { DeltaPos(LineMagnitude); }
void TScrollBar::SBPageUp() { DeltaPos(-PageMagnitude); }
void TScrollBar::SBPageDown() { DeltaPos(PageMagnitude); }

void TScrollBar::SBTop() {
  int min, max;
  GetRange(min, max);
  SetPosition(min);
}

void TScrollBar::SBBottom() {
  int min, max;
  GetRange(min, max);
  SetPosition(max);
}

void TScrollBar::SBThumbPosition(int thumbPos) { SetPosition(thumbPos); }
void TScrollBar::SBThumbTrack(int thumbPos) { SetPosition(thumbPos); }
void TScrollBar::SBEndScroll() {}

void TScrollBar::HandleScroll(UINT scrollCode, int thumbPos) {
  switch (scrollCode) {
    case SB_LINEUP: SBLineUp(); break;
    case SB_LINEDOWN: SBLineDown(); break;
    case SB_PAGEUP: SBPageUp(); break;
    case SB_PAGEDOWN: SBPageDown(); break;
    case SB_TOP: SBTop(); break;
    case SB_BOTTOM: SBBottom(); break;
    case SB_THUMBPOSITION: SBThumbPosition(thumbPos); break;
    case SB_THUMBTRACK: SBThumbTrack(thumbPos); break;
    case SB_ENDSCROLL: SBEndScroll(); break;
    default: break;
  }
}
