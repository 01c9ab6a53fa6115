#pragma once
// The pick button of a voice-sentence field of an own form: the voice sentence list
// ("VS_VS1") runs on the form's pick request and, after Done, the chosen sentence's name
// replaces the edit's text. Windows only.

#include "forms/win32/genericform.h"

namespace zeph {

// Takes the entry's restrictions as they are (the entry is not changed), presets the
// choice from the edit and runs the list on the current program. The list is deleted
// after its run. Answers the list's result (IDCANCEL when it could not be made).
int PickSentenceField(TGenericForm& form, const PBFieldDef& entry, TEdit* edit);

}  // namespace zeph
