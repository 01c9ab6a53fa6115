#include "editor/print/flowprint.h"

namespace ed {

int PrintFlowPages(FlowPrintJob& job, FlowTilePainter& painter, const FlowPrintPage& page) {
  if (!job.Ready() || !job.BeginJob(kFlowDocumentName)) return 0;
  int sheets = 0;
  for (const PrintTile& tile : TilesOf(page.drawing.right, page.drawing.bottom, page.tileWidth, page.tileHeight)) {
    if (!painter.HasObjects(tile.rect)) continue;
    if (!job.NewPage()) break;
    ++sheets;
    if (painter.PaintTile(tile.rect))
      painter.PaintHeader(PrintHeaderText(page.programPath, page.pageName, tile.column, tile.row));
    // A begun page is always ended, also when the tile painted nothing.
    job.EndPage();
  }
  job.EndJob();
  return sheets;
}

}  // namespace ed
