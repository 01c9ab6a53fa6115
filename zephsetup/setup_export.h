#pragma once
// Classes of zephsetup are exported from the DLL on Windows; the static library that the
// tests link sees plain declarations.
#if defined(_WIN32) && defined(ZEPHSETUP_BUILD)
#define ZEPHSETUP_API __declspec(dllexport)
#else
#define ZEPHSETUP_API
#endif
