#pragma once
// The program's own sections of the model part: its Custom VavurOrezos, its DLL prototype
// text and its four default folders.

namespace zeph {

struct EdContext;
class TProgram;

// Each writes its section only when it holds something (the default folders only when
// one differs from a new program's). 0 or 9754.
int WriteCustomVavurOrezos(TProgram& program);
int WriteDllText(TProgram& program);
int WriteDiskDefaults(TProgram& program);

// Each reads its section (its begin tag already taken). 0, -158, -102 or 9754.
int ReadCustomVavurOrezos(EdContext& ctx);
int ReadDllText(EdContext& ctx);
int ReadDiskDefaults(EdContext& ctx);

}  // namespace zeph
