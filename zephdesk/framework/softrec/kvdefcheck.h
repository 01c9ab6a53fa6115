// A definition stream that breaks the grammar is reported once, at the place where the
// reader noticed it, and then refused: the reader throws KvException 1553 ("Cannot load
// resource") so that the half-read definition is dropped and treated as missing.
#pragma once

#include "foundation/kvassert.h"
#include "foundation/kvx.h"

inline constexpr int kKvCannotLoadResource = 1553;

#define KV_DEF_CHECK(expr)                                                  \
    do {                                                                    \
        if (!KV_ASSERT(expr))                                               \
            throw KvException(kKvCannotLoadResource, __FILE__, __LINE__);   \
    } while (0)
