// The shared text stream of the application text file. One stream is current for the
// whole process: the shared file stream (after OpenTextStream) or a stream owned by a
// caller (after SetTextStream). Lines are written with CR LF and read without their
// line end (CR LF or a bare LF).
#pragma once

#include <iosfwd>
#include <string>

// Open-mode bits of OpenTextStream.
enum KvTextStreamMode : int {
    kKvTextRead = 1,
    kKvTextWrite = 2,  // empties the file unless kKvTextRead is given too
};

// The current text stream, or null.
std::iostream* GetTextStream();

// Opens the shared file stream on path (binary, so line ends are written as given) and
// makes it current. Null, and no current stream, when the file cannot be opened.
std::iostream* OpenTextStream(int mode, const char* path);

// Makes a caller's stream current; the caller keeps it. Returns 0.
int SetTextStream(std::iostream* stream);

// Closes the shared file stream when given it; other streams are left to their owners.
// The current stream is not reset.
void CloseTextStream(std::iostream* stream);

// Writes text and CR LF. 1, or 0 when there is no current stream or the write failed.
int WriteTextLine(const std::string& text);

// Reads the next line without its line end. 1, or 0 (and an empty text) at the end of
// the stream, after a read error or without a current stream: a reader never loops on
// an exhausted stream.
int ReadTextLine(std::string& text);

// True when the current stream is missing, failed, or has no further line.
bool IsTextStreamAtEnd();
