#pragma once
// A scroll-bar control. The scroll messages its parent receives from it move its position
// by LineMagnitude or PageMagnitude, or to the ends of its range.
#include "owl/control.h"

class TScrollBar : public TControl {
 public:
  TScrollBar(TWindow* parent, int id, int x, int y, int w, int h, bool isHScrollBar,
             TModule* module = nullptr);
  TScrollBar(TWindow* parent, int resourceId, TModule* module = nullptr);

  const char* GetClassName() override { return "SCROLLBAR"; }

  void SetRange(int min, int max);
  void GetRange(int& min, int& max) const;
  int GetPosition() const;
  // Kept within the range.
  void SetPosition(int position);
  // Moves by delta; answers the change made.
  int DeltaPos(int delta);

  virtual void SBLineUp();
  virtual void SBLineDown();
  virtual void SBPageUp();
  virtual void SBPageDown();
  virtual void SBTop();
  virtual void SBBottom();
  virtual void SBThumbPosition(int thumbPos);
  virtual void SBThumbTrack(int thumbPos);
  virtual void SBEndScroll();

  // One scroll message (SB_ code) from the parent.
  void HandleScroll(UINT scrollCode, int thumbPos);

  int LineMagnitude = 1;
  int PageMagnitude = 10;
};
