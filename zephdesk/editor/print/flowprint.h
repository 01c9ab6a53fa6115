#pragma once
// Printing one page of a program as a grid of printer sheets: the job's page sequence and
// the canvas that paints the tiles stay behind two small interfaces, so that the walk
// (empty tiles skipped but counted, each sheet headed, every begun page ended) is the same
// for the printer and for tests.

#include <cstdint>
#include <string>

#include "editor/print/printtiles.h"

namespace ed {

// The print service's job as flow printing uses it.
class FlowPrintJob {
 public:
  virtual ~FlowPrintJob() = default;
  // The service reports no error (its error word is 0).
  virtual bool Ready() const = 0;
  virtual bool BeginJob(const char* documentName) = 0;
  // False: the job stops after the pages printed so far.
  virtual bool NewPage() = 0;
  virtual void EndPage() = 0;
  virtual void EndJob() = 0;
};

// The print canvas: which tiles hold drawn objects, painting a tile (true when anything
// was painted) and the sheet's header line.
class FlowTilePainter {
 public:
  virtual ~FlowTilePainter() = default;
  virtual bool HasObjects(const Rect& tile) = 0;
  virtual bool PaintTile(const Rect& tile) = 0;
  virtual void PaintHeader(const std::string& text) = 0;
};

struct FlowPrintPage {
  std::string programPath;
  std::string pageName;
  Rect drawing;              // the drawing's extent (left and top are taken as 0)
  std::int32_t tileWidth = 0;
  std::int32_t tileHeight = 0;
};

inline constexpr const char* kFlowDocumentName = "Application flow";

// Prints the tiles of the page; the answer is the number of sheets begun. Nothing happens
// when the service is in error or the job cannot begin.
int PrintFlowPages(FlowPrintJob& job, FlowTilePainter& painter, const FlowPrintPage& page);

}  // namespace ed
