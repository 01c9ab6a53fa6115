// The argument template of a call to a SuperBlock page.
#include <array>
#include <cstring>

#include "model/superblk.h"

namespace zeph {
namespace {

constexpr std::int16_t kFirstReturnValue = 100;
// Return values of the exits of a Verification Block page.
constexpr std::int16_t kVerifySuccess = 100;
constexpr std::int16_t kVerifyFailure = 101;
constexpr std::int16_t kVerifyOther = 102;

constexpr PBTemplatePair kFixedPairs[] = {{-1, 0}, {-3, 0}, {-2, 0}, {-10, 0}, {-30, 0}, {-31, 0}, {-278, 0}};
constexpr PBTemplatePair kEndPair = {0, scribe::kTemplateEndField};
constexpr std::size_t kFixedCount = sizeof(kFixedPairs) / sizeof(kFixedPairs[0]);
// Head pair, one pair per interface entry, the fixed pairs and the end pair.
constexpr std::size_t kTemplateCapacity = 1 + kSBInterfaceCapacity + kFixedCount + 1;

std::int16_t VerifyReturnValue(const char* name) {
  if (std::strcmp(name, "Success") == 0) return kVerifySuccess;
  if (std::strcmp(name, "Failure") == 0) return kVerifyFailure;
  return kVerifyOther;
}

}  // namespace

const PBTemplatePair* GetSuperBlockTemplate(const char* pageName, SymbolTable* program) {
  // Callers keep the pointer while they build a call, so the storage is fixed in size and
  // never moves or is freed by a later call.
  static std::array<PBTemplatePair, kTemplateCapacity> buffer;
  Symbol* page = FindPage(pageName, program);
  if (page == nullptr) return nullptr;
  const PBFieldDef* table = FindPageInterface(pageName, program);
  const bool verify = page->Type == kTypeVerificationBlock;
  // Exits of a library's pages after the first return the value their entries hold.
  const bool libraryPage = std::strchr(page->Name, '.') != nullptr;

  std::size_t n = 0;
  buffer[n++] = kEndPair;
  int exitNumber = 0;
  for (int i = 0; table != nullptr && !table[i].IsEnd() && i < kSBInterfaceCapacity; ++i) {
    if (table[i].GotoStrs == nullptr) continue;
    std::int16_t value = 0;
    if (verify) {
      value = VerifyReturnValue(table[i].Name);
    } else if (libraryPage && exitNumber > 0) {
      value = table[i].StrSize;
    } else {
      value = static_cast<std::int16_t>(kFirstReturnValue + exitNumber);
    }
    buffer[n++] = {value, static_cast<std::int16_t>(i)};
    ++exitNumber;
  }
  for (const PBTemplatePair& pair : kFixedPairs) buffer[n++] = pair;
  buffer[n++] = kEndPair;
  return buffer.data();
}

}  // namespace zeph
