#pragma once
// The model part of the application file: the file version, the user structures, the
// symbols with their values, the Custom VavurOrezos, the DLL text, the default folders and
// the VavurOrezo instances. The designer writes and reads its own sections around it.

#include <cstdio>
#include <iosfwd>

namespace zeph {

class TProgram;

// Writes the model part to the stream (the designer's text stream). 0; -156 without a
// stream; 9754 when the user stopped at a prompt.
int DiskWriteProgram(TProgram& program, std::iostream* stream, short mode);

// Reads the model part into the program (emptied by the caller). With a stream the text
// form is read from it (lines before "{VERSION}" are skipped); without one the raw form is
// read from the file. 0; -158 no file, a damaged or cut file; -169 a file of a newer
// version; -102 out of memory; 9754 when the user stopped at a prompt.
int DiskReadProgram(TProgram& program, std::FILE* file, std::iostream* stream, short mode);

// Copies what open code editors hold back into the program before it is saved; the build
// driver's editors install it (null: none).
using EditorCopyBack = void (*)(TProgram& program);
void SetEditorCopyBack(EditorCopyBack copyBack);

}  // namespace zeph
