// The live symbols of one type of the current program, in the model's order.
#pragma once

#include <vector>

namespace zeph {
struct Symbol;
}

std::vector<zeph::Symbol*> KvSymbolsOfType(short type);
