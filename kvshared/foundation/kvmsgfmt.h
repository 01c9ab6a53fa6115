// The message formatter: "%1" ... "%99" take the arguments in order, as texts unless
// the insert names another printf form between exclamation marks ("%2!d!"). "%0" ends
// the text, "%n" is a line break (CR LF), "%r" a carriage return, "%t" a tab, and "%"
// before any other character stands for that character ("%%", "%.", "%!").
#pragma once

#include <cstdarg>
#include <string>

// Formats into out; false (out empty) when the format is malformed.
bool KvFormatMessageText(const char* format, va_list args, std::string& out);
