#include "editor/frame/statusline.h"

#include <cstring>

#include "editor/frame/barbrush.h"
#include "editor/frame/iconbox.h"
#include "framework/kvnamed.h"

namespace ed {

DEFINE_RESPONSE_TABLE(StatusLineChild, TWindow)
  EV_WM_TIMER,
END_RESPONSE_TABLE;

namespace {

constexpr std::size_t kTextMax = 255;
constexpr std::size_t kCompared = 254;

}  // namespace

StatusLineChild::StatusLineChild(TWindow* parent, const FontObject* font) : TWindow(parent), font_(font) {
  Attr.Style = WS_CHILD | WS_VISIBLE;
}

void StatusLineChild::GetWindowClass(WNDCLASSA& wndClass) {
  TWindow::GetWindowClass(wndClass);
  wndClass.hbrBackground = BarBackground("status_background");
}

int StatusLineChild::LineHeight() const {
  if (!font_) return ::GetSystemMetrics(SM_CYMENU);
  const int leading = font_->GetInternalLeading();
  return font_->GetCharHeight() - leading + 3 * leading;
}

void StatusLineChild::ShowLine(bool show) {
  shown_ = show;
  ::ShowWindow(HWindow, show ? SW_SHOW : SW_HIDE);
  if (Parent && Parent->HWindow) ::SendMessageA(Parent->HWindow, kMsgFrameLayOut, 0, 0);
}

void StatusLineChild::Layout(RECT& rect) {
  if (!shown_) return;
  const int height = LineHeight();
  ::SetWindowPos(HWindow, nullptr, rect.left, rect.bottom - height, rect.right - rect.left, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  rect.bottom -= height;
}

void StatusLineChild::SetMessage(int level, const char* text, bool update) {
  if (level >= level_) {
    if (level == kStatusTransient && HWindow && !SetTimer(kStatusTimer, kStatusTimerMs)) level = kStatusNormal;
    level_ = level;
    const char* shown = text ? text : "";
    if (std::strncmp(shown, text_, kCompared) != 0) {
      std::strncpy(text_, shown, kTextMax);
      text_[kTextMax] = '\0';
      if (HWindow) ::InvalidateRect(HWindow, nullptr, TRUE);
    }
  }
  if (update && HWindow) ::UpdateWindow(HWindow);
}

void StatusLineChild::ClearMessage(int level) {
  if (level < level_) return;
  level_ = kStatusNormal;
  if (text_[0] == '\0') return;
  text_[0] = '\0';
  if (HWindow) ::InvalidateRect(HWindow, nullptr, TRUE);
}

void StatusLineChild::AppendMessage(int level, const char* text, bool update) {
  if (level < level_) return;
  if (level > level_) {
    SetMessage(level, text, false);
    return;
  }
  const std::size_t length = std::strlen(text_);
  std::strncat(text_, text ? text : "", kTextMax - length);
  if (!HWindow) return;
  ::InvalidateRect(HWindow, nullptr, FALSE);
  if (update) ::UpdateWindow(HWindow);
}

void StatusLineChild::EvTimer(UINT timerId) {
  if (timerId == kStatusTimer) level_ = kStatusNormal;
}

void StatusLineChild::Paint(HDC dc, bool, RECT& rect) {
  HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, level_ == kStatusTransient ? RGB(255, 0, 0) : ::GetSysColor(COLOR_WINDOWTEXT));
  const int x = font_ ? int(font_->GetAverageWidth()) : 4;
  ::ExtTextOutA(dc, x, 3, ETO_CLIPPED, &rect, text_, UINT(std::strlen(text_)), nullptr);
  ::SelectObject(dc, oldFont);
  RECT client{};
  GetClientRect(client);
  RECT grip{client.right - client.bottom, 0, client.right, client.bottom};
  ::DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

}  // namespace ed
