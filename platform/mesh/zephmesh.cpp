#include "mesh/zephmesh.h"

void Zephmesh_PwdEncrypt(const char* plain, char* out, std::int16_t* status) {
    if (!plain || !out) {
        if (status) *status = 1;
        return;
    }
    // FNV-1a over the text, its bytes high first (as the server's password code shows them).
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(plain); *p; ++p) {
        hash ^= *p;
        hash *= 1099511628211ull;
    }
    unsigned char bytes[8];
    for (int i = 7; i >= 0; --i) {
        bytes[i] = static_cast<unsigned char>(hash & 0xFF);
        hash >>= 8;
    }
    // As a little-endian double the exponent lies in bytes 7 and 6; an all-ones exponent
    // (infinity or NaN) loses its top bit, so every code is a finite number.
    if ((bytes[7] & 0x7F) == 0x7F && (bytes[6] & 0xF0) == 0xF0) bytes[7] &= 0xBF;
    for (int i = 0; i < 8; ++i) out[i] = static_cast<char>(bytes[i]);
}
