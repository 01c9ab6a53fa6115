#pragma once
// The print job service of the designer and the model library (Windows only): printer
// choice, the job and its pages. A report constructs one on its stack, begins a job, draws
// on the device context it hands out, asks for page breaks and ends the job; the
// destructor abandons a job that is still open, on every road out.
//
// The printer is the target's printer when one is set, else the one chosen in the
// designer's printer set-up, else the system's default printer. A target's output file
// sends the document there (a printer on port FILE: then asks nothing).

#include <windows.h>

#include <string>

struct PrintTarget {
  std::string Printer;      // empty: the set-up's printer, else the default printer
  std::string OutputFile;   // empty: the printer's own port
};

class PrintState {
 public:
  explicit PrintState(HWND owner);
  ~PrintState();
  PrintState(const PrintState&) = delete;
  PrintState& operator=(const PrintState&) = delete;

  // The target of the jobs of every PrintState made after the call (tests and the
  // designer's "print to file" set it).
  static void set_default_target(const PrintTarget& target);
  static const PrintTarget& default_target();
  void set_target(const PrintTarget& target) { target_ = target; }

  // Nonzero: the job is open and its first page has begun. Zero: nothing was started and
  // last_error says why (no printer, the printer could not be opened, the job or its
  // first page refused).
  int begin_job(const char* documentName);
  // The device context of the open job (or of make_printer_dc); null without one.
  HDC get_printer_dc(int which);
  // Finishes the page in progress (when still open) and begins the next. Zero: the job
  // cannot go on; it has been abandoned.
  int new_page();
  // Closes the page in progress; zero when the printer refused it (the job is abandoned).
  int end_page();
  // Closes the last page and hands the document to the spooler; zero when it failed.
  int end_job();
  const std::string& last_error() const { return error_; }
  // The printer the next job goes to ("" when there is none).
  std::string printer_name() const;

  // The designer's printer set-up: the printer dialog; nonzero when a printer was chosen.
  int setup();
  // A device context of the chosen printer without a job (for measuring); null on failure.
  HDC make_printer_dc(int which);
  // Releases what the object holds (an open job is abandoned).
  void cleanup(int which);

 private:
  void Abandon();

  HWND owner_;
  PrintTarget target_;
  HDC dc_ = nullptr;
  bool jobOpen_ = false;
  bool pageOpen_ = false;
  std::string error_;
};
