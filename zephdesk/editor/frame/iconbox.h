#pragma once
// The icon box: the strip of tool-bar buttons along the top of the main frame. Each button
// issues its command to the frame; hovering shows the command's hint on the status line.
// The box owns the tool bar object that keeps the buttons' enabled look in step with the
// command states.

#include <windows.h>

#include <functional>
#include <memory>

#include "editor/frame/iconboxtable.h"
#include "owl/window.h"

class KvToolBar;
class PenObject;

namespace ed {

// Shows a text on the frame's status line (normal level).
using StatusTextSink = std::function<void(const char* text)>;

inline constexpr UINT kMsgFrameLayOut = WM_USER + 1000;  // 2024, to the parent
inline constexpr UINT kTextCannotCreateChild = 30;

class IconBoxChild : public TWindow {
 public:
  IconBoxChild(TWindow* parent, const IconBoxTable& table, StatusTextSink status);
  ~IconBoxChild() override;

  const char* GetClassName() override { return "ICONBOX"; }
  void GetWindowClass(WNDCLASSA& wndClass) override;
  void SetupWindow() override;
  void Paint(HDC dc, bool erase, RECT& rect) override;

  // Shows or hides the box and asks the parent to lay out again.
  void ShowBox(bool show);
  bool IsShown() const { return shown_; }
  // When shown: takes the box's height off the top of rect.
  void Layout(RECT& rect);
  KvToolBar* GetToolBar() const { return toolBar_.get(); }

  void EvMouseMove(UINT modKeys, const TPoint& point);

 protected:
  LRESULT EvCommand(UINT id, HWND hWndCtl, UINT notifyCode) override;

 private:
  void CreateButtons();

  const IconBoxTable& table_;
  StatusTextSink status_;
  bool shown_ = false;
  std::unique_ptr<PenObject> divider_;
  std::unique_ptr<KvToolBar> toolBar_;

  DECLARE_RESPONSE_TABLE(IconBoxChild);
};

}  // namespace ed
