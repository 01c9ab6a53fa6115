// Formatted message boxes: text, caption buffer, owner, and missing strings.
#include <gtest/gtest.h>

#include "foundation/kvscrpres.h"
#include "foundation/tests/dialog_fixture.h"
#include "model/program/msghelpers.h"

#include <cstdint>
#include <cstring>

namespace zeph {
namespace {

TEST(MessageHelpers, FormatTheTextAndHandTheCaptionBack) {
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  presenter.Answer(IDYES);
  char caption[16] = "";
  EXPECT_EQ(ShowMessageFmt(caption, MB_YESNO, "Page %s has %d blocks", "Billing", 3), IDYES);
  EXPECT_STREQ(caption, "Flowsmith");
  HWND owner = reinterpret_cast<HWND>(0x1234);
  std::memset(caption, 0, sizeof caption);
  ShowMessageFmtFor(owner, caption, MB_OK, "%d%%", 50);
  ShowMessageModuleRes(nullptr, &PaneModule(), caption, MB_OK | MB_ICONEXCLAMATION, 7, "c:\\h\\a.h");
  ASSERT_EQ(presenter.Boxes().size(), 3u);
  EXPECT_EQ(presenter.Boxes()[0].text, "Page Billing has 3 blocks");
  EXPECT_EQ(presenter.Boxes()[0].caption, "Flowsmith");
  EXPECT_EQ(presenter.Boxes()[1].text, "50%");
  EXPECT_EQ(presenter.Boxes()[1].window, owner);
  EXPECT_EQ(presenter.Boxes()[2].text, "Unable to open the header file c:\\h\\a.h.");
  EXPECT_EQ(presenter.Boxes()[2].style, static_cast<std::uint32_t>(MB_OK | MB_ICONEXCLAMATION));
}

TEST(MessageHelpers, AMissingStringShowsNothing) {
  KvScriptedPresenter presenter;
  KvScopedMessagePresenter scope{presenter};
  char caption[16] = "unchanged";
  EXPECT_EQ(ShowMessageModuleRes(nullptr, &PaneModule(), caption, MB_OK, 65000), -1);
  EXPECT_EQ(ShowMessageRes(caption, MB_OK, 65001), -1);
  EXPECT_TRUE(presenter.Boxes().empty());
  EXPECT_STREQ(caption, "unchanged");
}

}  // namespace
}  // namespace zeph
