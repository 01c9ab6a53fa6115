#pragma once
// Text forms of typed constants: parsing, checking and formatting, and the number and
// date-time tests that the VavurOrezo fields use. Pure functions of their arguments.
//
// A constant text may start with an apostrophe, which marks it as a constant and is
// skipped. Value buffers hold the type's storage size; strings the caller's buffer length.

#include <cstdint>
#include <string>

namespace zeph {

// The whole text must be a floating number: returns it with status 0, else 0 and -134.
double ParseDouble(const char* text, int* status);
// Parses a number of a numeric code into the buffer: 0, -134, -135 or -155.
int ParseNumberOfType(const char* text, void* buffer, int code);
// Parses (store 1) or only checks (store 0) a constant of a type. `length` is the buffer
// length for *STRING values. 0 or the error code.
int ParseConstantValue(const char* text, void* buffer, int code, int length, int store);
// The constant text of a stored value; -1 for a code without a constant form, else 0.
int FormatConstantValue(std::string& out, const void* value, int code);
// The first of smallinteger, integer, smallnumber, *NUMBER, character that parses the
// text (value stored in the buffer, at least 8 bytes); 0 when none does.
int GuessConstantType(const char* text, void* buffer);

// Number tests.
bool IsNumberText(const char* text, double* value);
bool IsBlankText(const char* text);
bool IsNumberInRange(const char* text, double low, double high);
bool IsIntegerInRange(const char* text, double low, double high);
// A character constant: a double quote and one character, or a number -128..127.
int CheckCharConstant(const char* text);

// Date-times in the 14-digit form YYYYMMDDHHMMSS; `floor` refuses texts before 1980.
int CheckDateTime14(const char* text, bool floor);
int DateTimeToTime(const char* text, std::int32_t* time);
std::string TimeToDateTime(std::int32_t time);

}  // namespace zeph
