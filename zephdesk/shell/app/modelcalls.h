// The model library's calls that start-up and shut-down make, behind one interface so that
// tests record their order; the program uses the library's exports.
#pragma once

#include "model/interface/vlx_records.h"

class DesignerModelCalls {
public:
    virtual ~DesignerModelCalls() = default;
    virtual const char* ProductName() = 0;
    virtual void ToggleBackTypes() = 0;
    virtual void LoadUserDefIni() = 0;
    virtual void FreeUserDefIni() = 0;
    // Fills table with the palette groups of kind 0 (main) or 1 (old VavurOrezos); the
    // groups are the caller's to delete.
    virtual void GetVavurOrezoList(zeph::IconInfoTable& table, int kind, int newServer) = 0;
    virtual void SetNotificationMessage(unsigned message) = 0;
    // Whether an error was written to a build log since the flag was cleared.
    virtual bool AppErrorExists() = 0;
};

// Deletes the groups of a filled palette table and clears it.
void FreePaletteTable(zeph::IconInfoTable& table);
