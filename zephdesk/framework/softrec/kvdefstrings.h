// The texts of the definitions (labels, parameter names, messages) and of the framework,
// compiled in from the same source as the program's string resources: natively they are
// the string table; on Windows they let tests compare the resources with their source.
#pragma once

#include <vector>

#include "foundation/kvstrtab.h"

class KvDefinitionStrings : public KvStringTable {
public:
    int Load(UINT nID, char* buf, int nMaxBuf) const override;
    // The text of an id, null when there is none.
    static const char* Find(UINT nID);
    static std::vector<UINT> Ids();
};
