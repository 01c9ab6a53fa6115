// Helpers of the window framework's tests: a recording stand-in for the shell, a beep
// recorder, a counter of failed assertions, plain host windows and pixel reading.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "foundation/kvmsgbox.h"
#include "framework/kvintabw.h"
#include "framework/kvmainfr.h"
#include "framework/shellservices.h"

// Registers the framework's classes and makes the global image lists once per run.
void EnsureFrameworkReady();

// The shell's services as a test sees them: counts and records, blocks nothing.
class FakeShell : public ShellServices {
public:
    FakeShell();
    ~FakeShell() override;

    HINSTANCE GetInstance() override { return instance; }
    HINSTANCE GetBitmapModule() override { return bitmapModule; }
    KvMainFrame* GetMainFrame() override { return mainFrame; }
    void UpdateCommandStates() override { ++commandRefreshes; }
    void UpdateToolBar() override { ++toolBarRefreshes; }
    bool IsCommandEnabled(UINT id) override;
    void SetArrowCursor() override { cursors.push_back("arrow"); }
    void SetNoCursor() override { cursors.push_back("no"); }
    int UIMessageBox(const char* text, const char* caption, UINT style) override;

    struct Box {
        std::string text;
        std::string caption;
        UINT style;
    };

    HINSTANCE instance;
    HINSTANCE bitmapModule = nullptr;
    KvMainFrame* mainFrame = nullptr;
    int commandRefreshes = 0;
    int toolBarRefreshes = 0;
    std::vector<UINT> disabledCommands;
    std::vector<std::string> cursors;
    std::vector<Box> boxes;

private:
    ShellServices* m_previous;
};

// Records the framework's beeps while it lives.
class BeepRecorder {
public:
    BeepRecorder();
    ~BeepRecorder();
    int Count() const { return m_count; }

private:
    int m_count = 0;
};

// Answers every message box (assertion reports included) at once and keeps their texts.
class RecordingPresenter : public KvMessagePresenter {
public:
    RecordingPresenter();
    ~RecordingPresenter() override;
    int Show(const KvMessageBoxRequest& request) override;
    std::vector<std::string> texts;

private:
    KvMessagePresenter* m_previous;
};

// Counts the assertions that failed while it lives.
class AssertionCounter {
public:
    AssertionCounter();
    int Failed() const;

private:
    int m_start;
};

// A plain top-level window that keeps the WM_COMMAND and private messages it receives.
class HostWindow {
public:
    explicit HostWindow(int width = 640, int height = 480, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        DWORD exStyle = 0);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND hwnd() const { return m_hwnd; }
    struct Received {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        HWND capture;  // the window that had the mouse capture when it arrived
    };
    // The messages of that number received so far.
    std::vector<Received> Of(UINT msg) const;
    std::vector<Received> received;

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND m_hwnd;
};

// A designer frame as the framework sees it: a frame window with a client window beside a
// docked palette's place, its framework object and a tabbed palette manager. The frame
// stays above the windows of other test programs sharing the display, so that the window
// under a point is one of its own.
class TestFrame {
public:
    TestFrame();
    ~TestFrame();

    HWND frame() const { return m_frame.hwnd(); }
    HWND client() const { return m_client; }
    // The client window's rectangle in the frame's client coordinates.
    RECT ClientRectInFrame() const;
    const HostWindow& host() const { return m_frame; }

    FakeShell shell;
    KvMainFrame mainFrame;
    KvTabPaletteMgr manager;

private:
    HostWindow m_frame;
    HWND m_client;
};

// The colour of a pixel of a bitmap (0x00BBGGRR).
COLORREF PixelOf(HBITMAP bitmap, int x, int y);
// A 24-bit bitmap of that size filled with one colour (the caller deletes it).
HBITMAP SolidBitmap(int width, int height, COLORREF colour);

// Saves what a window shows under "screenshots/" of the test's folder, for a person to look at.
void SaveFrameworkPicture(HWND window, const std::string& name);
