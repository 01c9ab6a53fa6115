#pragma once
// What a file of an older form leaves out and the program needs, added after a read.

namespace zeph {

class TProgram;

// Counts the live VavurOrezos; gives every page its page data and its End Blocks' exits;
// gives system variables without a value their defaults. (A fax item whose file record
// is missing was given a zeroed one by the symbol reader.) Without a Custom VavurOrezo
// section in the file, the Custom VavurOrezos that blocks name are made and their uses
// counted. 0, or -102.
int CompleteAfterRead(TProgram& program, bool fileHadCustoms);

}  // namespace zeph
