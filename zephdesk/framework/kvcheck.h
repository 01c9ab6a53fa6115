// KV_CHECK(condition, text): a precondition check that reports the given expression text
// (with the source file and line) when the condition fails, for checks whose reported text
// is not the C++ expression itself. Like KV_ASSERT it evaluates to whether the condition
// held, so the caller takes its defensive path.
#pragma once

#include "foundation/kvassert.h"

#define KV_CHECK(condition, text) \
    (static_cast<bool>(condition) ? true : ::KvAssertFailed(text, __FILE__, __LINE__))
