// The switches of a command-line build line ("/build x.ed /targets rll /output log.txt")
// and the option words of a "/targets" value or of an input file's line.
#pragma once

#include <string>

// The option words of one program: "log_trace", "use_templates" and "use_stubs" switch
// their option on unless written with "no_" in front; "rll" picks the library target;
// "unconditional" builds despite warnings and earlier errors. Only whole words count, so a
// program named "payroll" is no library.
struct BatchOptions {
    bool libraryTarget = false;
    bool logToTrace = false;
    bool useTemplates = false;
    bool useStubs = false;
    bool unconditional = false;
};

// Reads the option words of text (any letter case, words separated by blanks).
BatchOptions ParseOptionWords(const std::string& text);

struct BatchLine {
    bool valid = true;
    // The first switch word that made the line invalid (for the error line), or empty.
    std::string badWord;
    // Any switch that makes the run a batch run was given.
    bool batchMode = false;
    // Values as written on the line (blanks before the next "/" included).
    bool hasBuild = false;
    std::string build;
    bool hasInput = false;
    std::string input;
    bool hasLoad = false;
    std::string load;
    bool hasOutput = false;
    std::string output;
    bool hasResave = false;
    std::string resave;
    bool hasTargets = false;
    BatchOptions options;
    bool noExit = false;
    bool voiceNoError = false;
};

// Splits a designer command line into its switches. A non-empty line without "/" is
// invalid, and so is any word that is none of the switches (its first letter is compared
// exactly, the rest of the word without case); words beginning with "f" or "s" are
// passed over. Line ends are removed first.
BatchLine ParseBatchLine(const std::string& line);

// A value as used for file access: without the blanks around it.
std::string TrimBatchValue(const std::string& value);
// The text without a trailing "\r" and "\n".
std::string StripLineEnd(const std::string& text);
