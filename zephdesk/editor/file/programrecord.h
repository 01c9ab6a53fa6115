#pragma once
// The program's header record in the "{Program}" section of the application file: its id,
// the application information and the zoom level of its page windows. A save writes all
// 38 columns; a load takes a line of 1, 29, 37 or 38 columns whatever the file's version
// (files of version 9.00 carry 38), and a column the line lacks leaves the program's value.

namespace ed {

class Program;

// 1 to go on; 0 when the line could not be written and the report's answer was to stop.
int WriteProgramRecord(Program& program, short& errorMode);
// 2 at the section's end tag; 1 when the record was taken, or was malformed and the
// report's answer was to go on; 0 to stop.
int ReadProgramRecord(Program& program, short& errorMode);

}  // namespace ed
