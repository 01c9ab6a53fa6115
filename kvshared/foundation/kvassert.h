// Precondition checks that stay in the shipped program.
//
// KV_ASSERT(expr) evaluates to true when the condition holds. When it does not, the
// condition text, the source file and the line are reported through the current fault
// handler (a log box; on stderr when no handler is installed) and the macro evaluates to
// false, so that the caller can take its defensive path:
//
//     if (!KV_ASSERT(p != nullptr)) return -1;
//
// A failed assertion never ends the program.
#pragma once

// Reports a failed condition; always returns false.
bool KvAssertFailed(const char* condition, const char* file, int line);

// Number of failed assertions reported in this process (a diagnostic counter).
int KvAssertFailureCount();

#define KV_ASSERT(expr) \
    (static_cast<bool>(expr) ? true : ::KvAssertFailed("(" #expr ")", __FILE__, __LINE__))
