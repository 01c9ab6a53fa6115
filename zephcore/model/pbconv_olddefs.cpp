// Older definitions of VavurOrezo types, written in the catalogue's field text.
#include "model/pbconv_olddefs.h"

#include <string>

#include "foundation/kvassert.h"
#include "model/pbconv_tables.h"
#include "scribe/fielddesc.h"

namespace zeph {
namespace {

using scribe::ParmLayout;

#define ACCEPTED_KEYS                                                                          \
  "xAccept 1|xAccept 2|xAccept 3|xAccept 4|xAccept 5|xAccept 6|xAccept 7|xAccept 8|xAccept 9|" \
  "xAccept 0|xAccept *|xAccept #"

struct OldDefinitionText {
  OldDefinition which;
  ParmLayout layout;
  const char* fields;
};

constexpr OldDefinitionText kDefinitions[] = {
    {OldDefinition::ToneGetStringBefore15, ParmLayout::Standard,
     "vString Variable:str|eMax Characters:small|eTimeout (Sec):int|gCompleted|gTimeout|"
     "eInter-Digit Timeout (mSec):int,?|" ACCEPTED_KEYS},
    {OldDefinition::ToneGetStringBefore203, ParmLayout::Extended,
     "vString Variable:str|eMax Characters:small|eTimeout (mSec):int|gCompleted|gTimeout|"
     "eInter-Digit Timeout (mSec):int,?|" ACCEPTED_KEYS
     "|rWait Mode:radio=Wait for Timeout/Wait Forever/No Wait"},
    {OldDefinition::WaitCallBefore15, ParmLayout::Standard,
     "eTimeout (Sec):int|eRings Before Answer:small|gCall Arrived|gTimeout"},
    {OldDefinition::SpeedVolumeBefore15, ParmLayout::Standard,
     "eSpeed Step:small|eSpeed Up Key:small,?|eSpeed Down Key:small,?|eVolume Up Key:small,?|"
     "eVolume Down Key:small,?|gGoto:next"},
    {OldDefinition::VoiceRecordBefore403, ParmLayout::Extended,
     "eVoice File Name:str,len=121|vRecord Voice Parameters:T50|"
     "eMaximum Recording Time (mSec):int|eRecord Offset (mSec):int,?|sPrompt Voice Sentence:?|"
     "vLength Recorded (mSec):int,?|gGoto on Recorded:label=Recorded|"
     "gGoto on Silence:label=Silence|gGoto on Max Length:label=Max Length|"
     "gCNG Fax Tone Detected:label=Fax Tone,?|xUnlimited Recording Length|"
     "xAccept CNG Fax Input|rRecord From:radio=Offset/Current Body/Start of File"},
};

#undef ACCEPTED_KEYS

const OldDefinitionText& TextOf(OldDefinition which) {
  for (const OldDefinitionText& d : kDefinitions) {
    if (d.which == which) return d;
  }
  return kDefinitions[0];
}

}  // namespace

ParmLayout OldDefinitionLayout(OldDefinition which) { return TextOf(which).layout; }

const PBFieldDef* BuildOldDefinition(OldDefinition which, ParmVersionTables& tables) {
  const OldDefinitionText& d = TextOf(which);
  std::string error;
  auto table = scribe::BuildFieldTable(d.fields, d.layout, &error);
  KV_ASSERT(error.empty());
  return tables.KeepTable(std::move(table));
}

}  // namespace zeph
