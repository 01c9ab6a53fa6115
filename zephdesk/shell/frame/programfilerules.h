// The frame's file, run and help rules apart from their windows: the run file of an
// application file, the documentation address, the program folder, the tutorial's path
// and the parts of a qualified block name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The path of a program that was never saved.
inline constexpr char kUntitledProgram[] = "Untitled";

// The path with its extension replaced by ".run" (or ".run" appended when it has none).
std::string RunFilePath(const std::string& programPath);

// Whether the run file must be rebuilt: a missing run file counts as older; a missing
// application file never asks.
bool IsRunFileOlder(std::optional<std::int64_t> runTime, std::optional<std::int64_t> programTime);

inline constexpr char kDocumentationPath[] = "/vnmgr/vndocs/en-us/default.asp";
// The online documentation: on the host before the first blank of the server name text,
// on the local machine when that part is empty (working stand-alone).
std::string DocumentationAddress(const std::string& serverName);

// The folder the first save switches to: "<VLX>\UPROG", "\VLX\UPROG" without the variable.
std::string ProgramFolder(const char* vlxVariable);

// The tutorial program in the help folder's drive and directory.
std::string TutorialPath(const std::string& helpFolder);

// "page$block": the page before the last "$" and the block after it; "Main" without one.
struct QualifiedName {
    std::string page;
    std::string block;
};
QualifiedName SplitQualifiedName(const std::string& name);
