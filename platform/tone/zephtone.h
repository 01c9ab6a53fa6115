// Voice recording through the telephone: the library calls the user's telephone set,
// records and stores the recording as a multimedia record on the server.
#pragma once
#include <cstdint>

// No telephone line can be reached from this machine: every recording fails with this code.
inline constexpr int kZephtoneNoLine = 43901;

// 0 when recorded and stored; otherwise a non-zero code of the failed recording.
int Zephtone_RecordVoice(std::int16_t recordId, std::int16_t mediaType, const char* mmfsPath, const char* server,
                         const char* userId, const char* encodedPassword, const char* mailAddress);
