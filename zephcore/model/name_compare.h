#pragma once
// The one ordering of names used everywhere: symbol trees, the reserved-word table and
// every sorted listing. ASCII lower-case forms are compared first; ties are broken by plain
// byte order, so the order is total and case-sensitive ("_" sorts before letters).

#include <cstring>

namespace zeph {

inline unsigned char NameFoldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

// Negative, zero or positive like strcmp. Null compares as the empty name.
inline int CompareNames(const char* a, const char* b) {
  const unsigned char* pa = reinterpret_cast<const unsigned char*>(a ? a : "");
  const unsigned char* pb = reinterpret_cast<const unsigned char*>(b ? b : "");
  for (std::size_t i = 0;; ++i) {
    int ca = NameFoldAscii(pa[i]);
    int cb = NameFoldAscii(pb[i]);
    if (ca != cb) return ca - cb;
    if (ca == 0) break;
  }
  return std::strcmp(a ? a : "", b ? b : "");
}

}  // namespace zeph
