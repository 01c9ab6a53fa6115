#include "shell/app/modelcalls.h"

void FreePaletteTable(zeph::IconInfoTable& table) {
    for (auto*& group : table.Groups) {
        delete group;
        group = nullptr;
    }
}
