#pragma once
// The status line along the bottom of the main frame: one line of text with a level, so
// that a passing hint (level 0) cannot overwrite a more important message. A transient
// message (level 3) is drawn in red and gives way to any text again after 4 seconds.

#include <windows.h>

#include "owl/window.h"

class FontObject;

namespace ed {

inline constexpr int kStatusNormal = 0;
inline constexpr int kStatusTransient = 3;
inline constexpr UINT kStatusTimer = 1;
inline constexpr UINT kStatusTimerMs = 4000;

class StatusLineChild : public TWindow {
 public:
  // font: the named font "status_line", which sets the line's height and text margin.
  StatusLineChild(TWindow* parent, const FontObject* font);

  const char* GetClassName() override { return "STATUSLINE"; }
  void GetWindowClass(WNDCLASSA& wndClass) override;
  void Paint(HDC dc, bool erase, RECT& rect) override;

  void ShowLine(bool show);
  bool IsShown() const { return shown_; }
  // When shown: takes the line's height off the bottom of rect.
  void Layout(RECT& rect);
  int LineHeight() const;

  void SetMessage(int level, const char* text, bool update);
  void AppendMessage(int level, const char* text, bool update);
  // Empties the line and drops it to level 0 when the level is not below the shown one,
  // so that a finished level-2 text (the router's) no longer holds back the hints.
  void ClearMessage(int level);
  const char* GetText() const { return text_; }
  int GetLevel() const { return level_; }

  void EvTimer(UINT timerId);

 private:
  bool shown_ = false;
  int level_ = kStatusNormal;
  char text_[256] = "Initializing...";
  const FontObject* font_;

  DECLARE_RESPONSE_TABLE(StatusLineChild);
};

}  // namespace ed
