#pragma once
// Field tables of older definitions that conversion entries read old parameters with and
// that the field-table library does not serve.

#include "model/pbfielddef.h"
#include "scribe/parmlayout.h"

namespace zeph {

class ParmVersionTables;

enum class OldDefinition {
  ToneGetStringBefore15,   // type 17: timeout in seconds, accepted keys as check boxes
  ToneGetStringBefore203,  // type 17: timeout in milliseconds, keys as check boxes
  WaitCallBefore15,        // type 7: timeout in seconds
  SpeedVolumeBefore15,     // type 133: one key number per action
  VoiceRecordBefore403,    // type 229: record offset chosen by a radio group
};

// The layout the old definition was stored in.
scribe::ParmLayout OldDefinitionLayout(OldDefinition which);
// Builds the old definition's table and keeps it in the store.
const PBFieldDef* BuildOldDefinition(OldDefinition which, ParmVersionTables& tables);

}  // namespace zeph
