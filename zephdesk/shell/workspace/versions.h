// Version texts of the server and the designer ("1.06.04", "2.1a", "2.1 B"): their four
// numbers and their order.
#pragma once

#include <array>

// {major, minor, third, letter flag}. A letter in place of the third number counts as
// "a" 1 .. "z" 26 and "A" 27 .. "Z" 52 with the letter flag 1.
using KvVersion = std::array<int, 4>;

KvVersion KvParseVersion(const char* text);
// 0 equal; else the first of the four numbers that differs decides: 2 when a's is the
// smaller, 1 when a's is the larger.
int KvCompareVersions(const char* a, const char* b);
