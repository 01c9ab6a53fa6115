#pragma once
// The background brushes of the frame's bars, made once from the named-brush table and
// kept for the life of the process (window classes hold them).

#include <windows.h>

namespace ed {

// The brush of the named colour; the button face colour when the table has no such name.
HBRUSH BarBackground(const char* name);

}  // namespace ed
