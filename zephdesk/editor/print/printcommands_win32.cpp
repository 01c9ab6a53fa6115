#include "editor/print/printcommands.h"

#include <utility>

#include "bank/printstate.h"
#include "editor/canvas/program.h"
#include "editor/print/printedit_win32.h"
#include "editors/reports/gdicanvas.h"
#include "model/interface/vlx.h"

namespace ed {
namespace {

constexpr int kSetupPrinterDc = 2;
constexpr int kDefaultPrinterDc = 1;

// The model prints one block's parameters from the line position on, after the combo
// tables of its kind were handed over.
class ModelBlockFields : public BlockFieldsPrinter {
 public:
  ModelBlockFields(Program& program, zeph::ComboStruct* const tables[5]) : program_(program) {
    for (int i = 0; i < 5; ++i) tables_[i] = tables != nullptr ? tables[i] : nullptr;
  }
  // On the report's own canvas and pages: the printer's, or whatever surface the job has.
  void PrintFields(const std::string& modelName, int comboKind, zeph::ReportCanvas& canvas, zeph::ReportPages& pages,
                   int& line, int& page) override {
    program_.Activate();
    vlxSetupComboString(comboKind, tables_[0], tables_[1], tables_[2], tables_[3], tables_[4]);
    vlxPrintAppPBOnCanvas(modelName.c_str(), canvas, pages, line, page);
  }

 private:
  Program& program_;
  zeph::ComboStruct* tables_[5] = {};
};

PrinterSeam& Seam() {
  static PrinterSeam seam;
  return seam;
}

std::unique_ptr<zeph::ReportJob> NewReportJob(HWND mainWindow) {
  if (Seam().reportJob) return Seam().reportJob(mainWindow);
  return std::make_unique<zeph::PrintStateJob>(mainWindow);
}

}  // namespace

void SetPrinterSeam(PrinterSeam seam) { Seam() = std::move(seam); }

int PrintSetup(HWND mainWindow) {
  if (Seam().setup) return Seam().setup(mainWindow);
  PrintState state(mainWindow);
  return state.setup();
}

void PrintCleanup(HWND mainWindow) {
  PrintState state(mainWindow);
  state.cleanup(0);
}

PrintPageSize GetPrintPageSize(HWND mainWindow, const char* face, int charHeight, int weight, bool italic,
                               bool setupPrinter) {
  PrintState state(mainWindow);
  HDC dc = state.make_printer_dc(setupPrinter ? kSetupPrinterDc : kDefaultPrinterDc);
  if (dc == nullptr) return {};
  const PrinterMeasures m = MeasurePrinter(dc);
  HFONT font = ::CreateFontA(PrinterFontHeight(charHeight, m), 0, 0, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face != nullptr ? face : "");
  HGDIOBJ previous = ::SelectObject(dc, font);
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE letters{};
  ::GetTextExtentPoint32A(dc, kLetters, 52, &letters);
  ::SelectObject(dc, previous);
  ::DeleteObject(font);
  return PrintPageSizeInPageUnits(m, metrics.tmHeight - metrics.tmInternalLeading, letters.cx / 52);
}

bool PrintSuperBlockReport(HWND mainWindow, Program& program) {
  return PrintSuperBlockReport(program, *NewReportJob(mainWindow));
}

bool PrintVoiceFaxItems(HWND mainWindow, const ItemsReportData& data) {
  return PrintVoiceFaxItems(data, *NewReportJob(mainWindow));
}

bool PrintBlockDetails(HWND mainWindow, Program& program, const ItemsReportData& app,
                       zeph::ComboStruct* const tables[5]) {
  std::unique_ptr<zeph::ReportJob> job = NewReportJob(mainWindow);
  ModelBlockFields fields(program, tables);
  return PrintBlockDetails(program, app, fields, *job);
}

}  // namespace ed
