// The Options > Auto Save Options record: definition 22809 run in dialog 14520.
#pragma once

#include <cstdint>

// Runs the record with the values given and gives back what it holds when the dialog
// closed, whichever way that was.
void KvRunAutoSaveOptions(bool& enabled, std::int32_t& minutes);
