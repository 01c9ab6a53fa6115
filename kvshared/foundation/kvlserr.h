// Load and save error reporting: every record or section of the application file that
// cannot be written or read is reported here. The report is logged to "vlxlslog.txt" in
// the current folder (the first 49 reports of a process), then the caller's mode decides:
// 1 log only and go on, 3 log only and stop, anything else asks the user.
#pragma once

#include <ctime>
#include <functional>
#include <string>

enum KvLoadSaveMode : short {
    kKvLoadSaveAsk = 0,
    kKvLoadSaveLogAndContinue = 1,
    kKvLoadSaveLogAndStop = 3,
};

// 1 when the caller is to go on, 0 when it is to stop. code is logged as a signed 16-bit
// number (callers pass the section they were working on). Asking sets mode to 0, or to 1
// when the user chose not to be asked again.
int ReportLoadSaveError(short& mode, const char* message, int code);

// The question put to the user: the text is "Load and Save Error!!\n\n" and the message.
class KvLoadSaveErrorPrompt {
public:
    virtual ~KvLoadSaveErrorPrompt() = default;
    // True for "Continue". doNotAskAgain tells whether the user ticked "Do not display
    // further warnings".
    virtual bool AskContinue(const std::string& text, bool& doNotAskAgain) = 0;
};

// Installs the prompt (not owned); null restores the default, a question through the
// current fault handler.
void KvSetLoadSaveErrorPrompt(KvLoadSaveErrorPrompt* prompt);

// The clock of the log lines; an empty function restores the local time.
void KvSetLoadSaveErrorClock(std::function<std::tm()> clock);

// Reports made so far in this process (counting stops at 50).
int KvLoadSaveErrorReportCount();

// Result of a load or save that the user stopped; it passes unchanged through every layer.
inline constexpr int kKvLoadSaveUserStopped = 9754;

// Name of the log file, in the current folder.
inline constexpr const char* kKvLoadSaveLogName = "vlxlslog.txt";
