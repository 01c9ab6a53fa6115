// The name under which the model knows an imported application's library: the
// application's name, a point and its ID, at most 31 characters (a longer name is cut so
// that the result has 30).
#pragma once

#include <string>

std::string MakeLibraryName(int id, const char* name);
// The same into a buffer of at least 32 characters.
void MakeLibraryName(int id, const char* name, char* out);
