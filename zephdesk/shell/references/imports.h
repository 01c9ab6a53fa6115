// Imported applications of a document: the model's libraries of the imported
// applications and the import relation the server keeps, changed together so that a
// refusal of either leaves both as they were.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/interface/vlx.h"

class KvObArray;
class KvUserApp;
namespace ed {
class Program;
}

// The model's library calls for imports.
class KvLibraryModel {
public:
    virtual ~KvLibraryModel() = default;
    // True when the model imported the library.
    virtual bool ImportLibrary(vlxHandleType program, const char* library) = 0;
    virtual void RemoveLibrary(vlxHandleType program, const char* library) = 0;
    virtual bool IsLibraryInUse(vlxHandleType program, const char* library) = 0;
    virtual void GetLibraries(vlxHandleType program, std::vector<std::string>& names) = 0;
};

// The model library's own calls.
KvLibraryModel& KvVlxLibraryModel();
// The calls the documents use; the model library's until a test installs others (not owned).
KvLibraryModel& KvGetLibraryModel();
void KvSetLibraryModel(KvLibraryModel* model);

// The palette window shows a program's library groups, which an added or removed import
// replaces: the palette is pointed at no program and then at that one again, so that it
// lets go of the old groups and lists the new. Null: there is no palette to tell.
using KvPaletteRefresher = std::function<void(ed::Program*)>;
void KvSetPaletteRefresher(KvPaletteRefresher refresher);

// The ID and name of an imported application from its library name ("Name.1234"): false
// when there is no "." or the ID is not an application ID.
bool KvSplitLibraryName(const std::string& library, int& id, std::string& name);

// Sends the imported applications of app to the server: mode 1 hands them to the client
// library after an open, any other mode records them. Shows the failure; the result code.
int KvSendImports(KvUserApp& app, int mode);
