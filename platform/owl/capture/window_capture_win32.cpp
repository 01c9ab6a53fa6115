// window_capture CLASS NAME [TIMEOUT_MS]: waits for a shown top-level window of the class
// (or, for CLASS "title:TEXT", of that caption),
// lets its program go idle, saves its picture with the test system's helper (as
// screenshots\NAME.bmp beside this program) and asks the window to close. Exit code 0 when
// the picture was saved, 1 when no such window showed in time or the picture failed.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "owl/testing/window_picture.h"

namespace {

HWND WaitForWindow(const char* className, DWORD timeout) {
    const DWORD start = ::GetTickCount();
    const bool byTitle = std::strncmp(className, "title:", 6) == 0;
    for (;;) {
        HWND window = byTitle ? ::FindWindowA(nullptr, className + 6) : ::FindWindowA(className, nullptr);
        if (window && ::IsWindowVisible(window)) return window;
        if (::GetTickCount() - start > timeout) return nullptr;
        ::Sleep(100);
    }
}

// The window's program has painted and waits for input.
void WaitUntilIdle(HWND window) {
    DWORD processId = 0;
    ::GetWindowThreadProcessId(window, &processId);
    if (HANDLE process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId)) {
        ::WaitForInputIdle(process, 10000);
        ::CloseHandle(process);
    }
    DWORD_PTR answer = 0;
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
    // Late paints (the palette's list, the frame's children) come with the next messages.
    ::Sleep(1000);
    ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_capture CLASS NAME [TIMEOUT_MS]\n");
        return 2;
    }
    const DWORD timeout = argc > 3 ? DWORD(std::strtoul(argv[3], nullptr, 10)) : 30000;
    HWND window = WaitForWindow(argv[1], timeout);
    if (!window) {
        std::fprintf(stderr, "window_capture: no window of class %s showed\n", argv[1]);
        return 1;
    }
    WaitUntilIdle(window);
    const std::string path = SaveWindowPicture(window, argv[2]);
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    if (path.empty()) {
        std::fprintf(stderr, "window_capture: the picture could not be saved\n");
        return 1;
    }
    std::printf("%s\n", path.c_str());
    return 0;
}
