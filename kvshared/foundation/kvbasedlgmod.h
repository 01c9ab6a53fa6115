// Where dialogs of the model library find their templates: the current program object's
// main module and its dialog resource library. The program object installs a source of
// both; until then (no program current) there is neither.
#pragma once

class TModule;

class KvDialogModules {
public:
    virtual ~KvDialogModules() = default;
    // The module the current program was created with; null when there is none.
    virtual TModule* MainModule() = 0;
    // The current program's dialog resource library; null when there is none.
    virtual TModule* DialogLibrary() = 0;
};

// Installs the source (not owned); null: no program is current.
void KvSetDialogModules(KvDialogModules* modules);
// The installed source, or null.
KvDialogModules* KvGetDialogModules();
