#pragma once
// Shared pieces of the application-object tests.

namespace zeph::test {

// The dialog library of the programs tests make: a token, since no dialog opens.
inline void* FakeDialogModule() {
  static int module = 1;
  return &module;
}

}  // namespace zeph::test
