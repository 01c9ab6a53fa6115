#pragma once
// The name of a window message for trace lines: "WM_PAINT", or "WM_0x8001" for a number
// the table does not know.
#include <windows.h>

#include <string>

std::string MessageName(UINT msg);
