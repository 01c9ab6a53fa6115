// The argument template of a call to a SuperBlock page.
#include <cstring>
#include <vector>

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

std::int16_t VerifyReturnValue(const char* name) {
  if (std::strcmp(name, "Success") == 0) return kVerifySuccess;
  if (std::strcmp(name, "Failure") == 0) return kVerifyFailure;
  return kVerifyOther;
}

}  // namespace

const PBTemplatePair* GetSuperBlockTemplate(const char* pageName, SymbolTable* program) {
  static std::vector<PBTemplatePair> buffer;
  Symbol* page = FindPage(pageName, program);
  if (page == nullptr) return nullptr;
  const PBFieldDef* table = FindPageInterface(pageName, program);
  const bool verify = page->Type == kTypeVerificationBlock;
  // Exits of a library's pages after the first return the value their entries hold.
  const bool libraryPage = std::strchr(page->Name, '.') != nullptr;

  buffer.clear();
  buffer.push_back(kEndPair);
  int exitNumber = 0;
  for (int i = 0; table != nullptr && !table[i].IsEnd(); ++i) {
    if (table[i].GotoStrs == nullptr) continue;
    std::int16_t value = 0;
    if (verify) {
      value = VerifyReturnValue(table[i].Name);
    } else if (libraryPage && exitNumber > 0) {
      value = table[i].StrSize;
    } else {
      value = static_cast<std::int16_t>(kFirstReturnValue + exitNumber);
    }
    buffer.push_back({value, static_cast<std::int16_t>(i)});
    ++exitNumber;
  }
  buffer.insert(buffer.end(), std::begin(kFixedPairs), std::end(kFixedPairs));
  buffer.push_back(kEndPair);
  return buffer.data();
}

}  // namespace zeph
