// The password encryption of telephone-set maintenance passwords.
#pragma once
#include <cstdint>

// Writes exactly 8 bytes into out: the code of plain. The same text always gives the same
// bytes; read as a little-endian double they are finite, so a script may carry them as a
// number written with "%.18e". *status stays 0 on success (1 for a null argument).
void Zephmesh_PwdEncrypt(const char* plain, char* out, std::int16_t* status);
