#pragma once
// What every page of the system wizard shares: it loads its part of a configured system,
// stores it back when the sheet is confirmed (0 refuses, the page then shows why), and
// paints the wizard's picture into its frame.
#include <windows.h>

#include "mfc/property_sheet.h"
#include "system_info.h"

class CSystemInfoPage {
 public:
  virtual ~CSystemInfoPage() = default;

  virtual void LoadFrom(const CSystemInfo& system) = 0;
  virtual int StoreTo(CSystemInfo& system) = 0;
  // Copies the top-left part of the bitmap, as large as the control, onto the control.
  static void PaintBitmap(CPropertyPage& page, HDC dc, UINT bitmapId, int controlId);

  // Whether the page was ever shown (set each time it becomes active).
  bool Visited() const { return visited_; }

 protected:
  bool visited_ = false;
};
