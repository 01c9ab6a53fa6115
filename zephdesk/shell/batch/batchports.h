// What a command-line build needs of the designer around it: the programs it loads,
// builds and saves, the status dialog and the main window. The designer gives page
// windows and its frame; tests and tools give a program list without windows.
#pragma once

#include <fstream>
#include <string>

#include "shell/batch/batchline.h"

class BatchPrograms {
public:
    virtual ~BatchPrograms() = default;
    // Reads the program file (its problems go to the log); it becomes the current
    // program. False when no program was read.
    virtual bool Load(const std::string& path, std::ofstream& log) = 0;
    // Writes the current program to path; 1 written.
    virtual int Save(const std::string& path, std::ofstream& log) = 0;
    // Shows the current program's "Main" page and clears its modified flag.
    virtual void ShowMainPage() = 0;
    // Registers the program's imported libraries; 0 when that failed.
    virtual int ImportLibraries(std::ofstream& log) = 0;
    // The palette groups of the imported libraries.
    virtual void BuildLibraryGroups() = 0;
    // Whether a page (only pages other than "Main" when outsideMain) holds an unfinished
    // VavurOrezo.
    virtual bool HasUnfinished(bool outsideMain) = 0;
    virtual bool HasPageBesideMain() = 0;
    // The model's builds of the current program; 0 on success.
    virtual int BuildLibrary(const std::string& path, std::ofstream& log, const BatchOptions& options) = 0;
    virtual int BuildRunFile(const std::string& path, std::ofstream& log, const BatchOptions& options) = 0;
    // Closes the current program (its page windows).
    virtual void CloseCurrent() = 0;
};

// The modeless dialog that names the line being built.
class BatchStatus {
public:
    virtual ~BatchStatus() = default;
    virtual void Open() = 0;
    virtual void Show(const std::string& text, const std::string& caption) = 0;
    virtual void Close() = 0;
};

// The designer's main window, hidden while a batch works.
class BatchWindow {
public:
    virtual ~BatchWindow() = default;
    virtual void Show(bool visible) = 0;
};
