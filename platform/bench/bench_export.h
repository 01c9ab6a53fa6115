#pragma once
// Classes of zephbench are exported from the DLL on Windows; the static library and the
// native build see plain declarations.
#if defined(_WIN32) && defined(ZEPHBENCH_BUILD)
#define ZEPHBENCH_API __declspec(dllexport)
#else
#define ZEPHBENCH_API
#endif
