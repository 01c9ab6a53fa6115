#pragma once
// The block-details report: one VavurOrezo's parameters as label and value lines, printed
// from a position on the page the designer's report has reached; the report breaks pages
// itself (frame and "Page n" footer) when the text runs past the bottom.

#include <string>

#include "editors/reports/reportcanvas.h"

namespace zeph {

class TProgram;

// The report font's height for a page: 82 when the page height / 82 is within 1 of 75,
// else page height / 75.
int ParmReportFontHeight(int pageHeight);

// The line layout of the report on one canvas with the report font selected.
class ParmReportWriter {
 public:
  ParmReportWriter(ReportCanvas& canvas, ReportPages& pages, int page);

  int LineHeight() const { return line_; }
  int LabelX() const { return 4 * line_; }
  int ValueX() const { return 35 * charWidth_ + 4 * line_; }
  int Page() const { return page_; }
  // False once a page break was refused: nothing more may be drawn.
  bool Alive() const { return alive_; }

  // Prints a text at (x, y) within the right limit, breaking the page when it runs past
  // the bottom; y moves below it when advance is set.
  bool PrintText(int x, int& y, const std::string& text, bool advance);
  // Frames the page, writes its footer and begins the next page.
  bool FinishPage();
  // Frames the page and writes its footer ("Page n"); the page counter moves on.
  void DrawFooter();

 private:
  void Draw(int x, int& y, const std::string& text, bool advance);
  bool PrintSplit(int x, int& y, const std::string& text, bool advance, std::size_t at, char separator);

  ReportCanvas& canvas_;
  ReportPages& pages_;
  int page_;
  int line_;
  int charWidth_;
  int width_;
  int height_;
  bool alive_ = true;
};

// Prints the parameters of the program's VavurOrezo of that name from y on; y and page
// come back where the call left them. The lookup mode returns to 0.
void PrintAppPBParms(const char* name, ReportCanvas& canvas, ReportPages& pages, TProgram& program, int& y,
                     int& page);

}  // namespace zeph
