// The log of a command-line build: the separator lines, the time stamp in the C library's
// ctime form, and the block that ends a run which never reached a program.
#pragma once

#include <ctime>
#include <ostream>
#include <string>

// 39 underscores and 39 hyphens, each with its line end.
extern const char kBatchUnderscoreLine[];
extern const char kBatchHyphenLine[];

// Where the log's time stamps come from; tests give a fixed time.
class BatchClock {
public:
    virtual ~BatchClock() = default;
    // The local time now.
    virtual std::tm Now() = 0;
};

// The machine's local time.
class SystemBatchClock : public BatchClock {
public:
    std::tm Now() override;
};

// "Fri Dec 11 11:25:56 2026\n", as ctime writes it.
std::string BatchTimeText(const std::tm& time);

// The time, the underscore line and a blank line, the error line, the hyphen line and a
// blank line.
void WriteBatchAbort(std::ostream& log, BatchClock& clock, const char* errorLine);

// The log of a run without "/output": the folder in the environment variable "VLX" (or
// "\VLX" without it) and "CMDLINE.LOG".
std::string DefaultBatchLogPath(const char* vlxFolder);
