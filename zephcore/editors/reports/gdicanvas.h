#pragma once
// The reports' canvas over a Windows device context, and their page sequence and job over
// a PrintState (Windows only).

#include <windows.h>

#include <memory>
#include <vector>

#include "bank/printstate.h"
#include "editors/reports/reportcanvas.h"

namespace zeph {

class GdiCanvas : public ReportCanvas {
 public:
  // Draws on the context with a transparent background; the context's font, background
  // mode and anything created here are given back or freed on destruction.
  explicit GdiCanvas(HDC dc);
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  int PageWidth() const override;
  int PageHeight() const override;
  // A height of 0 becomes 10 points at the device's resolution: printer drivers differ in
  // what they make of a font of height 0.
  FontId MakeFont(const ReportFont& font) override;
  FontId UseFont(FontId font) override;
  void FreeFont(FontId font) override;
  ReportMetrics Metrics() override;
  int TextWidth(const std::string& text, const std::vector<int>& tabStops = {}) override;
  int WrappedHeight(const std::string& text, int width) override;
  void DrawWrapped(const std::string& text, int left, int top, int right) override;
  void DrawLine(int x, int y, const std::string& text, const std::vector<int>& tabStops = {}) override;
  void DrawFrame(int left, int top, int right, int bottom) override;

 private:
  HDC dc_;
  HGDIOBJ originalFont_;
  int originalBkMode_;
  FontId current_ = 0;
  std::vector<HFONT> fonts_;   // by id - 1; null once deleted
};

// The page sequence of a PrintState's open job; without one every new page is refused.
class PrintStatePages : public ReportPages {
 public:
  explicit PrintStatePages(PrintState* state) : state_(state) {}
  bool EndPage() override { return state_ != nullptr && state_->end_page() != 0; }
  bool NewPage() override { return state_ != nullptr && state_->new_page() != 0; }

 private:
  PrintState* state_;
};

// A whole job on a PrintState of its own.
class PrintStateJob : public ReportJob {
 public:
  explicit PrintStateJob(HWND owner) : state_(owner) {}
  PrintState& State() { return state_; }
  bool BeginJob(const std::string& documentName) override;
  ReportCanvas& Canvas() override { return *canvas_; }
  bool EndPage() override { return state_.end_page() != 0; }
  bool NewPage() override { return state_.new_page() != 0; }
  bool EndJob() override { return state_.end_job() != 0; }

 private:
  PrintState state_;
  std::unique_ptr<GdiCanvas> canvas_;   // declared after the state: freed before it
};

}  // namespace zeph
