#pragma once
// Drawn parts of goto lines: the goto block at an output, a segment, the joint between two
// segments, the label naming the target, and the fan of a block's outputs.

#include <vector>

#include "editor/drawn/displayobject.h"

namespace ed {

class Goto;
class GotoBlock;
class Segment;
class VavurOrezo;

class GotoBlockObject : public DisplayObject {
 public:
  // Also listed with the VavurOrezo that owns the goto block.
  GotoBlockObject(DrawnCanvas* canvas, GotoBlock* gotoBlock);
  ~GotoBlockObject() override;
  void DetachFrom(const UIObject* object) override;
  int isA() const override { return kDrawnGotoBlock; }
#ifdef _WIN32
  void Paint(HDC dc, const RECT* update) override;
#endif
  int GetLayer() const override { return 5; }
  bool IsFor(const UIObject* object) const override;
  std::string GetStatusText() const override;
  std::string GetHint() const override { return "Select Block to connect to."; }
  GotoBlock* Target() const;
  VavurOrezo* Block() const { return block_; }

 private:
  VavurOrezo* block_;
};

class LineSegmentObject : public DisplayObject {
 public:
  LineSegmentObject(DrawnCanvas* canvas, Segment* segment, Goto* line, bool horizontal);
  ~LineSegmentObject() override;
  void DetachFrom(const UIObject* object) override;
  int isA() const override { return kDrawnSegment; }
#ifdef _WIN32
  void Paint(HDC dc, const RECT* update) override;
#endif
  int GetLayer() const override { return 4; }
  bool IsFor(const UIObject* object) const override;
  int MouseEvent(std::int32_t x, std::int32_t y, int event) override;
  std::string GetStatusText() const override;
  std::string GetActionText() const override { return "Manually rerouting line..."; }
  std::string GetHint() const override;
  Goto* Line() const { return line_; }
  bool Horizontal() const { return horizontal_; }

 private:
  Goto* line_;
  bool horizontal_;
};

class LineLabelObject : public DisplayObject {
 public:
  LineLabelObject(DrawnCanvas* canvas, Goto* line);
  int isA() const override { return kDrawnLabel; }
#ifdef _WIN32
  void Paint(HDC dc, const RECT* update) override;
#endif
  int GetLayer() const override { return 3; }
  // The label is as wide as the target's name.
  void FitToName(std::int32_t nameWidth);
  Goto* Line() const { return line_; }

 private:
  Goto* line_;
};

class LineBlockObject : public DisplayObject {
 public:
  LineBlockObject(DrawnCanvas* canvas, UIObject* object, Goto* line);
  ~LineBlockObject() override;
  void DetachFrom(const UIObject* object) override;
  int isA() const override { return kDrawnJoint; }
#ifdef _WIN32
  void Paint(HDC dc, const RECT* update) override;
#endif
  int GetLayer() const override { return 5; }
  bool IsFor(const UIObject* object) const override;
  int MouseEvent(std::int32_t x, std::int32_t y, int event) override;
  std::string GetStatusText() const override;
  std::string GetHint() const override;
  Goto* Line() const { return line_; }
  // The joint is drawn only while its line is rerouted by hand.
  bool Visible() const;

 private:
  Goto* line_;
};

class BranchObject : public DisplayObject {
 public:
  BranchObject(DrawnCanvas* canvas, VavurOrezo* block, Point junction, const std::vector<Point>& outputs);
  int isA() const override { return kDrawnBranch; }
#ifdef _WIN32
  void Paint(HDC dc, const RECT* update) override;
#endif
  int GetLayer() const override { return 1; }
  bool HitTest(std::int32_t, std::int32_t) const override { return false; }
  Point Junction() const { return junction_; }
  const std::vector<Point>& Outputs() const { return outputs_; }

 private:
  Point junction_;
  std::vector<Point> outputs_;
};

}  // namespace ed
