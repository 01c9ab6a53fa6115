// Conversion of a record read in an older layout into the current layout of its data
// type. Fields are matched by name, with the renames the layouts went through
// (UniqueID to UniqueUserID, CallID to Z4_CallID, DNType to CallingDNType). A matched
// number keeps its value in the new width, a matched text is cut to the new width less
// one; fields without a match keep their start value (zero), fields that are gone are
// dropped.
#pragma once

#include "foundation/kvrecord.h"

void KvvlsConvertRecord(const AbstrRecord& older, AbstrRecord& current);
