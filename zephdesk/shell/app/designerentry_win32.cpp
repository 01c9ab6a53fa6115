#include "shell/app/designerentry.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "owl/bwcc.h"
#include "owl/dib.h"
#include "owl/splash.h"
#include "shell/app/cmdlinestate.h"
#include "shell/app/modelcalls.h"
#include "shell/app/processexit.h"
#include "shell/messages/uimsgbox.h"
#include "shell/workspace/login.h"

namespace {

HANDLE g_hStartupEvent = nullptr;
constexpr UINT kMsgAlreadyRunning = 28;
constexpr char kSplashFile[] = "splash.bmp";
// Shrink to fit, progress bar, a click closes it.
constexpr int kSplashStyle = 11;
constexpr UINT kSplashTimeOut = 2000;

bool FileExists(const char* name) {
    const DWORD attributes = ::GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void CloseStartupEvent() {
    if (g_hStartupEvent) ::CloseHandle(g_hStartupEvent);
    g_hStartupEvent = nullptr;
}

int DesignerMain(HINSTANCE instance, HINSTANCE prevInstance, const char* cmdLine, UIAppCalls calls) {
    const std::string line = cmdLine ? cmdLine : "";
    HANDLE event = ::CreateEventA(nullptr, FALSE, TRUE, kStartupEventName);
    if (event && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(event);
        // A command-line build has no one to show a box to.
        if (IsBatchLine(line))
            std::fprintf(stderr, "%s\n", kOneInstanceText);
        else
            UIMessageBoxWnd(nullptr, "%s", kUIBoxCaption, MB_OK | MB_ICONSTOP, kOneInstanceText);
        return 1;
    }
    g_hStartupEvent = event;

    std::unique_ptr<TDib> splashPicture;
    if (FileExists(kSplashFile)) {
        splashPicture = std::make_unique<TDib>(kSplashFile);
        g_pSplash = new TSplashWindow(*splashPicture, 800, 600, kSplashStyle, kSplashTimeOut);
        g_pSplash->Create();
        g_pSplash->SetText("");
        g_pSplash->SetPercentDone(5);
        g_pSplash->UpdateWindow();
    }

    BWCCRegister(instance);
    std::snprintf(g_szAppTitle, sizeof g_szAppTitle, "%s", calls.model.ProductName());

    int code = 1;
    if (prevInstance) {
        UIMessageBoxRes(kMsgAlreadyRunning, nullptr, MB_OK | MB_ICONSTOP, g_szAppTitle);
    } else {
        SetSplashProgress(35);
        // The frame is always shown normally first; the saved placement decides the rest.
        auto app = std::make_unique<UIApp>(g_szAppTitle, instance, prevInstance, cmdLine, SW_SHOWNORMAL, calls);
        const int status = app->Run();
        SuppressFaultErrorBoxes();
        code = DesignerExitCode(status, calls.model.AppErrorExists());
    }
    delete g_pSplash;
    g_pSplash = nullptr;
    CloseStartupEvent();
    return code;
}
