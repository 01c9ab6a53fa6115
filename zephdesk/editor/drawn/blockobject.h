#pragma once
// The drawn VavurOrezo: its name label, icon square and type label stacked and centred.

#include "editor/drawn/displayobject.h"

namespace ed {

class VavurOrezo;

class VavurOrezoObject : public DisplayObject {
 public:
  VavurOrezoObject(DrawnCanvas* canvas, VavurOrezo* block);
  int isA() const override { return kDrawnVavurOrezo; }
#ifdef _WIN32
  void Paint(HDC dc, const RECT* update) override;
#endif
  int GetLayer() const override { return 1; }
  bool IsBlock() const override { return true; }
  bool Intersects(const Rect& r) const override;
  // In one of the three parts, right and bottom edges excluded.
  bool HitTest(std::int32_t x, std::int32_t y) const override;
  Rect GetRect() const override { return icon_; }
  int MouseEvent(std::int32_t x, std::int32_t y, int event) override;
  std::string GetStatusText() const override;
  std::string GetActionText() const override { return "Moving..."; }
  std::string GetHint() const override {
    return "Drag Block to new location or double click to edit properties.";
  }

  // Lays the three parts out from the top of the rectangle; the widths are those of the
  // name and of the type label in the canvas font.
  void Layout(const BlockMetrics& metrics, std::int32_t nameWidth, std::int32_t labelWidth);
  VavurOrezo* Block() const;
  const Rect& NameRect() const { return name_; }
  const Rect& IconRect() const { return icon_; }
  const Rect& LabelRect() const { return label_; }

 private:
  // Double click: the property form and the rebuilt lines.
  int EditBlock();
  Rect name_;
  Rect icon_;
  Rect label_;
};

}  // namespace ed
