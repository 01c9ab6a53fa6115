// Pieces of date and time text shared by the month-and-day and time values.
#pragma once

#include "foundation/kvstring.h"

struct KvTwoNumbers {
    bool hasFirst = false;  // the text starts with digits
    int first = 0;          // the leading digits
    bool hasSecond = false;
    int second = 0;         // the digits after exactly one separator character
};

// Reads "<digits><one separator><digits>" after leading white space.
KvTwoNumbers KvSplitTwoNumbers(const CString& text);
// "<leading digits><separator><first run of digits after them>", both ends trimmed first.
CString KvJoinTwoNumbers(const CString& text, char separator);

inline bool KvIsDigit(char c)
{
    return c >= '0' && c <= '9';
}
inline bool KvIsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
// Punctuation or white space: what may stand between the two numbers.
bool KvIsSeparatorChar(char c);
