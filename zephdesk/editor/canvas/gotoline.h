#pragma once
// Goto blocks (the box at an output from which its line leaves), goto lines and their
// axis-parallel segments. A line mirrors a model goto from its owner block's output to
// its end block; its segments run from index 0 (entering the end block) to the last
// (leaving the output), each From -> To in the direction of the line.

#include <memory>
#include <string>
#include <vector>

#include "editor/canvas/uiobject.h"
#include "editor/support/geometry.h"

namespace ed {

class Goto;
class RoutePage;
class VavurOrezo;
struct OutputEntry;

// Segment directions.
enum SegmentDirection : int { kDirRight = 1, kDirDown = 2, kDirLeft = 4, kDirUp = 8 };
inline constexpr int kDirHorizontal = 0x5;
inline constexpr int kDirVertical = 0xA;

class GotoBlock : public ProgramObject {
 public:
  GotoBlock(VavurOrezo* owner, const char* outputName);
  GotoBlock();
  ~GotoBlock() override { MarkDestroying(); }
  int isA() const override { return kClassGotoBlock; }
  Program* GetProgram() override;
  Page* GetPage() override;
  VavurOrezo* Block() const;

  const std::string& OutputName() const { return outputName_; }
  void SetOutputName(const char* name) { outputName_ = name != nullptr ? name : ""; }
  std::int32_t GetOffset() const { return offset_; }
  void SetOffset(std::int32_t offset) { offset_ = offset; }
  std::int32_t IsShownFlag() const { return shown_; }
  void SetShown(std::int32_t shown) { shown_ = shown; }

 private:
  std::string outputName_;
  std::int32_t offset_ = 0;
  std::int32_t shown_ = 0;
};

class Segment : public ProgramObject {
 public:
  Segment(Goto* owner, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  Segment() = default;
  ~Segment() override { MarkDestroying(); }
  int isA() const override { return kClassSegment; }
  Program* GetProgram() override;
  Page* GetPage() override;
  Goto* Line() const;

  int Direction() const;
  bool IsHorizontal() const { return (Direction() & kDirHorizontal) != 0; }
  bool IsPoint() const { return fromX == toX && fromY == toY; }
  bool IsEndSegment() const;

  // Hand editing of a line's segment (page units).
  static void Move(Goto* line, Segment* segment, std::int32_t x, std::int32_t y);
  static void Split(Goto* line, Segment* segment, std::int32_t x, std::int32_t y);
  static void Join(Goto* line, Segment* segment);

  std::int32_t fromX = 0, fromY = 0, toX = 0, toY = 0;
};

// What laying out a line asks of the page canvas, in page units.
class LineCanvas {
 public:
  virtual ~LineCanvas() = default;
  // The centre of the output's drawn goto block and half its width; all zero when the
  // goto block is not drawn.
  virtual void OutputConnection(VavurOrezo& block, const char* output, Point& at, std::int32_t& halfWidth) = 0;
  // The left edge of the drawn block at its vertical middle, and two distances by which
  // drawn parts of the block reach left of it.
  virtual void EntryPoint(VavurOrezo& block, Point& at, std::int32_t& reachA, std::int32_t& reachB) = 0;
  virtual Rect BlockRect(VavurOrezo& block) = 0;
  // The page as the router sees it; null when the canvas offers none (fixed layout only).
  virtual RoutePage* RoutingPage() { return nullptr; }
};

// The best-first router of goto lines; the line's layout falls back to the fixed form
// when none is installed or when it finds no path.
class SmartRouter {
 public:
  virtual ~SmartRouter() = default;
  // Appends the middle part of the line from (x1, y1) to (x2, y2); true when a path was
  // found.
  virtual bool Route(Goto& line, LineCanvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                     std::int32_t y2) = 0;
};
void SetSmartRouter(SmartRouter* router);
SmartRouter* GetSmartRouter();

// Hook bracketed around long work (3 before, 2 after); it does nothing and returns 1.
int SetBusyState(int state, int reserved, const void* cursor);

class Goto : public ProgramObject {
 public:
  // A line of the output from owner to endBlock, created in the model unless noModel.
  Goto(const OutputEntry* output, VavurOrezo* owner, VavurOrezo* endBlock, int noModel);
  // A copy of name, colour and flags: no owner, no end block, no segments, no model goto.
  Goto(const Goto& other);
  Goto();
  ~Goto() override;
  Goto& operator=(const Goto&) = delete;

  int isA() const override { return kClassGoto; }
  Program* GetProgram() override;
  Page* GetPage() override;
  VavurOrezo* Block() const;

  const std::string& OutputName() const { return outputName_; }
  void SetOutputName(const char* name) { outputName_ = name != nullptr ? name : ""; }
  VavurOrezo* EndBlock() const { return endBlock_; }
  void SetEndBlock(VavurOrezo* block) { endBlock_ = block; }
  std::int32_t Colour() const { return colour_; }
  void SetColour(std::int32_t colour) { colour_ = colour; }
  std::uint32_t Flags() const { return flags_; }

  void CreateInModel(const OutputEntry* output, int noModel);
  bool NeedsRouting() const { return (flags_ & 0x2) != 0; }
  void SetRerouteFlag() { flags_ |= 0x2; }
  bool TestFlags(std::uint32_t mask) const { return (flags_ & mask) != 0; }
  void SetFlags(std::uint32_t mask) { flags_ |= mask; }
  void ClearFlags(std::uint32_t mask) { flags_ &= ~mask; }
  bool IsStubbed() const { return TestFlags(0x18); }
  // The Stub/Restore Line command on this line.
  void ToggleStub(bool labelStubs);

  const std::vector<std::unique_ptr<Segment>>& GetSegments() const { return segments_; }
  const std::vector<std::unique_ptr<Segment>>& GetRoutedSegments(LineCanvas& canvas);
  void Route(LineCanvas& canvas);
  void LayOutSimple(LineCanvas& canvas, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
  int AdjustEnds(std::int32_t sx, std::int32_t sy, std::int32_t ex, std::int32_t ey, std::int32_t halfWidth);
  void TidyEnds();

  // Editing operations mark the program modified; laying a line out does not.
  Segment* AddSegment(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int index);
  void AppendSegment(Segment* segment);
  void RemoveSegment(Segment* segment);
  int IndexOfSegment(const Segment* segment) const;

  // Layout steps: add or remove a segment without marking the program modified.
  Segment* PlaceSegment(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, int index);
  void DropSegment(int index);
  void DropAllSegments();

 private:
  std::string outputName_;
  std::int32_t colour_ = 0;
  std::uint32_t flags_ = 0;
  std::vector<std::unique_ptr<Segment>> segments_;
  VavurOrezo* endBlock_ = nullptr;
};

}  // namespace ed
