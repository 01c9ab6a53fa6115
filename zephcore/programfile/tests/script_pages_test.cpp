// Page code: which pages are written, which blocks each takes, handler registrations,
// the Begin, Continue and End labels, tracing and the page's event handling.
#include <gtest/gtest.h>

#include "script_testutil.h"

#include "programfile/script/pagecode.h"

namespace zeph::test {
namespace {

class ScriptPages : public ScriptTest {
 protected:
  // The "UserApp" blocks of a script, in order.
  static std::vector<std::string> Blocks(const std::string& script) {
    std::vector<std::string> out;
    for (std::size_t at = script.find("UserApp {\n"); at != std::string::npos;) {
      const std::size_t next = script.find("UserApp {\n", at + 1);
      out.push_back(script.substr(at, next == std::string::npos ? std::string::npos : next - at));
      at = next;
    }
    return out;
  }
  Symbol* PageWithBegin(const char* name, const char* target = nullptr) {
    Symbol* page = AddPage(name);
    program->SetCurrentPage(page);
    PBInstance* b = Add(142, "Begin");
    if (target != nullptr) Set(b, "Goto", target);
    return page;
  }
};

TEST_F(ScriptPages, ProgramBuildsWriteMainAndLibraryBuildsOnlyTheOtherPages) {
  PageWithBegin("Sub");
  AddPage("MYLIB.RLL", 1);   // a library's page is never written
  const std::vector<std::string> program_ = Blocks(Generate(0));
  ASSERT_EQ(program_.size(), 2u);
  EXPECT_NE(program_[0].find("Error := InitVoiceDBAddrs()"), std::string::npos);
  EXPECT_NE(program_[1].find("UserApp$Sub$Begin:"), std::string::npos);
  const std::vector<std::string> library = Blocks(Generate(1));
  ASSERT_EQ(library.size(), 1u);
  EXPECT_NE(library[0].find("UserApp$Sub$Begin:"), std::string::npos);
}

TEST_F(ScriptPages, EachPageTakesExactlyItsOwnBlocks) {
  PageWithBegin("Sub");
  Add(134, "Wait");
  PageWithBegin("Sub2");
  Add(134, "Wait");
  program->SetCurrentPage(main);
  Add(134, "Wait");
  const std::vector<std::string> blocks = Blocks(Generate());
  ASSERT_EQ(blocks.size(), 3u);
  auto labels = [](const std::string& block) {
    std::string out;
    for (std::size_t at = block.find("\nUserApp$"); at != std::string::npos; at = block.find("\nUserApp$", at + 1)) {
      const std::size_t colon = block.find(":\n", at);
      const std::string label = block.substr(at + 1, colon - at - 1);
      if (label.find("_$") == std::string::npos && label.find("$$") == std::string::npos) out += label + " ";
    }
    return out;
  };
  EXPECT_EQ(labels(blocks[0]), "UserApp$Begin UserApp$Continue UserApp$End UserApp$Wait ");
  EXPECT_EQ(labels(blocks[1]), "UserApp$Sub$Begin UserApp$Continue UserApp$End UserApp$Sub$Wait ");
  EXPECT_EQ(labels(blocks[2]), "UserApp$Sub2$Begin UserApp$Continue UserApp$End UserApp$Sub2$Wait ");
}

TEST_F(ScriptPages, HandlerRegistrations) {
  for (const char* name : {"ERROR", "HUNGUP", "TONE", "STOPPED", "SILENCE"}) Add(134, name);
  PageWithBegin("Sub");
  Add(134, "HUNGUP");
  const std::vector<std::string> blocks = Blocks(Generate());
  ASSERT_EQ(blocks.size(), 2u);
  EXPECT_EQ(blocks[0].substr(0, blocks[0].find("UserApp$Begin:")),
            "UserApp {\n\n    __TRACE__ := Kvsle_TracingEnabled()\n"
            "    Error := TOnEvent(SysInfo, EVENT_ERROR, 0, 0, ERROR)\n"
            "    Error := TOnEvent(SysInfo, EVENT_HUNGUP, 0, 0, HUNGUP)\n"
            "    Error := TOnEvent(SysInfo, EVENT_TONE, 0, 0, TONE)\n"
            "    Error := TOnEvent(SysInfo, EVENT_PATTERN, 0, 0, TONE)\n"
            "    Error := TOnEvent(SysInfo, EVENT_PCPM, 0, 0, TONE)\n"
            "    _EventHandler[EVENT_STOPPED] := STOPPED\n"
            "    _EventHandler[EVENT_SILENCE] := SILENCE\n\n"
            "    Error := InitVoiceDBAddrs()\n\n");
  EXPECT_EQ(blocks[1].substr(0, blocks[1].find("UserApp$Sub$Begin:")),
            "UserApp {\n\n    __TRACE__ := Kvsle_TracingEnabled()\n"
            "    Error := TOnEvent(SysInfo, EVENT_HUNGUP, 0, 0, Sub$HUNGUP)\n\n");
}

TEST_F(ScriptPages, BeginLabelsByTheirTarget) {
  const std::string rest = "\nUserApp$Continue:\n    __PBNAME__ := \"UserApp$Continue\"\n    Error := 0\n    return 100\n\n"
                           "UserApp$End:\n    __PBNAME__ := \"UserApp$End\"\n    Error := 0\n    return 101\n\n";
  auto labels = [&](const std::string& script) {
    const std::size_t at = script.find("UserApp$Begin:");
    return script.substr(at, script.find("return 101\n\n", at) + 12 - at);
  };
  EXPECT_EQ(labels(Generate()), "UserApp$Begin:\n    goto UserApp$!VALUE!\n" + rest);
  Set(begin, "Goto", "Later");   // not made yet: kept as text
  EXPECT_EQ(labels(Generate()), "UserApp$Begin:\n    goto UserApp$\"Later\"\n" + rest);
  Add(134, "Later");             // made: the goto now names it
  EXPECT_EQ(labels(Generate()), "UserApp$Begin:\n    goto UserApp$Later\n" + rest);
}

TEST_F(ScriptPages, TracingAddsItsLinesToEveryBlockAndTheDispatcher) {
  PageWithBegin("Sub", "Sub$Wait");
  Add(134, "Wait");
  for (bool trace : {false, true}) {
    SetScriptBuildOptionsWord(MakeScriptBuildOptions(trace, false));
    const std::vector<std::string> blocks = Blocks(Generate());
    ASSERT_EQ(blocks.size(), 2u);
    const std::string& sub = blocks[1];
    const std::string block = "UserApp$Sub$Wait:\n    __PBNAME__ := \"UserApp$Sub$Wait\"\n" +
                              std::string(trace ? "    if (__TRACE__ = 1) OTrace(__PBNAME__)\n" : "") +
                              "    UPauseProgram(1000)\nUserApp$Sub$Wait_$:\n"
                              "    if((LastEvent != 0) | ((Error != 0) & (HandleErr != 0))) goto Sub$EVENT$$\n"
                              "    goto !VALUE!\n\n";
    EXPECT_NE(sub.find(block), std::string::npos) << sub;
    std::string events;
    ExpandEventTemplate(events, "Sub");
    EXPECT_EQ(sub.substr(sub.find("Sub$EVENT$$:\n")), events + "}\n\n");
    EXPECT_EQ(events.find("if (__TRACE__ = 1)") != std::string::npos, trace);
    EXPECT_NE(events.find("Sub$HUNGUP$$:\n    return Done\n"), std::string::npos);
    std::string mainEvents;
    ExpandEventTemplate(mainEvents, "Main");
    EXPECT_EQ(blocks[0].substr(blocks[0].find("UserApp$EVENT$$:\n")), mainEvents + "}\n\n");
    EXPECT_NE(mainEvents.find("UserApp$HUNGUP$$:\n    TOnHook()\n    PChainByID(0,0)\n"), std::string::npos)
        << "Main hangs up and chains";
    EXPECT_EQ(mainEvents.find("return Done"), std::string::npos);
  }
}

TEST_F(ScriptPages, WithoutBlockNamesNoNameLinesAreWritten) {
  Add(144, "EndErr");
  SetScriptBuildOptionsWord(0);
  const std::string script = Generate();
  EXPECT_EQ(script.find("__PBNAME__ := \"UserApp$EndErr\""), std::string::npos);
  EXPECT_EQ(script.find("__LASTPBNAME__ := \"\" "), std::string::npos);
  EXPECT_NE(script.find("UserApp$EndErr:\n    HandleErr := 1\n"), std::string::npos) << script;
}

}  // namespace
}  // namespace zeph::test
