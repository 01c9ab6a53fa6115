#pragma once
// Header files of a program: application files in the program folder whose header-marked
// constants and structures are copied into the program, marked as coming from a header
// (IsConst / FromHeader 1), refreshed on every import and removed with the header. A
// scratch program receives the file; it is current only inside one operation and is
// emptied after each.

#include <ostream>
#include <string>

namespace zeph {

class TProgram;
struct StructDef;

// Copies a header's structure definition into the program as a new structure of the same
// name, with the structures it depends on (the model clipboard's copy and paste). 0, or a
// model code.
class HeaderStructurePaste {
 public:
  virtual ~HeaderStructurePaste() = default;
  virtual int Paste(TProgram& scratch, const StructDef& structure, TProgram& program) = 0;
};
// The paste in use; null: the model clipboard's.
void SetHeaderStructurePaste(HeaderStructurePaste* paste);

// Reads a header file into the scratch program (current while it reads): 0; 1 when the file
// cannot be opened (reported); -10 when its model part cannot be read (reported).
int ReadHeaderFile(TProgram& scratch, const char* name, std::ostream* log);

// 1 imported; 0 when the file could not be read.
int ImportHeader(TProgram& program, TProgram& scratch, const char* name, std::ostream* log);
// Imports every header the program lists, then settles what no header supplies any more.
// 1; 0 when a failure ended a logged run.
int ImportAllHeaders(TProgram& program, TProgram& scratch, std::ostream* log);
// 0 removed; 1 something of the header is in use (nothing removed); 2 the file could not
// be read or the header symbol not removed.
int RemoveHeader(TProgram& program, TProgram& scratch, const char* name);

}  // namespace zeph
