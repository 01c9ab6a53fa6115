#pragma once
// UIMDIClient: the MDI client of the designer's main frame. The Window menu's Tile and
// Cascade and "Reposition all windows" ask the frame to arrange its windows (message 2031
// with 0, 1 or 2); the last first brings the palette window back to its initial place.
// A mouse move over the empty client clears the status line.

#include <functional>

#include "owl/mdiclient.h"

namespace ed {

inline constexpr UINT kArrangeTile = 0;
inline constexpr UINT kArrangeCascade = 1;
inline constexpr UINT kArrangeReset = 2;

// What the client asks of the frame around it.
class MDIClientFrame {
 public:
  virtual ~MDIClientFrame() = default;
  virtual void ClearStatusText() = 0;
  // The frame's palette window; null while there is none.
  virtual HWND PaletteWindow() = 0;
  // Shows the palette window (the frame's Palette command).
  virtual void ShowPalette() = 0;
};

class UIMDIClient : public TMDIClient {
 public:
  explicit UIMDIClient(MDIClientFrame& frame, TModule* module = nullptr);

  void EvMouseMove(UINT keys, const TPoint& point);
  void CmTile();
  void CmCascade();
  void CmResetWindows();

 private:
  void Arrange(UINT how);

  MDIClientFrame& frame_;

  DECLARE_RESPONSE_TABLE(UIMDIClient);
};

}  // namespace ed
