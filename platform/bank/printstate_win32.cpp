// Print jobs over the printer's device context.
#include "bank/printstate.h"

#include <commdlg.h>
#include <winspool.h>

#include <vector>

namespace {

PrintTarget& DefaultTarget() {
  static PrintTarget target;
  return target;
}

// The printer chosen in the designer's set-up, for the life of the process.
std::string& SetupPrinter() {
  static std::string name;
  return name;
}

std::string SystemDefaultPrinter() {
  DWORD size = 0;
  GetDefaultPrinterA(nullptr, &size);
  if (size == 0) return std::string();
  std::vector<char> name(size);
  if (!GetDefaultPrinterA(name.data(), &size)) return std::string();
  return name.data();
}

}  // namespace

PrintState::PrintState(HWND owner) : owner_(owner), target_(DefaultTarget()) {}

PrintState::~PrintState() { cleanup(0); }

void PrintState::set_default_target(const PrintTarget& target) { DefaultTarget() = target; }

const PrintTarget& PrintState::default_target() { return DefaultTarget(); }

std::string PrintState::printer_name() const {
  if (!target_.Printer.empty()) return target_.Printer;
  if (!SetupPrinter().empty()) return SetupPrinter();
  return SystemDefaultPrinter();
}

int PrintState::begin_job(const char* documentName) {
  cleanup(0);
  error_.clear();
  const std::string printer = printer_name();
  if (printer.empty()) {
    error_ = "No printer is installed.";
    return 0;
  }
  dc_ = CreateDCA(nullptr, printer.c_str(), nullptr, nullptr);
  if (dc_ == nullptr) {
    error_ = "The printer \"" + printer + "\" could not be opened.";
    return 0;
  }
  DOCINFOA doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = documentName != nullptr ? documentName : "";
  doc.lpszOutput = target_.OutputFile.empty() ? nullptr : target_.OutputFile.c_str();
  if (StartDocA(dc_, &doc) <= 0) {
    error_ = "The printer \"" + printer + "\" refused the job.";
    cleanup(0);
    return 0;
  }
  jobOpen_ = true;
  if (StartPage(dc_) <= 0) {
    error_ = "The printer \"" + printer + "\" refused the first page.";
    cleanup(0);
    return 0;
  }
  pageOpen_ = true;
  return 1;
}

HDC PrintState::get_printer_dc(int) { return dc_; }

void PrintState::Abandon() {
  if (jobOpen_) AbortDoc(dc_);
  jobOpen_ = false;
  pageOpen_ = false;
}

int PrintState::end_page() {
  if (!jobOpen_) return 0;
  if (!pageOpen_) return 1;
  pageOpen_ = false;
  if (EndPage(dc_) <= 0) {
    error_ = "The printer refused a page.";
    Abandon();
    return 0;
  }
  return 1;
}

int PrintState::new_page() {
  if (!jobOpen_) return 0;
  if (pageOpen_ && end_page() == 0) return 0;
  if (StartPage(dc_) <= 0) {
    error_ = "The printer refused a new page.";
    Abandon();
    return 0;
  }
  pageOpen_ = true;
  return 1;
}

int PrintState::end_job() {
  if (!jobOpen_) return 0;
  if (pageOpen_ && end_page() == 0) return 0;
  jobOpen_ = false;
  if (EndDoc(dc_) <= 0) {
    error_ = "The document could not be handed to the printer.";
    return 0;
  }
  return 1;
}

int PrintState::setup() {
  PRINTDLGA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner_;
  dialog.Flags = PD_PRINTSETUP;
  if (!PrintDlgA(&dialog)) return 0;
  int chosen = 0;
  if (dialog.hDevNames != nullptr) {
    if (auto* names = static_cast<DEVNAMES*>(GlobalLock(dialog.hDevNames))) {
      SetupPrinter() = reinterpret_cast<const char*>(names) + names->wDeviceOffset;
      chosen = SetupPrinter().empty() ? 0 : 1;
      GlobalUnlock(dialog.hDevNames);
    }
    GlobalFree(dialog.hDevNames);
  }
  if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
  return chosen;
}

HDC PrintState::make_printer_dc(int) {
  cleanup(0);
  const std::string printer = printer_name();
  if (printer.empty()) {
    error_ = "No printer is installed.";
    return nullptr;
  }
  dc_ = CreateDCA(nullptr, printer.c_str(), nullptr, nullptr);
  if (dc_ == nullptr) error_ = "The printer \"" + printer + "\" could not be opened.";
  return dc_;
}

void PrintState::cleanup(int) {
  Abandon();
  if (dc_ != nullptr) DeleteDC(dc_);
  dc_ = nullptr;
}
