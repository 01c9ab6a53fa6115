// The install folders of the designer and the files around them: application files
// (".ed") of the program folder, description files (".dsc"), exported libraries (".rll")
// of the export folder, and the descriptions of voice and fax items.
//
// The folders come from the registry key below the local machine; a folder value ends
// with a separator. Path outputs take kKvPathMax characters, descriptions
// kKvDescriptionMax. A path that would not fit gives the operation's failure result.
// Names passed to these functions are bare file names without a folder.
#pragma once

constexpr int kKvPathMax = 260;
constexpr int kKvDescriptionMax = 100;

inline constexpr const char kKvProductKey[] = "SOFTWARE\\Tarvix\\Vantora\\Flowsmith";
inline constexpr const char kKvDefaultProgDir[] = "C:\\Tarvix\\Ulvo\\Uprog\\";

// Registry folders: the value (with its trailing separator) and 1, or an empty text and 0
// when the key or value is missing.
int GetProgDir(char* dst);
int GetIncludeDir(char* dst);
int GetHelpDir(char* dst);

// Makes the program folder current and lists its "*.ed" files: path = folder + name and
// 1 for each, an empty path and 0 at the end.
int FindFirstProgramFile(char* path);
int FindNextProgramFile(char* path);

// Creates name + ".dsc" in the program folder with text; 0 when it exists already or
// cannot be made.
int WriteProgramDescription(const char* name, const char* text);
// Deletes every file of the program folder with the base name of path, whatever its
// extension; the current folder is left alone.
int DeleteProgramFiles(const char* path);
// 1 when name + ".dsc" exists in the program folder (which becomes current).
int ProgramDescriptionExists(const char* name);

// Copies "rll.tpl" of the export folder to name (cut at its first '.') + ".rll" there;
// fails when the target exists. Nonzero on success.
int CreateExportRll(const char* name);
// Lists the export folder's "*.rll" files: name cut at its first '.', and the first line
// of that name's description in the program folder. 1 for each, 0 at the end.
int FindFirstExport(char* name, char* description);
int FindNextExport(char* name, char* description);

// Descriptions of voice items (names beginning with 'v') and fax items (all others) in
// the Voice and Fax folders of the program folder, which is current afterwards.
int ReadMediaDescription(const char* name, char* description);
int ReplaceMediaDescription(const char* name, const char* text);
int WriteMediaDescription(const char* name, const char* text);
void DeleteMediaDescription(const char* name);
