// The model interface's printing exports: one VavurOrezo's parameters inside the
// designer's own report, and the VavurOrezo information report.
#include "editors/reports/gdicanvas.h"
#include "editors/reports/inforeport.h"
#include "editors/reports/parmreport.h"
#include "model/interface/exports_common.h"
#include "model/interface/vlx.h"

int vlxPrintAppPB(const char* name, HDC dc, PrintState* state, int& line, int& page) {
  if (dc == nullptr) return 0;
  zeph::GdiCanvas canvas(dc);
  zeph::PrintStatePages pages(state);
  return vlxPrintAppPBOnCanvas(name, canvas, pages, line, page);
}

int vlxPrintAppPBOnCanvas(const char* name, zeph::ReportCanvas& canvas, zeph::ReportPages& pages, int& line,
                          int& page) {
  zeph::TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return 0;
  return zeph::GuardExport(0, [&] {
    zeph::PrintAppPBParms(name, canvas, pages, *program, line, page);
    return 0;
  });
}

void vlxPrintPBInfoCommand() {
  zeph::TProgram* program = zeph::ExportProgram();
  if (program == nullptr) return;
  zeph::GuardExport(0, [&] {
    zeph::PrintStateJob job(program->OwnerWindow());
    zeph::PrintPBInfoReport(*program, job);
    return 0;
  });
}
