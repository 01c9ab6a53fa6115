// KvCmdInterface: the base of the objects that show command states (the tool bar here; the
// shell's menus). Each display object overrides Update and reads the states through the
// static IsEnabled.
#pragma once

#include "foundation/kvobjroot.h"

class KvCmdInterface : public KvObject {
public:
    ~KvCmdInterface() override = default;

    // Sets the display object's items from the command states; every display object
    // overrides it (the base reports a misuse and does nothing).
    virtual void Update();

    // Whether the command is enabled now, as the shell's command states say; false when
    // no shell services are installed.
    static bool IsEnabled(WORD commandId);
    // Whether the command's item carries a check mark now; false likewise.
    static bool IsChecked(WORD commandId);
};
