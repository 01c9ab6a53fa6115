// The reports' canvas over a device context.
#include "editors/reports/gdicanvas.h"

#include <climits>

namespace zeph {
namespace {

constexpr int kDefaultPoints = 10;
constexpr UINT kWrapFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_NOCLIP;

int Length(const std::string& text) { return static_cast<int>(text.size()); }

}  // namespace

GdiCanvas::GdiCanvas(HDC dc)
    : dc_(dc), originalFont_(GetCurrentObject(dc, OBJ_FONT)), originalBkMode_(SetBkMode(dc, TRANSPARENT)) {}

GdiCanvas::~GdiCanvas() {
  SelectObject(dc_, originalFont_);
  SetBkMode(dc_, originalBkMode_);
  for (HFONT font : fonts_) {
    if (font != nullptr) DeleteObject(font);
  }
}

int GdiCanvas::PageWidth() const { return GetDeviceCaps(dc_, HORZRES); }

int GdiCanvas::PageHeight() const { return GetDeviceCaps(dc_, VERTRES); }

ReportCanvas::FontId GdiCanvas::MakeFont(const ReportFont& font) {
  const int height = font.Height != 0 ? font.Height : -MulDiv(kDefaultPoints, GetDeviceCaps(dc_, LOGPIXELSY), 72);
  HFONT made = CreateFontA(height, 0, 0, 0, font.Weight, font.Italic ? TRUE : FALSE, font.Underline ? TRUE : FALSE,
                           FALSE, ANSI_CHARSET, 0, 0, 0, 0, font.Face.c_str());
  if (made == nullptr) return 0;
  fonts_.push_back(made);
  return static_cast<FontId>(fonts_.size());
}

ReportCanvas::FontId GdiCanvas::UseFont(FontId font) {
  const FontId previous = current_;
  HGDIOBJ object = originalFont_;
  if (font > 0 && font <= static_cast<FontId>(fonts_.size()) && fonts_[static_cast<std::size_t>(font - 1)] != nullptr) {
    object = fonts_[static_cast<std::size_t>(font - 1)];
  } else {
    font = 0;
  }
  SelectObject(dc_, object);
  current_ = font;
  return previous;
}

void GdiCanvas::FreeFont(FontId font) {
  if (font <= 0 || font > static_cast<FontId>(fonts_.size())) return;
  HFONT& slot = fonts_[static_cast<std::size_t>(font - 1)];
  if (slot == nullptr) return;
  if (current_ == font) UseFont(0);
  DeleteObject(slot);
  slot = nullptr;
}

ReportMetrics GdiCanvas::Metrics() {
  TEXTMETRICA tm{};
  GetTextMetricsA(dc_, &tm);
  return ReportMetrics{tm.tmHeight, tm.tmExternalLeading, tm.tmAveCharWidth};
}

int GdiCanvas::TextWidth(const std::string& text, const std::vector<int>& tabStops) {
  if (text.empty()) return 0;
  std::vector<INT> stops(tabStops.begin(), tabStops.end());
  const DWORD extent = GetTabbedTextExtentA(dc_, text.c_str(), Length(text), static_cast<int>(stops.size()),
                                            stops.empty() ? nullptr : stops.data());
  return LOWORD(extent);
}

int GdiCanvas::WrappedHeight(const std::string& text, int width) {
  RECT r{0, 0, width, 0};
  return DrawTextA(dc_, text.c_str(), Length(text), &r, kWrapFormat | DT_CALCRECT);
}

void GdiCanvas::DrawWrapped(const std::string& text, int left, int top, int right) {
  RECT r{left, top, right, INT_MAX / 2};
  DrawTextA(dc_, text.c_str(), Length(text), &r, kWrapFormat);
}

void GdiCanvas::DrawLine(int x, int y, const std::string& text, const std::vector<int>& tabStops) {
  if (text.empty()) return;
  if (text.find('\t') == std::string::npos) {
    TextOutA(dc_, x, y, text.c_str(), Length(text));
    return;
  }
  std::vector<INT> stops(tabStops.begin(), tabStops.end());
  TabbedTextOutA(dc_, x, y, text.c_str(), Length(text), static_cast<int>(stops.size()),
                 stops.empty() ? nullptr : stops.data(), x);
}

void GdiCanvas::DrawFrame(int left, int top, int right, int bottom) {
  RECT r{left, top, right, bottom};
  ::FrameRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

bool PrintStateJob::BeginJob(const std::string& documentName) {
  if (state_.begin_job(documentName.c_str()) == 0) return false;
  canvas_ = std::make_unique<GdiCanvas>(state_.get_printer_dc(0));
  return true;
}

}  // namespace zeph
