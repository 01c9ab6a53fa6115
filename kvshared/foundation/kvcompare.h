// The one text order of the system: the ASCII lower-case forms first, ties broken by
// plain byte order. It is a total order, and two texts compare equal only when they are
// the same bytes.
#pragma once

// Negative, zero or positive, as a is before, equal to or after b.
int KvCompareText(const char* a, const char* b);
