// A refusal of a frame command reported through the fault handler: the string-table text
// with the warning icon and an OK button.
#pragma once

#include "foundation/kvwintypes.h"

void ReportRefusal(UINT stringId, const char* file, int line);
#define REPORT_REFUSAL(id) ReportRefusal((id), __FILE__, __LINE__)
