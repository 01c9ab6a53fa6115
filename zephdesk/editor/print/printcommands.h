#pragma once
// The frame's print commands on the print service (Windows only): Print Setup, the
// clean-up at exit, the printable page size the canvas asks for, and the three reports
// on the printer.

#include <windows.h>

#include <functional>
#include <memory>

#include "editor/print/printtiles.h"
#include "editor/print/reports.h"

namespace zeph {
struct ComboStruct;
}

namespace ed {

// A printer of the caller's in place of the system's: the set-up dialog's answer and the
// reports' job. Empty members keep the system's dialog and printer; tests install one.
struct PrinterSeam {
  std::function<int(HWND owner)> setup;
  std::function<std::unique_ptr<zeph::ReportJob>(HWND owner)> reportJob;
};
void SetPrinterSeam(PrinterSeam seam);

// File > Print Setup: nonzero when a printer was chosen.
int PrintSetup(HWND mainWindow);
// At shut-down: releases the printer settings.
void PrintCleanup(HWND mainWindow);
// The printable page in page units for a canvas font (face, character height, weight,
// italic) scaled to the printer; setupPrinter asks for the set-up's printer context.
// Zero by zero without a printer.
PrintPageSize GetPrintPageSize(HWND mainWindow, const char* face, int charHeight, int weight, bool italic,
                               bool setupPrinter);

// The reports on the printer; false when the job or a page could not begin.
bool PrintSuperBlockReport(HWND mainWindow, Program& program);
bool PrintVoiceFaxItems(HWND mainWindow, const ItemsReportData& data);
// tables: the five combo tables handed to the model before each block (null ones allowed).
bool PrintBlockDetails(HWND mainWindow, Program& program, const ItemsReportData& app,
                       zeph::ComboStruct* const tables[5]);

}  // namespace ed
