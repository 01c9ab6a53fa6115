#include "shell/messages/uimsgbox.h"

#include <cstdarg>
#include <cstdio>

#include "foundation/kvmsgbox.h"
#include "foundation/kvstrtab.h"

namespace {

HWND g_mainWindow = nullptr;

// Texts and formatted boxes both hold at most 127 characters; longer results are cut.
constexpr int kBoxText = 128;

int Show(HWND owner, const char* format, UINT flags, std::va_list args) {
    char text[kBoxText];
    std::vsnprintf(text, sizeof text, format, args);
    KvMessageBoxRequest request;
    request.text = text;
    request.caption = kUIBoxCaption;
    request.style = flags;
    request.owner = owner ? KvBoxOwner::Window : KvBoxOwner::None;
    request.window = owner;
    return KvMessageBox(request);
}

int ShowRes(HWND owner, HINSTANCE module, UINT stringId, UINT flags, std::va_list args) {
    char format[kBoxText];
    if (UILoadBoxString(module, stringId, format, sizeof format) == 0) return -1;
    return Show(owner, format, flags, args);
}

}  // namespace

HWND UIGetMainWindow() { return g_mainWindow; }
void UISetMainWindow(HWND window) { g_mainWindow = window; }

#ifndef _WIN32
// Off Windows there is one string source for every module.
int UILoadBoxString(HINSTANCE, UINT stringId, char* buf, int size) {
    return KvGetStringTable().Load(stringId, buf, size);
}
#endif

int UIMessageBox(const char* format, const char*, UINT flags, ...) {
    std::va_list args;
    va_start(args, flags);
    int result = Show(g_mainWindow, format, flags, args);
    va_end(args);
    return result;
}

int UIMessageBoxRes(UINT stringId, const char*, UINT flags, ...) {
    std::va_list args;
    va_start(args, flags);
    int result = ShowRes(g_mainWindow, nullptr, stringId, flags, args);
    va_end(args);
    return result;
}

int UIMessageBoxWnd(HWND window, const char* format, const char*, UINT flags, ...) {
    std::va_list args;
    va_start(args, flags);
    int result = Show(window, format, flags, args);
    va_end(args);
    return result;
}

int UIMessageBoxResWnd(HWND window, UINT stringId, const char*, UINT flags, ...) {
    std::va_list args;
    va_start(args, flags);
    int result = ShowRes(window, nullptr, stringId, flags, args);
    va_end(args);
    return result;
}

int UIMessageBoxModRes(HWND window, HINSTANCE module, UINT stringId, const char*, UINT flags, ...) {
    std::va_list args;
    va_start(args, flags);
    int result = ShowRes(window, module, stringId, flags, args);
    va_end(args);
    return result;
}
