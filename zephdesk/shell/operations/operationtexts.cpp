#include "shell/document/doctexts.h"
#include "shell/operations/operationtexts.h"

namespace {

struct Text {
    UINT id;
    const char* text;
};

const Text kTexts[] = {
    {8007, "A recovery version of the application '%1' was found.\nDo you wish to restore the application now?"},
    {8008, "Select an application window before attempting to save."},
    {8009, "Select an application window before attempting to edit properties."},
    {8011, "Select an application window before attempting to export."},
    {8013, "Select an application window before attempting to undo export."},
    {8023, "This application is exported.  It must be made complete before it can be saved."},
    {8024, "This file is open for editing and cannot be overwritten.\nPlease use a different name and id."},
    {8025, "This application is incomplete.  It must be made complete before it can be exported."},
    {8026, "The application is already exported."},
    {8027, "The application is not exported."},
    {8035, "The system could not delete the application from the server.\n"
           "Please check the connection to the server and try again."},
    {8037, "The system could not export the application on the server.\n"
           "Please check the connection to the server and try again."},
    {8038, "The system could not undo the export of the application on the server.\n"
           "Please check the connection to the server and try again."},
    {8040, "The system could not save the application on the server.\n"
           "Please check the connection to the server and try again."},
    {8041, "The system could not load the application from the server.\n"
           "Please check the connection to the server and try again."},
    {8043, "The application '%1' cannot be deleted\nbecause it is currently in use on the server."},
    {8044, "The application '%1' cannot be deleted\nbecause it is opened for edit on another machine."},
    {8045, "The application '%1' cannot be deleted\n"
           "because it is opened for edit.  Please close the application and try again."},
    {8057, "The application could not be created because the specified\n"
           "application name and ID are currently in use."},
    {8058, "The application could not be created because the specified\napplication name is currently in use."},
    {8059, "The application could not be created because the specified\napplication ID is currently in use."},
    {8060, "The application could not be opened because it is currently being\n"
           "updated by another administrator.\nPlease try again later."},
    {8071, "Server could not unlock application. Local copy will be saved."},
    {8080, "Cannot save a non-exported application as an imported application."},
    {8081, "This application is assigned to an SDN. Cannot make it incomplete!"},
    {8082, "The target application is locked by another PC."},
    {8083, "You cannot delete an application that is imported by another application."},
    {8084, "You cannot delete an application that is assigned to an SDN."},
    {8085, "You cannot UndoExport on imported applications."},
    {8109, "The application could not be created because the maximum application \n"
           "limit has been reached for this server."},
    {8112, "Are you sure you want to delete the application '%1'?"},
    {8114, "The requested application is already open in the workspace."},
    {8117, "You cannot make an application that is exported and/or assigned incomplete."},
};

}  // namespace

const char* KvOperationText(UINT id)
{
    for (const Text& t : kTexts) {
        if (t.id == id)
            return t.text;
    }
    return nullptr;
}

// Open and new share their table; only 28 differs (an open of an application open here
// is answered before the server is asked).
const KvResultMessage kKvOpenResults[] = {
    {27, 8060, false}, {28, 8114, false}, {29, 0, false},    {62, 8063, false},  {63, 8064, false},
    {64, 8065, false}, {72, 8109, false}, {101, 8057, false}, {102, 8059, false}, {103, 8058, false},
    {-1, 8041, false},
};
const KvResultMessage kKvNewResults[] = {
    {27, 8060, false}, {28, 8057, false}, {29, 0, false},    {62, 8063, false},  {63, 8064, false},
    {64, 8065, false}, {72, 8109, false}, {101, 8057, false}, {102, 8059, false}, {103, 8058, false},
    {-1, 8041, false},
};
const KvResultMessage kKvSaveResults[] = {
    {59, 0, false}, {62, 8063, true}, {63, 8064, true}, {64, 8065, true}, {68, 8081, false}, {-1, 8040, true},
};
const KvResultMessage kKvSaveAsResults[] = {
    {20, 8082, true},  {59, 0, false},   {62, 8063, true},    {63, 8064, true},    {64, 8065, true},
    {67, 8080, true},  {68, 8081, true}, {102, 8059, false}, {103, 8058, false}, {-1, 8040, true},
};
const KvResultMessage kKvDeleteResults[] = {
    {24, 8043, false}, {25, 8044, false}, {26, 8045, false}, {69, 8083, false}, {70, 8084, false}, {-1, 8035, false},
};
const KvResultMessage kKvExportResults[] = {
    {62, 8063, true}, {63, 8064, true}, {64, 8065, true}, {-1, 8037, true},
};
const KvResultMessage kKvUndoExportResults[] = {
    {22, 8117, true}, {23, 8085, true}, {59, 0, false}, {62, 8063, true}, {63, 8064, true}, {64, 8065, true},
    {-1, 8038, true},
};
const KvResultMessage kKvPropertiesResults[] = {
    {62, 8063, false}, {63, 8064, false}, {64, 8065, false}, {-1, 8036, false},
};

const KvResultMessage& KvFindResultMessage(const KvResultMessage* table, int result)
{
    const KvResultMessage* row = table;
    while (row->result != -1 && row->result != result)
        ++row;
    return *row;
}

void KvShowResultMessage(const KvResultMessage& row, const char* insert, const char* file, int line)
{
    if (row.message == 0)
        return;
    if (row.stop)
        KvDocError(row.message, insert, file, line);
    else
        KvDocWarning(row.message, insert, file, line);
}
