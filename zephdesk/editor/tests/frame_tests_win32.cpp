#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/frame/iconbox.h"
#include "editor/frame/statusline.h"
#include "foundation/kvstrtab.h"
#include "framework/kvbitbtn.h"
#include "framework/kvtoolbr.h"

namespace ed {
namespace {

// The frame as the bars see it: it records commands and layout requests.
class BarHost : public TWindow {
 public:
  BarHost() : TWindow(static_cast<TWindow*>(nullptr), "bars") {
    Attr.Style = WS_OVERLAPPEDWINDOW;
    Attr.W = 600;
    Attr.H = 300;
  }
  std::vector<UINT> commands;
  int layouts = 0;

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == kMsgFrameLayOut) {
      ++layouts;
      return 0;
    }
    return TWindow::WindowProc(msg, wParam, lParam);
  }
  LRESULT EvCommand(UINT id, HWND control, UINT code) override {
    if (!control) commands.push_back(id);
    return TWindow::EvCommand(id, control, code);
  }
};

TEST(StatusLineTest, LevelsDecideWhichTextShows) {
  BarHost host;
  auto* line = new StatusLineChild(&host, nullptr);
  ASSERT_TRUE(host.Create());
  EXPECT_STREQ(line->GetText(), "Initializing...");

  line->SetMessage(kStatusTransient, "Select a page.", true);
  EXPECT_EQ(line->GetLevel(), kStatusTransient);
  line->SetMessage(kStatusNormal, "a hint", false);  // a lower level waits
  EXPECT_STREQ(line->GetText(), "Select a page.");
  line->AppendMessage(kStatusNormal, " more", false);
  EXPECT_STREQ(line->GetText(), "Select a page.");
  line->AppendMessage(kStatusTransient, " Again.", false);
  EXPECT_STREQ(line->GetText(), "Select a page. Again.");

  line->EvTimer(kStatusTimer);  // the transient text stays, but gives way now
  EXPECT_EQ(line->GetLevel(), kStatusNormal);
  EXPECT_STREQ(line->GetText(), "Select a page. Again.");
  line->SetMessage(kStatusNormal, nullptr, false);
  EXPECT_STREQ(line->GetText(), "");

  // Texts are kept to 255 characters, appended ones too.
  const std::string longText(300, 'x');
  line->SetMessage(kStatusNormal, longText.c_str(), false);
  EXPECT_EQ(std::string(line->GetText()).size(), 255u);
  line->SetMessage(kStatusNormal, "abc", false);
  line->AppendMessage(kStatusNormal, longText.c_str(), false);
  EXPECT_EQ(std::string(line->GetText()).size(), 255u);
}

TEST(StatusLineTest, ClearDropsTheLevelSoHintsShowAgain) {
  BarHost host;
  auto* line = new StatusLineChild(&host, nullptr);
  ASSERT_TRUE(host.Create());
  line->SetMessage(2, "Routing...", false);
  line->ClearMessage(kStatusNormal);  // a lower level clears nothing
  EXPECT_STREQ(line->GetText(), "Routing...");
  EXPECT_EQ(line->GetLevel(), 2);
  line->ClearMessage(2);
  EXPECT_STREQ(line->GetText(), "");
  EXPECT_EQ(line->GetLevel(), kStatusNormal);
  line->SetMessage(kStatusNormal, "a hint", false);
  EXPECT_STREQ(line->GetText(), "a hint");
}

TEST(StatusLineTest, ShownLineTakesItsHeightOffTheBottom) {
  BarHost host;
  auto* line = new StatusLineChild(&host, nullptr);
  ASSERT_TRUE(host.Create());
  RECT rect{0, 0, 500, 200};
  line->Layout(rect);  // hidden: nothing taken
  EXPECT_EQ(rect.bottom, 200);
  line->ShowLine(true);
  EXPECT_EQ(host.layouts, 1);
  line->Layout(rect);
  EXPECT_EQ(rect.bottom, 200 - line->LineHeight());
  RECT placed{};
  ::GetWindowRect(line->HWindow, &placed);
  EXPECT_EQ(placed.right - placed.left, 500);
}

TEST(IconBoxTest, ButtonsIssueTheirCommandsAndHoverShowsTheHint) {
  KvMemoryStringTable texts;
  texts.Set(4130, "Save the current application.");
  KvSetStringTable(&texts);
  std::vector<std::string> shown;
  BarHost host;
  auto* box = new IconBoxChild(&host, DesignerIconBoxTable(), [&](const char* text) { shown.push_back(text); });
  ASSERT_TRUE(host.Create());
  EXPECT_EQ(box->GetToolBar()->GetOwner(), box->HWindow);

  HWND save = ::GetDlgItem(box->HWindow, 4130);
  ASSERT_NE(save, nullptr);
  KvBitButtonState* state = GetBitButtonState(save);
  ASSERT_NE(state, nullptr);
  EXPECT_EQ(state->image, 2);
  HWND help = ::GetDlgItem(box->HWindow, 4160);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(GetBitButtonState(help)->image, 14);

  ::SendMessageA(box->HWindow, WM_COMMAND, MAKEWPARAM(4130, kBitButtonHover), LPARAM(save));
  ::SendMessageA(box->HWindow, WM_COMMAND, MAKEWPARAM(4160, kBitButtonHover), LPARAM(help));  // no text
  EXPECT_EQ(shown, std::vector<std::string>{"Save the current application."});
  ::SendMessageA(box->HWindow, WM_COMMAND, MAKEWPARAM(4130, kBitButtonClicked), LPARAM(save));
  EXPECT_EQ(host.commands, std::vector<UINT>{4130});

  RECT rect{0, 0, 500, 200};
  box->ShowBox(true);
  box->Layout(rect);
  EXPECT_EQ(rect.top, 31);
  KvSetStringTable(nullptr);
}

}  // namespace
}  // namespace ed
