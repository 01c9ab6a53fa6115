// Where the command facts come from: the user-application document answers for the
// active application, the active page window for its selection, the workspace for the
// palette, full-screen and clipboard flags.
#pragma once

#include <cstdint>
#include <string>

#include "shell/states/commandstates.h"

// The active application as its document holds it.
struct ActiveAppFacts {
    std::string exportField;       // the text of the export field ("No" when not exported)
    std::int32_t importCount = 0;  // entries in its list of imported applications
    bool complete = false;         // every block of every page of its program is finished
};

class ActiveAppSource {
public:
    virtual ~ActiveAppSource() = default;
    // False when there is no active application.
    virtual bool GetActiveAppFacts(ActiveAppFacts& facts) = 0;
};

// The active MDI child when it is a page window: the first selected object's kind, the
// number of selected objects and whether a text note is being typed in.
struct PageSelectionFacts {
    SelectionKind kind = SelectionKind::None;
    std::int32_t count = 0;
    bool noteEditing = false;
};

struct WorkspaceFacts {
    bool paletteShown = false;
    bool fullScreen = false;
    bool blocksHeld = false;
};

// The facts of one pass; app is null without an active application.
CommandFacts MakeCommandFacts(const WorkspaceFacts& workspace, const ActiveAppFacts* app,
                              const PageSelectionFacts& page);
