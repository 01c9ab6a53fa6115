#pragma once
// The designer's RouteUi on Windows: the editor's message pump, the main window switched
// off and on, and the warning box over the main window.

#include "editor/routing/routepage.h"

namespace ed {

class WindowsRouteUi : public RouteUi {
 public:
  bool PumpMessages() override;
  void EnableMainWindow(bool enable) override;
  void ShowWarning(const char* text) override;
};

}  // namespace ed
