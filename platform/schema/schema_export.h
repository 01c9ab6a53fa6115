#pragma once
// Classes of zephschema are exported from the DLL on Windows; the static library and the
// native build see plain declarations.
#if defined(_WIN32) && defined(ZEPHSCHEMA_BUILD)
#define ZEPHSCHEMA_API __declspec(dllexport)
#else
#define ZEPHSCHEMA_API
#endif
