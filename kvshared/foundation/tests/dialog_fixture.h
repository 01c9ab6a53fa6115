// Fixture pieces of the dialog tests: test modules, a stand-in for the current program's
// modules, and a help engine that records what it was asked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/kvbasedlghelp.h"
#include "foundation/kvbasedlgmod.h"
#include "owl/module.h"

// The test program itself: it holds no dialog templates.
TModule& TestProgramModule();
// The dialog resource library.
TModule& PaneModule();
// A second copy of the dialog resource library under another file name: a module of its
// own with the same templates.
TModule& PaneCopyModule();

// The current program's modules, as a test sets them; installed for the object's lifetime.
class TestProgramModules : public KvDialogModules {
public:
    TestProgramModules(TModule* mainModule, TModule* dialogLibrary);
    ~TestProgramModules() override;
    TestProgramModules(const TestProgramModules&) = delete;
    TestProgramModules& operator=(const TestProgramModules&) = delete;

    TModule* MainModule() override { return m_main; }
    TModule* DialogLibrary() override { return m_library; }

private:
    TModule* m_main;
    TModule* m_library;
    KvDialogModules* m_previous;
};

// Records every help request and answers with the given result; installed for the
// object's lifetime.
class RecordingHelpEngine : public KvHelpEngine {
public:
    explicit RecordingHelpEngine(bool starts = true);
    ~RecordingHelpEngine() override;
    RecordingHelpEngine(const RecordingHelpEngine&) = delete;
    RecordingHelpEngine& operator=(const RecordingHelpEngine&) = delete;

    struct Request {
        HWND window;
        std::string path;
        UINT command;
        std::uintptr_t data;
    };
    bool Show(HWND window, const char* path, UINT command, std::uintptr_t data) override;
    const std::vector<Request>& Requests() const { return m_requests; }

private:
    bool m_starts;
    std::vector<Request> m_requests;
};
