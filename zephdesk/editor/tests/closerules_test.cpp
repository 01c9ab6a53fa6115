// The page window's close check, numbering and caption.
#include <gtest/gtest.h>

#include "editor/page/closerules.h"

namespace ed::test {
namespace {

class FakeServices : public PageCloseServices {
 public:
  bool application = true;
  bool modified = false;
  SaveAnswer answer = SaveAnswer::kNo;
  int saveResult = 0;
  std::string asked;
  int saves = 0;
  int closes = 0;

  bool HasApplication() override { return application; }
  bool ProgramModified() override { return modified; }
  SaveAnswer AskSave(const std::string& title) override {
    asked = title;
    return answer;
  }
  int SaveApplication() override {
    ++saves;
    return saveResult;
  }
  void CloseApplication() override { ++closes; }
};

TEST(PageCloseTest, SavePromptAnswers) {
  struct Case {
    SaveAnswer answer;
    int saveResult;
    bool closes;
    int saves;
  } cases[] = {
      {SaveAnswer::kYes, 0, true, 1},
      {SaveAnswer::kYes, 5, false, 1},  // a failed save keeps the window
      {SaveAnswer::kNo, 0, true, 0},
      {SaveAnswer::kCancel, 0, false, 0},
  };
  for (const auto& c : cases) {
    FakeServices s;
    s.modified = true;
    s.answer = c.answer;
    s.saveResult = c.saveResult;
    EXPECT_EQ(CanClosePageWindow(s, "C:\\APPS\\DEMO.VAP", 1), c.closes);
    EXPECT_EQ(s.asked, "DEMO");
    EXPECT_EQ(s.saves, c.saves);
    EXPECT_EQ(s.closes, c.closes ? 1 : 0);
  }
}

TEST(PageCloseTest, OnlyTheProgramsLastWindowClosesTheApplication) {
  FakeServices s;
  EXPECT_TRUE(CanClosePageWindow(s, "DEMO.VAP", 2));
  EXPECT_EQ(s.closes, 0);
  EXPECT_TRUE(s.asked.empty());  // nothing unsaved: no prompt
  EXPECT_TRUE(CanClosePageWindow(s, "DEMO.VAP", 1));
  EXPECT_EQ(s.closes, 1);
  FakeServices none;
  none.application = false;
  EXPECT_FALSE(CanClosePageWindow(none, "DEMO.VAP", 1));
  EXPECT_EQ(none.closes, 0);
}

TEST(PageCloseTest, NumbersCloseTheirGapsAndCaptionsMarkChanges) {
  EXPECT_EQ(NumberAfterClose(3, 1), 2);
  EXPECT_EQ(NumberAfterClose(3, 3), 3);
  EXPECT_EQ(NumberAfterClose(2, 4), 2);
  EXPECT_EQ(PageWindowCaption("C:\\APPS\\DEMO.VAP", false), "DEMO.VAP");
  EXPECT_EQ(PageWindowCaption("C:\\APPS\\DEMO.VAP", true), "DEMO.VAP *");
  EXPECT_EQ(ProgramFileTitle("Untitled"), "Untitled");
  EXPECT_EQ(ProgramFileTitle("/srv/apps/x.y.VAP"), "x.y");
}

}  // namespace
}  // namespace ed::test
