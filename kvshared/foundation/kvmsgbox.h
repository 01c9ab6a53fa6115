// Message boxes go through one replaceable presenter: the platform's message box on
// Windows, a log stream for callers that write their refusals to a log, and a scripted
// responder in tests, so that no test ever waits on a box.
#pragma once

#include <cstdint>

#include "foundation/kvwintypes.h"

enum class KvBoxOwner {
    None,          // no owner window
    ActiveWindow,  // the window that is active when the box is shown
    Window,        // the window given with the request
};

struct KvMessageBoxRequest {
    const char* text = "";
    const char* caption = "";
    std::uint32_t style = kKvMbOk;  // KvBoxStyle bits
    KvBoxOwner owner = KvBoxOwner::ActiveWindow;
    HWND window = nullptr;  // with KvBoxOwner::Window
};

class KvMessagePresenter {
public:
    virtual ~KvMessagePresenter() = default;
    // Shows the box; returns the platform id of the button pressed (KvBoxResult).
    virtual int Show(const KvMessageBoxRequest& request) = 0;
    // The error beep that goes with a stop box.
    virtual void ErrorBeep() {}
};

// The current presenter; the platform's own until one is set.
KvMessagePresenter& KvGetMessagePresenter();
// Makes presenter current (not owned); null restores the platform's own.
void KvSetMessagePresenter(KvMessagePresenter* presenter);
// The platform's own presenter: message boxes on Windows; elsewhere the text goes to
// stderr and the default button answers.
KvMessagePresenter& KvPlatformMessagePresenter();

// Shows a box through the current presenter.
int KvMessageBox(const KvMessageBoxRequest& request);

// The platform id of the default button of a box style (KvBoxStyle bits).
int KvDefaultButtonOf(std::uint32_t style);

// Installs a presenter for the lifetime of the object and restores the previous one.
class KvScopedMessagePresenter {
public:
    explicit KvScopedMessagePresenter(KvMessagePresenter& presenter);
    ~KvScopedMessagePresenter();
    KvScopedMessagePresenter(const KvScopedMessagePresenter&) = delete;
    KvScopedMessagePresenter& operator=(const KvScopedMessagePresenter&) = delete;

private:
    KvMessagePresenter* m_previous;
};
