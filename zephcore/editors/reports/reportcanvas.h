#pragma once
// The drawing surface and page sequence that the printed reports lay themselves out on.
// On Windows it is the printer's device context and the print job; the tests use a
// recording canvas with a fixed-pitch font model.

#include <string>
#include <vector>

namespace zeph {

// A font as the reports ask for it. Height 0 is the device's default height.
struct ReportFont {
  std::string Face;
  int Height = 0;
  int Weight = 400;
  bool Italic = false;
  bool Underline = false;
};

struct ReportMetrics {
  int Height = 0;
  int ExternalLeading = 0;
  int AveCharWidth = 0;
  int LineHeight() const { return Height + ExternalLeading; }
};

class ReportCanvas {
 public:
  using FontId = int;   // 0: no font
  virtual ~ReportCanvas() = default;

  // The printable page in device units.
  virtual int PageWidth() const = 0;
  virtual int PageHeight() const = 0;

  virtual FontId MakeFont(const ReportFont& font) = 0;
  // Makes the font current; returns the font that was current before (0: the device's own).
  virtual FontId UseFont(FontId font) = 0;
  virtual void FreeFont(FontId font) = 0;
  // Metrics of the current font.
  virtual ReportMetrics Metrics() = 0;

  // Width of one line of text, tabs expanded at the stops (every 8 characters without stops).
  virtual int TextWidth(const std::string& text, const std::vector<int>& tabStops = {}) = 0;
  // Height the text takes wrapped at word breaks within the width, tabs expanded.
  virtual int WrappedHeight(const std::string& text, int width) = 0;
  // Draws the text wrapped within [left, right) from top.
  virtual void DrawWrapped(const std::string& text, int left, int top, int right) = 0;
  // Draws one line with its top-left corner at (x, y), tabs expanded at the stops.
  virtual void DrawLine(int x, int y, const std::string& text, const std::vector<int>& tabStops = {}) = 0;
  // A one-unit black frame along the rectangle's edges.
  virtual void DrawFrame(int left, int top, int right, int bottom) = 0;
};

// The page sequence of an open print job.
class ReportPages {
 public:
  virtual ~ReportPages() = default;
  // Closes the page in progress.
  virtual bool EndPage() = 0;
  // Finishes the page in progress (when still open) and begins the next one; false when
  // the job cannot go on, after which nothing more may be drawn.
  virtual bool NewPage() = 0;
};

// A whole print job that a report owns from start to end.
class ReportJob : public ReportPages {
 public:
  // Opens the job under the document name and begins its first page; false: nothing is
  // printed.
  virtual bool BeginJob(const std::string& documentName) = 0;
  // The surface of the open job.
  virtual ReportCanvas& Canvas() = 0;
  // Closes the last page and hands the document over.
  virtual bool EndJob() = 0;
};

}  // namespace zeph
