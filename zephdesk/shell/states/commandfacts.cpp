#include "shell/states/commandfacts.h"

CommandFacts MakeCommandFacts(const WorkspaceFacts& workspace, const ActiveAppFacts* app,
                              const PageSelectionFacts& page) {
    CommandFacts facts;
    facts.paletteShown = workspace.paletteShown;
    facts.fullScreen = workspace.fullScreen;
    if (!app) return facts;
    facts.app = true;
    facts.complete = app->complete;
    facts.exported = app->exportField != "No";
    facts.hasImports = app->importCount > 0;
    facts.selection = page.kind;
    facts.singleSelection =
        (page.kind == SelectionKind::Block || page.kind == SelectionKind::Note) && page.count == 1;
    facts.blocksHeld = workspace.blocksHeld;
    facts.noteEditing = page.noteEditing;
    return facts;
}
