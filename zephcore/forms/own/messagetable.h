#pragma once
// The field table of the message VavurOrezo's own form: its main voice sentence, its
// message parameters and its two gotos, in the order and at the offsets of the type's
// parameter layout.

#include "model/pbfielddef.h"

namespace zeph {

inline constexpr int kMessageFormEntries = 4;

// The entries and the end entry (an empty name).
const PBFieldDef* MessageFormTable();

}  // namespace zeph
