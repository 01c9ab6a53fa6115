// The command-line build: reads the switches of the designer's command line, loads, builds
// or resaves one program or every program of a list file, writes each step to the log,
// and says whether the designer ends afterwards. Failures become log lines, a line on the
// error stream and the batch error flag; no box is shown.
#pragma once

#include <ostream>
#include <string>

#include "shell/batch/batchline.h"
#include "shell/batch/batchlog.h"
#include "shell/batch/batchports.h"

struct BatchContext {
    BatchPrograms& programs;
    BatchStatus& status;
    BatchWindow& window;
    BatchClock& clock;
    // The log of a run without "/output".
    std::string defaultLog;
    // Where a failure that ends the run is also named.
    std::ostream& errors;
};

class BatchRun {
public:
    // ProcessProgram's results.
    static constexpr int kDone = 1;
    static constexpr int kNotLoaded = 0;
    static constexpr int kLogNotOpened = -1;
    static constexpr int kRefused = -2;
    static constexpr int kResaveFailed = -3;
    static constexpr int kBuildFailed = -4;

    explicit BatchRun(BatchContext context) : m_context(context) {}

    // 1 when the designer is to end after the batch work, 0 when it stays open.
    int RunCommandLine(const std::string& line);
    // Builds every program of the list file, each line with its own option words.
    void CommandLineBuild(const std::string& inputFile, const std::string& logFile);
    // Loads every program of the list file and leaves them open.
    void CommandLineLoad(const std::string& listFile, const std::string& logFile);
    int ProcessProgram(const std::string& program, const std::string& logFile, const std::string& resaveName,
                       bool resave, const BatchOptions& options, bool loadOnly);

private:
    void RunListFile(const std::string& listFile, const std::string& logFile, bool loadOnly);
    int LoadAndBuild(const std::string& program, std::ofstream& log, const char* operation,
                     const std::string& resaveName, bool resave, const BatchOptions& options, bool loadOnly);
    int BuildLibrary(const std::string& program, std::ofstream& log, const BatchOptions& options);
    int BuildRunFile(const std::string& program, std::ofstream& log, const BatchOptions& options);
    // The warning about unfinished VavurOrezos and the answer the build gives itself; false
    // when the build stops there.
    bool AcceptUnfinished(std::ofstream& log);
    void Abort(const std::string& logFile, const char* errorLine);

    BatchContext m_context;
};
