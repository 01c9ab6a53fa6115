// Scroll-bar controls move by their magnitudes when their parent is told of a scroll.
#include <gtest/gtest.h>

#include <vector>

#include "owl/owl.h"
#include "test_support.h"

namespace {

// A pane that passes the scroll to the framework and then reports the new position.
class TScrollPane : public TWindow {
 public:
  TScrollPane()
      : TWindow(static_cast<TWindow*>(nullptr), "pane"),
        Bar(new TScrollBar(this, 1, 0, 0, 200, 16, true)) {}
  void EvHScroll(UINT code, UINT thumb, HWND ctl) {
    TWindow::EvHScroll(code, thumb, ctl);
    Reported.push_back(Bar->GetPosition());
  }
  void Scroll(UINT code, UINT thumb = 0) {
    SendMessage(WM_HSCROLL, MAKEWPARAM(code, thumb), reinterpret_cast<LPARAM>(Bar->HWindow));
  }
  TScrollBar* Bar;
  std::vector<int> Reported;
  DECLARE_RESPONSE_TABLE(TScrollPane);
};

DEFINE_RESPONSE_TABLE(TScrollPane, TWindow)
  EV_WM_HSCROLL,
END_RESPONSE_TABLE;

TEST(ScrollBar, MovesByLineAndPageWithinItsRange) {
  TScrollPane pane;
  ASSERT_TRUE(pane.Create());
  ASSERT_NE(pane.Bar->HWindow, nullptr);  // made with its parent
  pane.Bar->SetRange(0, 50);
  pane.Bar->PageMagnitude = 10;
  int min, max;
  pane.Bar->GetRange(min, max);
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 50);

  pane.Scroll(SB_LINEDOWN);
  pane.Scroll(SB_PAGEDOWN);
  pane.Scroll(SB_BOTTOM);
  pane.Scroll(SB_PAGEDOWN);
  pane.Scroll(SB_LINEUP);
  pane.Scroll(SB_PAGEUP);
  pane.Scroll(SB_THUMBPOSITION, 20);
  pane.Scroll(SB_TOP);
  pane.Scroll(SB_LINEUP);
  EXPECT_EQ(pane.Reported, (std::vector<int>{1, 11, 50, 50, 49, 39, 20, 0, 0}));
}

TEST(ScrollBar, SetPositionStaysInTheRange) {
  TScrollPane pane;
  ASSERT_TRUE(pane.Create());
  pane.Bar->SetRange(5, 15);
  pane.Bar->SetPosition(100);
  EXPECT_EQ(pane.Bar->GetPosition(), 15);
  EXPECT_EQ(pane.Bar->DeltaPos(-3), -3);
  EXPECT_EQ(pane.Bar->GetPosition(), 12);
  pane.Bar->SetPosition(-4);
  EXPECT_EQ(pane.Bar->GetPosition(), 5);
}

}  // namespace
