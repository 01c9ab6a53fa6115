// KvToolBar: keeps the enabled look of the tool bar's BITBUTTON controls in step with the
// command states, repainting a button only when its state changed.
#pragma once

#include <windows.h>

#include "kvcmdint.h"

class KvToolBar : public KvCmdInterface {
public:
    // owner: the tool-bar window whose children are the buttons (may be set later).
    explicit KvToolBar(HWND owner = nullptr) : m_hOwner(owner) {}
    ~KvToolBar() override = default;

    void SetOwner(HWND owner) { m_hOwner = owner; }
    HWND GetOwner() const { return m_hOwner; }

    void Update() override { UpdateCommandStates(); }
    // Refreshes every command button of the tool bar.
    virtual void UpdateCommandStates();
    // Refreshes the button of one command.
    void UpdateButton(WORD id);

private:
    HWND m_hOwner;
};
