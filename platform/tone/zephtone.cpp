#include "tone/zephtone.h"

int Zephtone_RecordVoice(std::int16_t, std::int16_t, const char*, const char*, const char*, const char*, const char*) {
    // There is no telephone here to call: the recording cannot start.
    return kZephtoneNoLine;
}
