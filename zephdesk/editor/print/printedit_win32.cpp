#include "editor/print/printedit_win32.h"

#include "bank/printstate.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/notes/textnote.h"
#include "editor/panes/layout.h"
#include "editor/print/gdiflowprint.h"
#include "editor/support/drawing_win32.h"
#include "editor/support/editorhost.h"
#include "framework/kvnamed.h"

namespace ed {
namespace {

constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

}  // namespace

PrinterMeasures MeasurePrinter(HDC printer) {
  PrinterMeasures m;
  m.horzRes = ::GetDeviceCaps(printer, HORZRES);
  m.vertRes = ::GetDeviceCaps(printer, VERTRES);
  m.logPixelsX = ::GetDeviceCaps(printer, LOGPIXELSX);
  m.logPixelsY = ::GetDeviceCaps(printer, LOGPIXELSY);
  HDC screen = ::GetDC(nullptr);
  m.screenLogPixelsY = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return m;
}

PrintEdit::PrintEdit(HDC dc, const PrinterMeasures& measures, Program& program, Page* page,
                     const FontObject* canvasFont)
    : dc_(dc), m_(measures), page_(page) {
  ::SetMapMode(dc_, MM_ANISOTROPIC);
  ::SetWindowExtEx(dc_, 1000, 1000, nullptr);
  ::SetViewportExtEx(dc_, 1000, 1000, nullptr);
  ::SetViewportOrgEx(dc_, 0, 0, nullptr);
  ::SetWindowOrgEx(dc_, 0, 0, nullptr);
  const int charHeight = canvasFont != nullptr ? canvasFont->GetCharHeight() : 13;
  font_ = ::CreateFontA(PrinterFontHeight(charHeight, m_), 0, 0, 0, canvasFont != nullptr ? canvasFont->GetWeight() : 400,
                        canvasFont != nullptr && canvasFont->IsItalic() ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                        canvasFont != nullptr ? canvasFont->GetFace() : "Arial");
  previousFont_ = ::SelectObject(dc_, font_);
  ::SetBkMode(dc_, TRANSPARENT);
  UsePrinterNoteFonts();
  canvas_ = std::make_unique<PageCanvas>(program, page, this);
}

PrintEdit::~PrintEdit() {
  // The drawn objects go before the fonts they were measured with.
  canvas_.reset();
  RestoreNoteFonts();
  ::SelectObject(dc_, previousFont_);
  ::DeleteObject(font_);
}

void PrintEdit::UsePrinterNoteFonts() {
  if (page_ == nullptr) return;
  for (const auto& note : page_->Notes()) {
    void* own = note->Base().FontHandle();
    LOGFONTA spec{};
    if (own == nullptr || ::GetObjectA(static_cast<HFONT>(own), sizeof spec, &spec) == 0) continue;
    spec.lfHeight = ScaleFontToPrinter(spec.lfHeight, m_);
    HFONT printer = ::CreateFontIndirectA(&spec);
    if (printer == nullptr) continue;
    note->Base().SetFontHandle(printer);
    noteFonts_.push_back({note.get(), own, printer});
  }
}

void PrintEdit::RestoreNoteFonts() {
  for (const NoteFont& f : noteFonts_) {
    f.note->Base().SetFontHandle(f.kept);
    ::DeleteObject(f.printer);
  }
  noteFonts_.clear();
}

CanvasFont PrintEdit::Font() {
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc_, &metrics);
  SIZE letters{};
  ::GetTextExtentPoint32A(dc_, kLetters, 52, &letters);
  CanvasFont f;
  f.lettersWidth = letters.cx;
  f.charHeight = metrics.tmHeight - metrics.tmInternalLeading;
  f.internalLeading = metrics.tmInternalLeading;
  return f;
}

std::int32_t PrintEdit::TextWidth(const std::string& text) {
  SIZE size{};
  ::GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

bool PrintEdit::Build() {
  canvas_->ComputeExtent();
  return canvas_->BuildDisplay(false, false) != 0;
}

std::vector<DisplayObject*> PrintEdit::DrawnObjects() const {
  std::vector<DisplayObject*> objects;
  for (int layer = 0; layer < kPaneLayers; ++layer) {
    for (const auto& d : canvas_->Layer(layer)) objects.push_back(d.get());
  }
  return objects;
}

std::int32_t PrintEdit::HeaderHeight() const {
  const LayoutEntry* entry = FindLayoutEntry(kPanePageCanvas);
  const std::int32_t measure = entry != nullptr ? entry->value2 : 10;
  return (measure * canvas_->Scale().sy + 4096) / 8192;
}

FlowPrintPage PrintEdit::Sheets() const {
  FlowPrintPage sheets;
  sheets.programPath = canvas_->GetProgram().GetFileName();
  sheets.pageName = page_ != nullptr ? page_->Name() : std::string();
  const Rect bounds = canvas_->GetDrawingBounds();
  sheets.drawing = {0, 0, bounds.right, bounds.bottom};
  sheets.tileWidth = m_.horzRes - m_.logPixelsX;
  sheets.tileHeight = m_.vertRes - (m_.logPixelsY + HeaderHeight());
  return sheets;
}

int PrintEdit::PrintPages(FlowPrintJob& job, bool printFrame) {
  if (dc_ == nullptr || !Build()) return 0;
  const FlowPrintPage sheets = Sheets();
  GdiFlowTilePainter painter(dc_, m_, sheets.tileWidth, sheets.tileHeight, HeaderHeight(), DrawnObjects(), font_,
                             printFrame);
  return PrintFlowPages(job, painter, sheets);
}

int PrintFlow(HWND mainWindow, Page& page, bool printFrame) {
  Program* program = page.GetProgram();
  if (program == nullptr) return 0;
  PrintState state(mainWindow);
  PrintStateFlowJob job(state);
  // The service makes the job's context when the job begins; the page is laid out on it.
  if (!job.BeginJob(kFlowDocumentName)) return 0;
  HDC dc = state.get_printer_dc(0);
  if (dc == nullptr) return 0;
  Fonts* fonts = GetDrawingTables().fonts;
  const LayoutEntry* entry = FindLayoutEntry(kPanePageCanvas);
  const FontObject* canvasFont = fonts != nullptr && entry != nullptr ? fonts->Find(entry->font) : nullptr;
  PrintEdit edit(dc, MeasurePrinter(dc), *program, &page, canvasFont);
  return edit.PrintPages(job, printFrame);
}

}  // namespace ed
