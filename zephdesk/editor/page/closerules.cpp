#include "editor/page/closerules.h"

namespace ed {

std::string ProgramFileTitle(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/:");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot);
  return name;
}

std::string PageWindowCaption(const std::string& path, bool modified) {
  const std::size_t slash = path.find_last_of("\\/:");
  std::string caption = slash == std::string::npos ? path : path.substr(slash + 1);
  if (modified) caption += " *";
  return caption;
}

std::int32_t NumberAfterClose(std::int32_t number, std::int32_t closed) {
  return closed < number ? number - 1 : number;
}

bool CanClosePageWindow(PageCloseServices& services, const std::string& programPath, std::int32_t openWindows) {
  if (!services.HasApplication()) return false;
  if (services.ProgramModified()) {
    switch (services.AskSave(ProgramFileTitle(programPath))) {
      case SaveAnswer::kCancel:
        return false;
      case SaveAnswer::kYes:
        if (services.SaveApplication() != 0) return false;
        break;
      case SaveAnswer::kNo:
        break;
    }
  }
  if (openWindows <= 1) services.CloseApplication();
  return true;
}

}  // namespace ed
