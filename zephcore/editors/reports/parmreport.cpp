// Layout of the block-details report.
#include "editors/reports/parmreport.h"

#include <string>

#include "editors/reports/parmvalues.h"
#include "editors/reports/reportfields.h"
#include "model/datatypes.h"
#include "model/pbentry_combo.h"
#include "model/pbentry_instance.h"
#include "model/program/program.h"
#include "model/symtable.h"

namespace zeph {
namespace {

constexpr int kStandardLines = 75;
constexpr int kStandardHeight = 82;
// Lines that must be left on a page before a text without break points is begun there.
constexpr int kMinLinesForUnbreakable = 10;
// Characters kept off the computed line width when an unbreakable text is cut.
constexpr int kCutMargin = 10;

bool HasBreak(const std::string& text) { return text.find_first_of(" \n") != std::string::npos; }

}  // namespace

int ParmReportFontHeight(int pageHeight) {
  const int lines = pageHeight / kStandardHeight;
  return (lines >= kStandardLines - 1 && lines <= kStandardLines + 1) ? kStandardHeight : pageHeight / kStandardLines;
}

ParmReportWriter::ParmReportWriter(ReportCanvas& canvas, ReportPages& pages, int page)
    : canvas_(canvas), pages_(pages), page_(page) {
  const ReportMetrics m = canvas.Metrics();
  line_ = m.LineHeight() > 0 ? m.LineHeight() : 1;
  charWidth_ = m.AveCharWidth > 0 ? m.AveCharWidth : 1;
  width_ = canvas.PageWidth();
  height_ = canvas.PageHeight();
}

void ParmReportWriter::Draw(int x, int& y, const std::string& text, bool advance) {
  const int right = width_ - 4 * line_;
  const int h = canvas_.WrappedHeight(text, right - x);
  canvas_.DrawWrapped(text, x, y, right);
  if (advance) y += h;
}

bool ParmReportWriter::PrintText(int x, int& y, const std::string& text, bool advance) {
  if (!alive_) return false;
  if (text.empty()) {
    if (advance) y += line_;
    return true;
  }
  const int cutLength = (width_ - 8 * line_) / charWidth_ - kCutMargin;
  if (!HasBreak(text) && cutLength > 0 && static_cast<int>(text.size()) > cutLength) {
    const std::size_t cut = static_cast<std::size_t>(cutLength);
    return PrintText(x, y, text.substr(0, cut), advance) && PrintText(x, y, text.substr(cut), advance);
  }
  const int right = width_ - 4 * line_;
  const int limit = height_ - 4 * line_;
  if (y + canvas_.WrappedHeight(text, right - x) < limit) {
    Draw(x, y, text, advance);
    return true;
  }
  std::size_t at = text.rfind('\n');
  char separator = '\n';
  if (at == std::string::npos) {
    at = text.rfind(' ');
    separator = ' ';
  }
  if (at == std::string::npos) {
    if ((limit - y) / line_ < kMinLinesForUnbreakable) {
      if (!FinishPage()) return false;
      y = 4 * line_;
    }
    // On a fresh page (or with room enough) the text is drawn whole.
    Draw(x, y, text, advance);
    return true;
  }
  return PrintSplit(x, y, text, advance, at, separator);
}

bool ParmReportWriter::PrintSplit(int x, int& y, const std::string& text, bool advance, std::size_t at,
                                  char separator) {
  const int right = width_ - 4 * line_;
  const int limit = height_ - 4 * line_;
  std::string first = text.substr(0, at);
  std::string rest = text.substr(at + 1);
  // Words (or lines) move from the end of the first part to the front of the rest until
  // the first part fits above the bottom.
  while (y + canvas_.WrappedHeight(first, right - x) >= limit) {
    const std::size_t back = first.rfind(separator);
    if (back == std::string::npos) {
      // The first part cannot be split further: it is printed by itself, then the rest.
      return PrintText(x, y, first, advance) && PrintText(x, y, rest, advance);
    }
    rest = first.substr(back + 1) + separator + rest;
    first.erase(back);
  }
  int drawnY = y;
  Draw(x, drawnY, first, true);
  if (!FinishPage()) return false;
  y = 4 * line_;
  return PrintText(x, y, rest, advance);
}

bool ParmReportWriter::FinishPage() {
  if (!alive_) return false;
  DrawFooter();
  pages_.EndPage();
  if (!pages_.NewPage()) alive_ = false;
  return alive_;
}

void ParmReportWriter::DrawFooter() {
  const int border = 2 * line_;
  canvas_.DrawFrame(border, border, width_ - border, height_ - border);
  const std::string footer = "Page " + std::to_string(page_);
  ++page_;
  canvas_.DrawLine((width_ - canvas_.TextWidth(footer)) / 2, height_ - 3 * line_, footer);
}

void PrintAppPBParms(const char* name, ReportCanvas& canvas, ReportPages& pages, TProgram& program, int& y,
                     int& page) {
  ReportFont font;
  font.Face = "Helv";
  font.Height = ParmReportFontHeight(canvas.PageHeight());
  font.Weight = 400;
  const ReportCanvas::FontId own = canvas.MakeFont(font);
  const ReportCanvas::FontId previous = canvas.UseFont(own);
  {
    ParmReportWriter writer(canvas, pages, page);
    Symbol* symbol = nullptr;
    {
      TProgram::DisableSymbolPageCheck unscoped(program);
      symbol = LookupSymbol(name != nullptr ? name : "", kTypeVavurOrezo, &program.Symbols());
    }
    PBInstance* instance = InstanceOf(symbol);
    if (instance == nullptr) {
      writer.PrintText(writer.LabelX(), y, "Unknown", false);
    } else {
      const ComboStringState& combos = ComboStrings();
      const ComboStruct* tables[5];
      for (int i = 0; i < 5; ++i) tables[i] = combos.Tables[i];
      const std::vector<ReportField> fields = ReadReportFields(*instance, &program.Symbols());
      if (fields.empty()) writer.PrintText(writer.LabelX(), y, "None", true);
      for (const ReportField& field : fields) {
        if (!writer.PrintText(writer.LabelX(), y, field.Def->Name, false)) break;
        if (!writer.PrintText(writer.ValueX(), y, ParmValueText(field, combos.Mode, tables), true)) break;
      }
    }
    page = writer.Page();
  }
  SetComboMode(0);
  canvas.UseFont(previous);
  canvas.FreeFont(own);
}

}  // namespace zeph
