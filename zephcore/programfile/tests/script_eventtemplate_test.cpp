// The event template: its stored text, the callback's answers and the expansion for Main
// and for other pages with tracing off and on.
#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "programfile/script/buildoptions.h"
#include "programfile/script/eventtemplate.h"

namespace zeph {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::stringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// The dispatcher every page starts its handlers with; P is the page prefix.
std::string Dispatcher(const std::string& p, bool trace, bool page) {
  std::string s = p + "EVENT$$:\n    __LASTPBNAME__ := __PBNAME__\n    __PBNAME__ := \"" + p + "EVENT$$\"\n";
  if (trace) s += "    if (__TRACE__ = 1)\n        OTrace(__PBNAME__)\n";
  s += "    if (Error != 0) {\n        SaveErr := Error\n        SaveEvent := 0\n"
       "        TGetEventHandler(EVENT_ERROR, TempAddr)\n        if (__NOADDR__ = TempAddr)\n"
       "            goto " + p + "ERROR$$\n        else\n            goto TempAddr\n    }\n"
       "    else if (LastEvent != 0) {\n        SaveErr := 0\n        SaveEvent := LastEvent\n"
       "        TGetEventHandler(LastEvent, TempAddr)\n        if (__NOADDR__ = TempAddr) {\n"
       "            TGetEventHandler(EVENT_DEFAULT, TempAddr)\n            if (__NOADDR__ = TempAddr) {\n";
  if (page) s += "                if (LastEvent != EVENT_HUNGUP) \n                    return 0 \n";
  s += "                TGetEventHandler(EVENT_HUNGUP,TempAddr)\n                if (__NOADDR__ = TempAddr)\n"
       "                    goto " + p + "HUNGUP$$\n            }\n        }\n        LastEvent := 0\n"
       "        goto TempAddr\n    }\n    else {\n        SaveErr := 0\n        LastEvent := _Events[Done]\n"
       "        SaveEvent := LastEvent\n        if (LastEvent = EVENT_BAD) {\n            Error := Done + 30000\n"
       "            SaveErr := Error\n            SaveEvent := 0\n            TGetEventHandler(EVENT_ERROR, TempAddr)\n"
       "            if (__NOADDR__ = TempAddr)\n                goto " + p + "ERROR$$\n            else\n"
       "                goto TempAddr\n        }\n        TGetEventHandler(LastEvent,TempAddr)\n"
       "        if (__NOADDR__ = TempAddr) {\n            TGetEventHandler(EVENT_HUNGUP,TempAddr)\n"
       "            if (__NOADDR__ = TempAddr)\n                goto " + p + "HUNGUP$$\n        }\n"
       "        LastEvent := 0\n        goto TempAddr\n    }\n\n";
  if (page) {
    s += p + "HUNGUP$$:\n    return Done\n\n" + p + "ERROR$$:\n    __PBNAME__ := __LASTPBNAME__\n"
         "    if (LastEvent != 0) {\n\t\tError := SaveEvent\n    }\n    else {\n\t\tError := SaveErr\n    }\n"
         "    return 0\n";
  } else {
    s += p + "HUNGUP$$:\n    TOnHook()\n    PChainByID(0,0)\n\n" + p + "ERROR$$:\n"
         "    OTrace(\"App Error Handler undefined, ULVO default error handler will chain to idleapp.\")\n"
         "    OErrorLogAdd(15005,1,1, \"\", 56008, 0,0,0,\"Event Handler\",\"\")\n    PChainByID(0,0)\n";
  }
  s += "\n";
  return s;
}

class EventTemplate : public ::testing::Test {
 protected:
  ~EventTemplate() override { SetScriptBuildOptionsWord(kBuildBlockNames); }
};

TEST_F(EventTemplate, StoredTextHasItsSeventySixLines) {
  const std::string text = EventTemplateText();
  EXPECT_EQ(Lines(text).size(), 76u);
  EXPECT_EQ(text.back(), '\n');
}

TEST_F(EventTemplate, ExpandsForMainAndOtherPagesWithTracingOffAndOn) {
  struct Case {
    const char* page;
    bool trace;
    std::string prefix;
    bool isPage;
  };
  const Case cases[] = {
      {"Main", false, "UserApp$", false},
      {"Main", true, "UserApp$", false},
      {"Sub", false, "Sub$", true},
      {"Sub", true, "Sub$", true},
      {"main", false, "main$", true},   // only "Main" itself is the main page
  };
  for (const Case& c : cases) {
    SetScriptBuildOptionsWord(MakeScriptBuildOptions(c.trace, false));
    std::string out;
    ASSERT_EQ(ExpandEventTemplate(out, c.page), 0);
    const std::vector<std::string> got = Lines(out);
    const std::vector<std::string> want = Lines(Dispatcher(c.prefix, c.trace, c.isPage));
    ASSERT_EQ(got.size(), want.size()) << c.page << " trace " << c.trace;
    for (std::size_t i = 0; i < want.size(); ++i) {
      EXPECT_EQ(got[i], want[i]) << c.page << " trace " << c.trace << " line " << i + 1;
    }
    EXPECT_EQ(out, Dispatcher(c.prefix, c.trace, c.isPage));
  }
}

TEST_F(EventTemplate, CallbackAnswersByName) {
  EventTemplatePage main{"UserApp$", true};
  EventTemplatePage sub{"Sub$", false};
  char out[16] = {};
  SetScriptBuildOptionsWord(MakeScriptBuildOptions(true, false));
  struct Case {
    EventTemplatePage* page;
    const char* name;
    int valueWanted;
    int answer;
  };
  const Case cases[] = {
      {&main, "IS_MAIN", 0, 0},  {&main, "IS_PAGE", 0, -1}, {&sub, "IS_MAIN", 0, -1}, {&sub, "IS_PAGE", 0, 0},
      {&sub, "IS_PAGE", 1, -1},  {&sub, "TRACE", 0, 0},     {&sub, "TRACE", 1, -1},   {&sub, "page", 1, -2},
      {&sub, "UNKNOWN", 0, -2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EventTemplateCallback(c.page, c.name, c.valueWanted, out, sizeof out), c.answer) << c.name;
  }
  EXPECT_EQ(EventTemplateCallback(&sub, "PAGE", 1, out, sizeof out), 4);
  EXPECT_STREQ(out, "Sub$");
  EXPECT_EQ(EventTemplateCallback(&sub, "PAGE", 1, out, 3), 2) << "cut to the room, always ended";
  EXPECT_STREQ(out, "Su");
  EXPECT_EQ(EventTemplateCallback(&sub, "TRACE_VALUE", 1, out, sizeof out), 1);
  EXPECT_STREQ(out, "1");
  SetScriptBuildOptionsWord(MakeScriptBuildOptions(false, true));
  EXPECT_EQ(EventTemplateCallback(&sub, "TRACE", 0, out, sizeof out), -1);
  EXPECT_EQ(EventTemplateCallback(&sub, "TRACE_VALUE", 1, out, sizeof out), 1);
  EXPECT_STREQ(out, "0");
}

}  // namespace
}  // namespace zeph
