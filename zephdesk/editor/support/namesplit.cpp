#include "editor/support/namesplit.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace ed {

const char* FindNameSplit(const char* name, int minimumSide) {
  if (name == nullptr) return nullptr;
  const int n = static_cast<int>(std::strlen(name));
  const int middle = n / 2;
  int best = -1;
  for (int i = 1; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    const unsigned char before = static_cast<unsigned char>(name[i - 1]);
    const bool candidate = c == ' ' || (std::isupper(c) && std::islower(before));
    // On equal distance the later position wins.
    if (candidate && (best < 0 || std::abs(i - middle) <= std::abs(best - middle))) best = i;
  }
  if (best < 0 || best <= minimumSide || n - best <= minimumSide) return nullptr;
  return name + best;
}

}  // namespace ed
