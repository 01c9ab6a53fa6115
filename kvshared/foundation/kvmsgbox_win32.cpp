// Message boxes of the platform.
#include "foundation/kvmsgbox.h"

#include <windows.h>

namespace {

class KvWin32MessagePresenter : public KvMessagePresenter {
public:
    int Show(const KvMessageBoxRequest& request) override
    {
        HWND owner = nullptr;
        switch (request.owner) {
        case KvBoxOwner::None: owner = nullptr; break;
        case KvBoxOwner::ActiveWindow: owner = GetActiveWindow(); break;
        case KvBoxOwner::Window: owner = request.window; break;
        }
        return MessageBoxExA(owner, request.text != nullptr ? request.text : "",
                             request.caption != nullptr ? request.caption : "", request.style,
                             MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT));
    }

    void ErrorBeep() override { MessageBeep(MB_ICONHAND); }
};

}  // namespace

KvMessagePresenter& KvPlatformMessagePresenter()
{
    static KvWin32MessagePresenter presenter;
    return presenter;
}
