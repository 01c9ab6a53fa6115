// The display-list text order of the platform's lstrcmpA: the real call on Windows, and
// natively an emulation that agrees with it on plain texts (letters alphabetical
// regardless of case, the lower-case form first when two texts differ only in case, and
// equality only for the same characters).
#pragma once

// Negative, zero or positive, as a sorts before, equal to or after b.
int KvLstrcmp(const char* a, const char* b);
