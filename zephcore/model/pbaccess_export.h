#pragma once
// The model interface's field-entry exports: a VavurOrezo's parameters by field name. The
// VavurOrezo handle is its instance record. Values as PBFieldAccessor takes and gives
// them: a std::int32_t for check boxes and radio groups, text otherwise (GetEntry writes a
// std::string).

#include "foundation/kvwintypes.h"
#include "model/interface/vlx_api.h"

// Notify and refresh on. 0 set; -3 without a current program; -11 when the field is
// unknown, the value is null or the value could not be stored, after a message saying
// which.
ZEPHCORE_API int vlxSetVavurOrezoEntry(void* vavurOrezo, const char* fieldName, const void* value);

// Notify and refresh on. The field's value slot (or 16-bit word) after writing its value
// to out; null without a current program or for an unknown field.
ZEPHCORE_API const void* vlxGetVavurOrezoEntry(void* vavurOrezo, const char* fieldName, void* out);

// 1 when the text is valid for the field or null; 0 when it is invalid, the field is
// unknown or no program is current. Messages are owned by the window when one is given.
ZEPHCORE_API int vlxVerifyVavurOrezoEntry(void* vavurOrezo, const char* fieldName, const char* text, HWND window);

// Runs every change table of the VavurOrezo (notify off); 1 when all ran and one of them
// changed a goto drawing flag or a goto label, else 0 (also without a current program).
ZEPHCORE_API int vlxExecuteVavurOrezoChangeTables(void* vavurOrezo);
