// Character conversions of the platform's ANSI and OEM code pages. Windows uses the
// system's code pages; elsewhere the ANSI page is Windows-1252 and the OEM page 437.
#pragma once

#include <string>

// Upper-/lower-cases n characters in place (locale-aware for the ANSI page).
void KvCharUpperBuff(char* text, int n);
void KvCharLowerBuff(char* text, int n);

// Converts n characters in place between the ANSI and the OEM page.
void KvCharToOemBuff(char* text, int n);
void KvOemToCharBuff(char* text, int n);

// Whole zero-terminated texts between wide characters and the ANSI page.
std::string KvWideToAnsiString(const wchar_t* text);
std::wstring KvAnsiToWideString(const char* text);
