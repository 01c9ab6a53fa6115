#pragma once
// What the page windows ask of the designer around them: showing another page, the name
// dialog of a new block, the context menus, the printed sheet's size, the main frame's
// image drag, and the application's save and close on the server. The designer shell
// implements it; tests record it.

#include <cstdint>
#include <string>

#include "foundation/kvwintypes.h"

class KvMainFrame;

namespace ed {

class Page;
class Program;
class VavurOrezo;

class PageServices {
 public:
  virtual ~PageServices() = default;
  // Brings the page's window to the front, opening one when there is none.
  virtual void ShowPage(Page* page) = 0;
  // "Add ... Block": false when cancelled (or when the dialog could not be made).
  virtual bool AskBlockName(HWND owner, const std::string& caption, std::string& name) = 0;
  // The block's and the page's pop-up menus at a screen point; their commands go to the
  // frame.
  virtual void ShowBlockMenu(HWND owner, VavurOrezo& block, std::int32_t x, std::int32_t y) = 0;
  virtual void ShowPageMenu(HWND owner, std::int32_t x, std::int32_t y) = 0;
  // The printed sheet in page units; 0 by 0 without a printer.
  virtual void PrintedPageSize(int firstBuild, std::int32_t& width, std::int32_t& height) = 0;
  // The main frame's drag object; null before the frame exists.
  virtual KvMainFrame* MainFrame() = 0;
  // Whether the frame is closing all its windows.
  virtual bool IsFrameClosing() = 0;
  // The close check of a page window: whether there is an application, the save (nonzero
  // on failure) and closing the application on the server.
  virtual bool HasApplication() = 0;
  virtual int SaveApplication(Program& program) = 0;
  virtual void CloseApplication(Program& program) = 0;
  // "Save changes to %.120s?": IDYES, IDNO or IDCANCEL.
  virtual int AskSaveChanges(HWND owner, const std::string& fileTitle) = 0;
};

}  // namespace ed
