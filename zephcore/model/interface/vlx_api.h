#pragma once
// Marks what the model DLL exports to the designer.

#if defined(_WIN32) && defined(ZEPHCORE_BUILD)
#define ZEPHCORE_API __declspec(dllexport)
#else
#define ZEPHCORE_API
#endif
