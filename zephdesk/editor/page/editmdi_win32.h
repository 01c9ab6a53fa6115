#pragma once
// EditMDI: the page window, an MDI child that shows one page of one program in its canvas
// with two scroll bars. Activated, it makes its program and page the current ones; it
// passes changes of the page's objects to its canvas, closes when its page is removed,
// asks to save before it closes, and the program's last window deletes the program.
// EditWindows: the frame's list of page windows.

#include <functional>
#include <string>
#include <vector>

#include "editor/page/editchild_win32.h"
#include "editor/panes/childwindow_win32.h"
#include "shell/frame/framepages.h"

class TMDIClient;

namespace ed {

class EditWindows;
class PageServices;
class Program;
class Page;

inline constexpr int kMsgUnknownMDIWindow = 32;
// Posted to a page window whose page was removed: it closes without asking.
inline constexpr UINT kMsgPageRemoved = WM_USER + 1100;

class EditMDI : public UIMDIChild {
 public:
  EditMDI(TMDIClient& client, EditWindows& windows, Program& program, Page* page, const char* title);
  ~EditMDI() override;

  bool CanClose() override;
  // Changes of the canvas model: objects of this window's page go to the canvas; the
  // page itself rebuilds the panes, or closes the window when removed.
  void UpdateAll(UIObject* object, int kind, int scope) override;
  void EvMDIActivate(HWND activated, HWND deactivated);
  LRESULT EvPageRemoved(WPARAM, LPARAM);

  // Another window of the program, numbered `number`, has closed.
  void OnPageRemoved(std::int32_t number);
  void BringToFront();

  Program& GetProgram() const { return program_; }
  Page* GetPage() const { return page_; }
  std::int32_t Number() const { return number_; }
  EditChild* Canvas() const;

 private:
  EditWindows& windows_;
  Program& program_;
  Page* page_;
  std::int32_t number_;

  DECLARE_RESPONSE_TABLE(EditMDI);
};

class EditWindows : public FramePageWindows {
 public:
  EditWindows(TMDIClient& client, PageServices& services);
  ~EditWindows() override;

  PageServices& Services() const { return services_; }
  // A maximised window of the page titled with the program's file name; its canvas.
  EditChild* CreateEditWindow(Program& program, Page* page);
  EditMDI* FindEditWindow(const Page* page) const;
  void ActivateEditWindow(EditMDI* window);
  void RemoveEditWindow(EditMDI* window);
  // An open program whose file has the path's name (no folder, no extension, any case),
  // looked for in window order: it becomes current and the window of its page "Main"
  // comes to the front. False when no page window shows such a program.
  bool ShowOpenProgram(const std::string& path);
  const std::vector<EditMDI*>& Windows() const { return windows_; }

  // The current program and page (null: none). The listener hears of each change of the
  // current program (the palette shows that program's own groups).
  void SetCurrent(Program* program, Page* page);
  void SetCurrentProgramListener(std::function<void(Program*)> listener) { listener_ = std::move(listener); }
  Program* CurrentProgram() const { return program_; }
  Page* CurrentPage() const { return page_; }

  // FramePageWindows
  bool DescribePage(HWND child, bool& hasCanvas, std::int32_t& zoom) override;
  void EndSelectionMode(HWND child) override;
  void NotifyChildren(void* object, int kind, int scope) override;
  void UpdateChildCaptions() override;
  // The canvas's selection by the exact class of its first object: a block, a text note
  // or a goto line; any other class counts as no selection.
  bool DescribeSelection(HWND child, PageSelectionFacts& facts) override;
  VavurOrezo* FirstSelectedBlock(HWND child) override;

 private:
  // The canvas of the page window with that handle; null for another window or none.
  EditChild* CanvasOf(HWND child) const;

  TMDIClient& client_;
  PageServices& services_;
  std::vector<EditMDI*> windows_;
  Program* program_ = nullptr;
  Page* page_ = nullptr;
  std::function<void(Program*)> listener_;
};

}  // namespace ed
