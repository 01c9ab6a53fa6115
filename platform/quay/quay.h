#pragma once
// The script compiler's C interface: what the model library (and zephquay.dll) offers.
// Every function is safe to call in any order; a failed compile keeps its error record
// until the next compile that is not a reset.

#include <cstdint>

#if defined(_WIN32) && defined(ZEPHQUAY_DLL)
#define QUAY_EXPORT __declspec(dllexport)
#else
#define QUAY_EXPORT
#endif

extern "C" {

// Sizes of the buffers _GetErrorLocInfo fills (the terminating zero included).
enum { QUAY_FILE_MAX = 260, QUAY_SECTION_MAX = 128 };

// Supplies the declarations that a compile needs but the script does not hold, as script
// text (sections as in any include file). The returned text stays valid until the next call.
typedef const char* (*QuayDeclarationProvider)(void* context);

// Resets the compiler, clears the error record and registers the provider (null: none).
QUAY_EXPORT int _InitCompiler(QuayDeclarationProvider provider, void* context);

// Compiles the files paths[0..3] (system include, script, system functions, extra; an empty
// or null path is skipped) into output. A non-empty text is compiled in place of paths[1].
// lineTable adds a line table to the run file, keepNames keeps label names, deleteOnError
// removes an old output file when the compile fails. The output "NUL" only resets the
// compiler; the error record of the last failure stays. Returns 0 or the error code.
QUAY_EXPORT int _Compile(const char* output, const char* text, const char* const* paths,
                         int lineTable, int keepNames, int deleteOnError, int reserved);

// The last error's file, position (1-based line in its file), section and line within the
// section; position and line saturate at 65535. Any argument may be null. Returns the code.
QUAY_EXPORT int _GetErrorLocInfo(char* file, std::uint16_t* position, char* section,
                                 std::uint16_t* line);

// The text of the last error, which must carry the given code (otherwise the code's bare
// text), cut to fit size bytes. Returns the length written.
QUAY_EXPORT int _UErrorMess(int code, char* buffer, int size);
}
