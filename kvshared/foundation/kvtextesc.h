// Escaping of string values inside a record line, and the line reader's field split.
//
// Inside a line a string value is written with "," as "~,", the line end CR LF as
// "^Enter^" and, when the escaped text ends in "~", a "~," appended so that the "~" does
// not join the separator. A bare LF is written as "^Enter^" too, so no line is ever
// broken. Those forms cannot carry every value: a value ending in "~" reads back with a
// "," added, a literal "^Enter^" reads back as a line end, a bare LF as CR LF. Such a
// value is carried a second time, exactly, behind the record's close string:
//
//     <abc~~,,>^Exact0=6162637E^
//
// one "^Exact<field index>=<hex bytes>^" item per such field. A line reader of the old
// form ignores what follows the close string, and lines without items read exactly as
// they always did. An item is taken only when the whole tail is well formed and the
// field's own text is the one its exact value would have been written as.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The field text of a string value (the escaping above).
std::string KvEscapeFieldText(const std::string& value);

// Turns every "^Enter^" of a field text back into CR LF.
std::string KvRestoreLineEnds(const std::string& fieldText);

// One step of the line reader: searches separator from pos; a separator right after a
// "~" is an escaped character: the "~" is removed from the line and the search goes on
// past it. On success fieldText is the text from pos up to the separator and pos moves
// past the separator; false when no separator is left.
bool KvTakeFieldText(std::string& line, std::size_t& pos, const std::string& separator, std::string& fieldText);

// True when the field text of value reads back as value itself.
bool KvFieldTextIsExact(const std::string& value);

// A value carried behind the close string.
struct KvExactValue {
    std::size_t fieldIndex = 0;
    std::string value;
};

std::string KvFormatExactTail(const std::vector<KvExactValue>& values);

// Parses the text behind the close string; false (and nothing) unless all of it is a
// sequence of well-formed items.
bool KvParseExactTail(const std::string& tail, std::vector<KvExactValue>& values);
