// The palette's messages under Wine: the tabbed palette and the main frame receive them in
// order, sent (complete before the call returns), with the items copied by the receiver.
#include <windows.h>

#include "canvas_fixture.h"

#include "editor/palette/tabbedpalettelink.h"
#include "framework/kvintabw.h"

namespace ed::test {
namespace {

struct Received {
  HWND window;
  UINT message;
  std::string text;
};
std::vector<Received> g_received;

LRESULT CALLBACK Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= kMsgPaletteAddItem && message <= kMsgPaletteClearTabs) {
    std::string text;
    if (message == kMsgPaletteAddTab) text = reinterpret_cast<const char*>(wParam);
    if (message == kMsgPaletteAddItem) {
      const auto* item = reinterpret_cast<const KvPalettePBItem*>(lParam);
      text = std::string(item->GetName()) + " " + std::to_string(item->GetImage()) + " " +
             std::to_string(item->GetData());
    }
    if (message == kMsgPaletteEndTabs) text = std::to_string(wParam);
    if (message == kMsgPaletteSelectGroup) text = reinterpret_cast<GroupIcon*>(lParam)->Name();
    g_received.push_back({window, message, text});
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

class RecordingWindows {
 public:
  RecordingWindows() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Record;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "PaletteRecorder";
    ::RegisterClassA(&wc);
    tabs = ::CreateWindowA("PaletteRecorder", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    frame = ::CreateWindowA("PaletteRecorder", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    g_received.clear();
  }
  ~RecordingWindows() {
    ::DestroyWindow(tabs);
    ::DestroyWindow(frame);
  }
  HWND tabs, frame;
};

class PaletteLinkTest : public CanvasTest {};

TEST_F(PaletteLinkTest, MessagesReachTheTabbedPaletteAndTheFrameInOrder) {
  zeph::VlxPaletteGroup basic, hidden, more;
  basic.Title = "Basic";
  basic.Entries[0] = PaletteType("Announcement", "Play", 393);
  basic.Entries[1] = PaletteType("Mystery", "Odd one", 999);
  hidden.Title = "Hidden";
  hidden.System = 1;
  more.Title = "More";
  zeph::IconInfoTable table;
  table.Groups[0] = &basic;
  table.Groups[1] = &hidden;
  table.Groups[2] = &more;
  PaletteIconList list(table, &host);
  RecordingWindows windows;
  const std::vector<std::shared_ptr<VavurOrezoIcon>>* shown = nullptr;
  TabbedPaletteLink link([&] { return windows.tabs; }, windows.frame, [&](const auto* members) { shown = members; });
  PaletteState state(list, link);

  state.SetGroups(nullptr);   // "More" is the third group
  state.GroupClicked(list.FindGroup("Basic"));
  ASSERT_NE(shown, nullptr);
  std::vector<std::string> got;
  for (const Received& r : g_received) {
    got.push_back((r.window == windows.frame ? "frame " : "tabs ") + std::to_string(r.message) +
                  (r.text.empty() ? "" : " " + r.text));
  }
  // "More" is shown first (it has no types), then the tabs are filled.
  EXPECT_EQ(got, (std::vector<std::string>{"tabs 1226", "tabs 1233", "tabs 1227 Basic", "tabs 1227 More", "tabs 1228 0",
                                           "frame 1232 More", "tabs 1226", "tabs 1225 Play 0 1",
                                           "tabs 1225 Odd one 24 2"}));
}

}  // namespace
}  // namespace ed::test
