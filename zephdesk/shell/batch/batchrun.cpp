#include "shell/batch/batchrun.h"

#include <cctype>
#include <fstream>

#include "model/interface/vlx.h"
#include "shell/app/cmdlinestate.h"

namespace {

const char kInvalidLine[] = "ERROR: Invalid command line parameter(s).  Build aborted.\n";
const char kBuildInputMissing[] = "ERROR: Could not open input file.  Build aborted.\n";
const char kLoadInputMissing[] = "ERROR: Could not open input file.  Load aborted.\n";
const char kUnfinishedWarning[] = "The program contains incomplete VavurOrezos.  Would you like to build anyway?";
const char kNoSuperBlock[] = "SuperBlock must be created before building Library.";

const char* OnOff(bool on) { return on ? "on.\n" : "off.\n"; }

std::string Lower(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

void RecordBatchError() { g_nCmdLineBuildError = 1; }

}  // namespace

void BatchRun::Abort(const std::string& logFile, const char* errorLine)
{
    std::ofstream log(TrimBatchValue(logFile), std::ios::app);
    if (log)
        WriteBatchAbort(log, m_context.clock, errorLine);
    RecordBatchError();
    m_context.errors << errorLine;
    if (!log)
        m_context.errors << "ERROR: Could not open the log file " << TrimBatchValue(logFile) << ".\n";
}

int BatchRun::RunCommandLine(const std::string& line)
{
    const BatchLine parsed = ParseBatchLine(line);
    if (parsed.voiceNoError)
        _IgnoreVoiceSentenceError = 1;
    if (parsed.options.unconditional)
        _UnconditionalBuild = 1;
    const std::string logFile = parsed.hasOutput ? parsed.output : m_context.defaultLog;
    if (!parsed.valid) {
        // The line was meant for a batch run: it ends with the error's exit code.
        g_bCmdLineExitAfterBuild = true;
        if (!parsed.badWord.empty())
            m_context.errors << "Unknown switch " << parsed.badWord << ".\n";
        Abort(logFile, kInvalidLine);
        return 1;
    }
    if (parsed.hasLoad) {
        CommandLineLoad(parsed.load, logFile);
        m_context.window.Show(true);
        return 0;
    }
    std::string resaveName = parsed.resave;
    if (parsed.hasResave && TrimBatchValue(resaveName).empty())
        resaveName = parsed.build;
    if (parsed.hasBuild) {
        g_bCmdLineExitAfterBuild = true;
        m_context.window.Show(false);
        ProcessProgram(parsed.build, logFile, resaveName, parsed.hasResave, parsed.options, false);
    }
    if (parsed.hasInput) {
        g_bCmdLineExitAfterBuild = true;
        m_context.window.Show(false);
        CommandLineBuild(parsed.input, logFile);
    }
    if (!parsed.batchMode || parsed.noExit) {
        m_context.window.Show(true);
        return 0;
    }
    return 1;
}

void BatchRun::CommandLineBuild(const std::string& inputFile, const std::string& logFile)
{
    RunListFile(inputFile, logFile, false);
}

void BatchRun::CommandLineLoad(const std::string& listFile, const std::string& logFile)
{
    RunListFile(listFile, logFile, true);
}

void BatchRun::RunListFile(const std::string& listFile, const std::string& logFile, bool loadOnly)
{
    std::ifstream input(TrimBatchValue(listFile));
    if (!input) {
        Abort(logFile, loadOnly ? kLoadInputMissing : kBuildInputMissing);
        return;
    }
    if (!loadOnly)
        m_context.status.Open();
    std::string raw;
    while (std::getline(input, raw)) {
        // An error stops a build list unless the line before asked to build unconditionally;
        // a load list loads every line.
        if (!loadOnly && (g_nCmdLineBuildError != 0 || _appErrorExists != 0) && _UnconditionalBuild == 0)
            break;
        const std::string line = StripLineEnd(raw);
        if (TrimBatchValue(line).empty())
            continue;
        BatchOptions options;
        _UnconditionalBuild = 0;
        std::string program = Lower(line);
        if (!loadOnly) {
            m_context.status.Show("Now processing:\n\n" + line, "Command Line Build - " + line);
            const std::size_t targets = program.find("/targets");
            if (targets != std::string::npos) {
                options = ParseOptionWords(program.substr(targets + 8));
                program.resize(targets);
            }
            _UnconditionalBuild = options.unconditional ? 1 : 0;
        }
        const int result = ProcessProgram(program, logFile, std::string(), false, options, loadOnly);
        if (result == kLogNotOpened && !loadOnly)
            break;
    }
    if (!loadOnly)
        m_context.status.Close();
}

int BatchRun::ProcessProgram(const std::string& program, const std::string& logFile, const std::string& resaveName,
                             bool resave, const BatchOptions& options, bool loadOnly)
{
    const char* operation = resave ? "\nResave" : loadOnly ? "\nLoad" : "\nBuild";
    std::ofstream log(TrimBatchValue(logFile), std::ios::app);
    if (!log) {
        RecordBatchError();
        m_context.errors << "ERROR: Could not open the log file " << TrimBatchValue(logFile) << ".\n";
        return kLogNotOpened;
    }
    log << kBatchUnderscoreLine << BatchTimeText(m_context.clock.Now());
    if (resave) {
        log << "Resaving " << program << " as " << resaveName << "\n";
    } else if (loadOnly) {
        log << "Loading " << program << "\n";
    } else {
        log << "Building " << program << "\n"
            << "    A " << (options.libraryTarget ? ".rll file will be generated.\n" : ".run file will be generated.\n")
            << "    Log to Trace Buffer is " << OnOff(options.logToTrace)
            << "    Use Prompt Templates is " << OnOff(options.useTemplates)
            << "    Use VavurOrezo Stubs is " << OnOff(options.useStubs);
    }
    log << "    Build Unconditionally is " << (_UnconditionalBuild != 0 ? "on.\n\n" : "off.\n\n");
    log.flush();

    const int result = LoadAndBuild(program, log, operation, resaveName, resave, options, loadOnly);

    if (result == kDone && _clbFailure == 0) {
        log << operation << " of " << program << " is complete.\n";
    } else {
        log << operation << " of " << program << " failed.\n";
        RecordBatchError();
        _clbFailure = 0;
    }
    log << kBatchHyphenLine << "\n";
    log.close();
    if (log.fail())
        RecordBatchError();
    return result;
}

int BatchRun::LoadAndBuild(const std::string& program, std::ofstream& log, const char* operation,
                           const std::string& resaveName, bool resave, const BatchOptions& options, bool loadOnly)
{
    BatchPrograms& programs = m_context.programs;
    if (!programs.Load(TrimBatchValue(program), log))
        return kNotLoaded;
    if (resave) {
        const int saved = programs.Save(TrimBatchValue(resaveName), log);
        programs.CloseCurrent();
        return saved == 1 ? kDone : kResaveFailed;
    }
    programs.ShowMainPage();
    int result = kDone;
    if (programs.ImportLibraries(log) == 0 && _UnconditionalBuild == 0) {
        log << "FATAL ERROR: Problems encountered with RLL.  Aborting " << operation << ".\n";
        result = kRefused;
    } else {
        programs.BuildLibraryGroups();
        if (loadOnly)
            return kDone;
        result = options.libraryTarget ? BuildLibrary(program, log, options) : BuildRunFile(program, log, options);
    }
    // Only "/load" keeps its programs open.
    if (!loadOnly)
        programs.CloseCurrent();
    return result;
}

bool BatchRun::AcceptUnfinished(std::ofstream& log)
{
    log << "WARNING: " << kUnfinishedWarning << "\n";
    if (_UnconditionalBuild == 0) {
        log << "PROGRAM RESPONSE TO WARNING: No\n";
        return false;
    }
    log << "PROGRAM RESPONSE TO WARNING: Yes\n";
    return true;
}

int BatchRun::BuildLibrary(const std::string& program, std::ofstream& log, const BatchOptions& options)
{
    BatchPrograms& programs = m_context.programs;
    if (programs.HasUnfinished(true) && !AcceptUnfinished(log))
        return kRefused;
    if (!programs.HasPageBesideMain()) {
        log << "ERROR: " << kNoSuperBlock << "\n";
        if (_UnconditionalBuild == 0)
            return kRefused;
    }
    return programs.BuildLibrary(TrimBatchValue(program), log, options) == 0 ? kDone : kBuildFailed;
}

int BatchRun::BuildRunFile(const std::string& program, std::ofstream& log, const BatchOptions& options)
{
    BatchPrograms& programs = m_context.programs;
    if (programs.HasUnfinished(false) && !AcceptUnfinished(log))
        return kRefused;
    return programs.BuildRunFile(TrimBatchValue(program), log, options) == 0 ? kDone : kBuildFailed;
}
