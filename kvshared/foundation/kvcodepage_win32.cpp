// Code-page conversions through the system's ANSI and OEM code pages.
#include "foundation/kvcodepage.h"

#include <windows.h>

void KvCharUpperBuff(char* text, int n)
{
    if (n > 0)
        CharUpperBuffA(text, static_cast<DWORD>(n));
}

void KvCharLowerBuff(char* text, int n)
{
    if (n > 0)
        CharLowerBuffA(text, static_cast<DWORD>(n));
}

void KvCharToOemBuff(char* text, int n)
{
    if (n > 0)
        CharToOemBuffA(text, text, static_cast<DWORD>(n));
}

void KvOemToCharBuff(char* text, int n)
{
    if (n > 0)
        OemToCharBuffA(text, text, static_cast<DWORD>(n));
}

std::string KvWideToAnsiString(const wchar_t* text)
{
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return std::string();
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(size - 1));
    return out;
}

std::wstring KvAnsiToWideString(const char* text)
{
    const int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (size <= 1)
        return std::wstring();
    std::wstring out(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, out.data(), size);
    out.resize(static_cast<std::size_t>(size - 1));
    return out;
}
