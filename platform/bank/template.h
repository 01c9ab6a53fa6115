#pragma once
// Template expansion: a stored text with placeholders and conditional sections, filled in
// by a callback.
//
//   &<NAME>           replaced by the text the callback writes for NAME (value wanted)
//   +<&<COND> ... >+  kept when the callback answers 0 for COND (no value wanted), dropped
//                     when it answers -1; sections may nest
//
// Any other answer (a negative length, -2 for an unknown name, a condition answer other
// than 0 and -1), a section left open, a ">+" without its section, a placeholder without
// its ">" or an output that does not fit the buffer (with its terminating zero) fails the
// expansion.

#include <cstddef>

// The callback: userData as given; name the placeholder's name; valueWanted non-zero for a
// placeholder, 0 for a condition; out and outSize the place for a value's text. A value
// answer is the length of the text written into out (at most outSize - 1 characters).
using TemplateCallback = int (*)(void* userData, const char* name, int valueWanted, char* out,
                                 int outSize);

// Expands the template into buffer (size bytes, always ended by a zero when size > 0).
// Non-zero on success, 0 on failure.
int instantiate_template(const char* templateText, char* buffer, int size,
                         TemplateCallback callback, void* userData);
