// The designer's real main frame for tests: made with the test module's menu, at the
// screen's corner in 800 by 600, created and shown.
#pragma once

#include <cstdint>

#include "owl/mdiclient.h"
#include "owl/module.h"
#include "shell/frame/uimdiframe.h"

inline UIMDIFrame* ShowTestMainFrame(const char* title, TMDIClient& client, SettingsProfile& profile,
                                     const std::uint32_t& options, TModule& module)
{
    auto* frame = new UIMDIFrame(title, client, profile, options, nullptr, &module);
    frame->Attr.X = frame->Attr.Y = 0;
    frame->Attr.W = 800;
    frame->Attr.H = 600;
    frame->Create();
    frame->Show(SW_SHOWNORMAL);
    return frame;
}
