#pragma once
// The callbacks of the conversion entries and record conversions that need more than
// field moves.

#include "model/pbconv.h"
#include "model/pbconv_record.h"

namespace zeph {

// bVEntry (type 2) before 1.5, run first: entries verified by a user function or giving
// their digits as a number stay bVEntries (answer 3); the others are converted (1).
int ConvertOldEntry(PBInstance& oldPB, PBInstance& newPB, const PBConversion& entry);

// VSpeedVolume (type 133) before 1.5, after the moves: every key does nothing, then each
// of the four old key numbers (fields 1 to 4) gives its key the action of its field and
// enables that action.
int ConvertSpeedVolumeKeys(PBInstance& oldPB, PBInstance& newPB, const PBConversion& entry);

// VToneGetString (type 17) before 1.5 and 2.03, after the moves: the accepted keys of the
// old check boxes (fields 6 to 17) go into a new ToneParms variable "DefToneParmN" that
// the field "Parameters" names.
int ConvertToneKeys(PBInstance& oldPB, PBInstance& newPB, const PBConversion& entry);

// VMenu before 1.5, after the moves: the current Menu has no place for the old "Goto on #"
// and the two last-answer voice sentences; each one that held a value is reported through
// the conversion report, so nothing is dropped silently.
int ReportDroppedOldMenuFields(PBInstance& oldPB, PBInstance& newPB, const PBConversion& entry);
// Record conversions of types 42 and 50 (2.03).
int RecordConversionDone(const unsigned char* oldRecord, unsigned char* newRecord, const RecConversion& entry);
// Record conversion of type 47 (2.03): the accept and terminate masks of the record.
int ConvertRecordEditMasks(const unsigned char* oldRecord, unsigned char* newRecord, const RecConversion& entry);

inline constexpr int kToneParmNameLimit = 999;
inline constexpr const char* kToneParmNamePrefix = "DefToneParm";

}  // namespace zeph
