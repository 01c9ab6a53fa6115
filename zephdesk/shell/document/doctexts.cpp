#include "shell/document/doctexts.h"

#include <string>

#include "foundation/kvflthnd.h"
#include "shell/operations/operationtexts.h"

namespace {

struct Text {
    UINT id;
    const char* text;
};

const Text kTexts[] = {
    {8004, "The application ID must be in the range 1000-49999 (inclusive)."},
    {8005, "The application with the name '%1' could not be found.\n"
           "Please enter a different name or select an application from the list."},
    {8006, "Please enter the application name or select an application from the list."},
    {8010, "Select an application window before attempting to import."},
    {8012, "Select an application window before attempting to remove an import."},
    {8036, "The system could not update the application properties on the server.\n"
           "Please check the connection to the server and try again."},
    {8039, "The system could not update the list of imported applications on the server.\n"
           "Please check the connection to the server and try again."},
    {8042, "The imported application: %1\ncannot be removed because it is currently in use."},
    {8062, "Selected Restriction/Permission could not be updated. Please try to select again"},
    {8063, "Server disk is full. Server will not perform any operation"},
    {8064, "Database space is full.Server will not perform any operation"},
    {8065, "MISA space is full.Server will not perform any operation"},
    {8067, "List of Applications not available on the server"},
    {8068, "List of Volumes not available on the server"},
    {8069, "List of Languages not available on the server"},
    {8070, "List of Restriction/Permission not available on the server"},
    {8102, "The following blocks reference restriction/permission lists that are not available on this system.\n\n%1\n"
           "Please verify the restriction/permission list selected for each ThruDial block."},
    {8103, "The following blocks reference a language that is not available on this system.\n\n%1\n"
           "Please verify the language selected for each SetLanguage block. "},
    {8121, "A filename cannot contain any of the following characters:\n  \\ / : * ? \" < > |"},
    {8119, "The import (Imported Application ID = %1) could not be completed because \n"
           "the ID matches the current application."},
};

std::string Fill(const char* text, const char* insert)
{
    std::string out = text;
    const std::size_t at = out.find("%1");
    if (at != std::string::npos)
        out.replace(at, 2, insert != nullptr ? insert : "");
    return out;
}

int Show(UINT id, int severity, const char* insert, const char* file, int line)
{
    const char* text = KvDocText(id);
    const KvFaultMessage message = KvFaultMessage::FromText(id, Fill(text != nullptr ? text : "", insert).c_str());
    return KvGetFaultHandler()->Report(0x20000, severity, kKvButtonsOk, 0, &message, nullptr, 0, file, line);
}

}  // namespace

const char* KvDocText(UINT id)
{
    for (const Text& t : kTexts) {
        if (t.id == id)
            return t.text;
    }
    return KvOperationText(id);
}

int KvDocWarning(UINT id, const char* insert, const char* file, int line)
{
    return Show(id, kKvSeverityWarning, insert, file, line);
}

int KvDocError(UINT id, const char* insert, const char* file, int line)
{
    return Show(id, kKvSeverityStop, insert, file, line);
}

UINT KvServerFaultMessage(int result, UINT fallback)
{
    switch (result) {
    case 62:
        return 8063;
    case 63:
        return 8064;
    case 64:
        return 8065;
    default:
        return fallback;
    }
}
