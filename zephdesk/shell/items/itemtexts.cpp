#include "shell/items/itemtexts.h"

#include <string>

#include "foundation/kvflthnd.h"
#include "shell/document/doctexts.h"

namespace {

struct Text {
    UINT id;
    const char* text;
};

const Text kTexts[] = {
    {8003, "The system is out of memory. Please close down some applications and try again."},
    {8014, "Select an application window before attempting to add voice items."},
    {8015, "Select an application window before attempting to delete voice items."},
    {8016, "Select an application window before attempting to add fax items."},
    {8017, "Select an application window before attempting to delete fax items."},
    {8018, "Select an application window before attempting to record a voice item."},
    {8019, "Select an application window before attempting to import a voice item."},
    {8020, "Select an application window before attempting to import a fax item."},
    {8021, "Select an application window before attempting to define voice items."},
    {8022, "Select an application window before attempting to define fax items."},
    {8028, "The system could not add the voice item on the server.\n"
           "Please check the connection to the server and try again."},
    {8029, "The system could not delete the voice item on the server.\n"
           "Please check the connection to the server and try again."},
    {8030, "The system could not add the fax item on the server.\n"
           "Please check the connection to the server and try again."},
    {8031, "The system could not delete the fax item on the server.\n"
           "Please check the connection to the server and try again."},
    {8032, "The system could not record the voice item on the server.\n"
           "Please check the connection to the server and try again."},
    {8033, "The system could not import the voice item onto the server.\n"
           "Please check the connection to the server and try again."},
    {8034, "The system could not import the fax item onto the server.\n"
           "Please check the connection to the server and try again."},
    {8046, "The specified voice item ID is either invalid or currently in use."},
    {8047, "The specified voice item name is either invalid or currently in use."},
    {8048, "The specified fax item ID is either invalid or currently in use."},
    {8049, "The specified fax item name is either invalid or currently in use."},
    {8106, "The tiff format of the selected fax is not supported."},
    {8110, "The format of the selected .wav file is not supported."},
    {8113, "Are you sure you want to delete the selected item?"},
};

}  // namespace

const char* KvItemText(UINT id)
{
    for (const Text& t : kTexts) {
        if (t.id == id)
            return t.text;
    }
    return KvDocText(id);
}

int KvItemWarning(UINT id, const char* insert)
{
    const char* text = KvItemText(id);
    std::string filled = text != nullptr ? text : "";
    const std::size_t at = filled.find("%1");
    if (at != std::string::npos)
        filled.replace(at, 2, insert != nullptr ? insert : "");
    const KvFaultMessage message = KvFaultMessage::FromText(id, filled.c_str());
    return KvGetFaultHandler()->Report(0x20000, kKvSeverityWarning, kKvButtonsOk, 0, &message, nullptr, 0,
                                       __FILE__, __LINE__);
}
