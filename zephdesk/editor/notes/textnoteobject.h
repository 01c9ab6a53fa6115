#pragma once
// The drawn text note, in the lowest layer.

#include "editor/drawn/displayobject.h"

namespace ed {

class KvTextUI;

// What the note's double click needs of the canvas window.
class NoteCanvas {
 public:
  virtual ~NoteCanvas() = default;
  virtual HWND Window() const = 0;
  virtual std::int32_t ZoomPercent() const = 0;
  // Page units to the window's client coordinates.
  virtual Point ToClient(std::int32_t x, std::int32_t y) const = 0;
  // The canvas's object update with kind 5 (the note is being edited).
  virtual void UpdateObject(KvTextUI* note, int kind) = 0;
};

class KvTextDObj : public DisplayObject {
 public:
  KvTextDObj(DrawnCanvas* canvas, KvTextUI* note, NoteCanvas* noteCanvas = nullptr);
  int isA() const override { return kDrawnTextNote; }
  int GetLayer() const override { return 0; }
#ifdef _WIN32
  void Paint(HDC dc, const RECT* update) override;
  // Double click (3, or 7 with Ctrl): opens the editor over the note.
  int MouseEvent(std::int32_t x, std::int32_t y, int event) override;
#endif
  std::string GetStatusText() const override;
  std::string GetActionText() const override { return "Moving..."; }
  std::string GetHint() const override { return "Drag Text Note to new location or double click to modify text."; }
  KvTextUI* Note() const;

 private:
  NoteCanvas* noteCanvas_;
};

}  // namespace ed
