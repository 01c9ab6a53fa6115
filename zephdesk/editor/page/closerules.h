#pragma once
// What a page window decides apart from its window: its number among the program's page
// windows, the file name its prompt and caption show, and whether it may close (the save
// prompt, and closing the application on the server only with the program's last window,
// so that the program's other windows keep a live application).

#include <cstdint>
#include <string>

namespace ed {

// The program's file path without directory and extension.
std::string ProgramFileTitle(const std::string& path);
// The window caption: the file name part of the path, " *" while there are unsaved changes.
std::string PageWindowCaption(const std::string& path, bool modified);
// A window numbered `number` after the program's window `closed` has gone.
std::int32_t NumberAfterClose(std::int32_t number, std::int32_t closed);

enum class SaveAnswer { kYes, kNo, kCancel };

// What the close check asks of the shell.
class PageCloseServices {
 public:
  virtual ~PageCloseServices() = default;
  virtual bool HasApplication() = 0;
  virtual bool ProgramModified() = 0;
  // "Save changes to %.120s?" with Yes, No and Cancel.
  virtual SaveAnswer AskSave(const std::string& fileTitle) = 0;
  // The application's save; nonzero on failure.
  virtual int SaveApplication() = 0;
  // Closes the application on the server (unlocks it and frees the document).
  virtual void CloseApplication() = 0;
};

// True when the window may close. openWindows counts the program's page windows that are
// open, this one included.
bool CanClosePageWindow(PageCloseServices& services, const std::string& programPath, std::int32_t openWindows);

}  // namespace ed
