#pragma once
// The one ordering of names used everywhere: symbol trees, the reserved-word table and
// every sorted listing. It is the foundation's text order (ASCII lower-case forms first,
// ties broken by byte order, so "_" sorts before letters); null counts as the empty name.

#include "foundation/kvcompare.h"

namespace zeph {

inline int CompareNames(const char* a, const char* b) {
  return KvCompareText(a ? a : "", b ? b : "");
}

}  // namespace zeph
