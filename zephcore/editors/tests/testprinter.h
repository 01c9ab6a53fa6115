#pragma once
// A recording canvas and print job for the report tests. The font model is fixed-pitch:
// a font of height h has characters h / 2 wide and an external leading of h / 10; height
// 0 is 40. Wrapped text breaks at blanks (a word longer than the line stays whole), so the
// drawn lines are the lines a reader sees.

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "editors/reports/reportcanvas.h"

namespace zeph::test {

struct DrawnText {
  int Page;
  int X;
  int Y;
  std::string Text;
  ReportCanvas::FontId Font;
};

struct DrawnFrame {
  int Page;
  int Left, Top, Right, Bottom;
};

class TestPrinter : public ReportJob, public ReportCanvas {
 public:
  TestPrinter(int width, int height) : width_(width), height_(height) {}

  // Job behaviour.
  bool beginSucceeds = true;
  int refuseNewPageAfter = -1;   // NewPage calls that succeed before one is refused; -1 never

  // What happened.
  std::string documentName;
  bool begun = false;
  int endPages = 0;
  int newPages = 0;
  int endJobs = 0;
  int page = 0;   // 0-based page being drawn
  std::vector<DrawnText> texts;
  std::vector<DrawnFrame> frames;
  std::vector<ReportFont> fonts;     // by id - 1
  std::vector<ReportCanvas::FontId> deleted;
  ReportCanvas::FontId current = 0;

  // ReportJob
  bool BeginJob(const std::string& name) override {
    documentName = name;
    begun = beginSucceeds;
    return begun;
  }
  ReportCanvas& Canvas() override { return *this; }
  bool EndJob() override {
    ++endJobs;
    return true;
  }
  bool EndPage() override {
    ++endPages;
    return true;
  }
  bool NewPage() override {
    if (refuseNewPageAfter >= 0 && newPages >= refuseNewPageAfter) return false;
    ++newPages;
    ++page;
    return true;
  }

  // ReportCanvas
  int PageWidth() const override { return width_; }
  int PageHeight() const override { return height_; }
  FontId MakeFont(const ReportFont& font) override {
    fonts.push_back(font);
    return static_cast<FontId>(fonts.size());
  }
  FontId UseFont(FontId font) override {
    const FontId previous = current;
    current = font;
    return previous;
  }
  void FreeFont(FontId font) override { deleted.push_back(font); }
  ReportMetrics Metrics() override {
    const int h = Height();
    return ReportMetrics{h, h / 10, std::max(1, h / 2)};
  }
  int TextWidth(const std::string& text, const std::vector<int>& tabStops) override {
    return Expanded(text, tabStops);
  }
  int WrappedHeight(const std::string& text, int width) override {
    return static_cast<int>(Wrap(text, width).size()) * Height();
  }
  void DrawWrapped(const std::string& text, int left, int top, int right) override {
    int y = top;
    for (const std::string& line : Wrap(text, right - left)) {
      texts.push_back({page, left, y, line, current});
      y += Height();
    }
  }
  void DrawLine(int x, int y, const std::string& text, const std::vector<int>& tabStops) override {
    // Tabs are kept in the recorded text; their stops only move what follows.
    (void)tabStops;
    texts.push_back({page, x, y, text, current});
  }
  void DrawFrame(int left, int top, int right, int bottom) override {
    frames.push_back({page, left, top, right, bottom});
  }

  // The texts of one page in drawing order.
  std::vector<std::string> PageTexts(int p) const {
    std::vector<std::string> out;
    for (const DrawnText& t : texts) {
      if (t.Page == p) out.push_back(t.Text);
    }
    return out;
  }
  int Height() const {
    if (current <= 0 || current > static_cast<int>(fonts.size())) return 40;
    const int h = fonts[static_cast<std::size_t>(current - 1)].Height;
    return h > 0 ? h : 40;
  }
  int CharWidth() const { return std::max(1, Height() / 2); }

 private:
  int Expanded(const std::string& text, const std::vector<int>& tabStops) const {
    int x = 0;
    for (char c : text) {
      if (c == '\t') {
        int next = ((x / (8 * CharWidth())) + 1) * 8 * CharWidth();
        for (int stop : tabStops) {
          if (stop > x) {
            next = stop;
            break;
          }
        }
        x = next;
      } else {
        x += CharWidth();
      }
    }
    return x;
  }
  std::vector<std::string> Wrap(const std::string& text, int width) const {
    const std::size_t perLine = static_cast<std::size_t>(std::max(1, width / CharWidth()));
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (true) {
      const std::size_t nl = text.find('\n', begin);
      const std::string para = text.substr(begin, nl == std::string::npos ? std::string::npos : nl - begin);
      std::string line;
      std::size_t at = 0;
      while (at <= para.size()) {
        std::size_t blank = para.find(' ', at);
        if (blank == std::string::npos) blank = para.size();
        const std::string word = para.substr(at, blank - at);
        if (!line.empty() && line.size() + 1 + word.size() > perLine) {
          lines.push_back(line);
          line = word;
        } else {
          line += (line.empty() ? "" : " ") + word;
        }
        at = blank + 1;
      }
      lines.push_back(line);
      if (nl == std::string::npos) break;
      begin = nl + 1;
    }
    return lines;
  }

  int width_;
  int height_;
};

}  // namespace zeph::test
