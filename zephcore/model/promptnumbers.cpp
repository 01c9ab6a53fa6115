// Remembered prompt numbers of the prompt databases.
#include "model/promptnumbers.h"

#include <array>
#include <cstring>
#include <limits>
#include <string>

#include "model/symtable.h"
#include "model/symtree.h"
#include "model/sysvars.h"
#include "model/varref.h"
#include "model/vsentence.h"

namespace zeph {
namespace {

std::array<std::uint32_t, kFolderVariableCount>& Numbers() {
  static std::array<std::uint32_t, kFolderVariableCount> numbers = [] {
    std::array<std::uint32_t, kFolderVariableCount> start{};
    start.fill(kPromptNumberStart);
    return start;
  }();
  return numbers;
}

bool NumbersTheDatabase(int kind) { return kind == kKindFileVoice || kind == kKindTextToSpeechFile; }

void ScanComponent(SentenceComponent& c, SymbolTable* program) {
  if (!NumbersTheDatabase(c.Kind) || c.RefFlag != 1 || c.Detail == nullptr || c.Detail->Flag1 != 0) return;
  const int database = PromptDatabaseIndex(FormatVariableReference(c.Area.Ref, program).c_str());
  RaiseRememberedPromptNumber(database, LeadingPromptNumber(c.Detail->Area1.Path));
}

}  // namespace

void VS2ResetKindNumbers() { Numbers().fill(kPromptNumberStart); }

void VS2ScanKindNumbers(SymbolTable* program) {
  SymbolTable* t = ResolveProgram(program);
  if (t == nullptr) return;
  SymTreeWalkPostOrder(*t->TreeSlot(kTypeVoiceSentence), [&](Symbol& s) {
    if (s.Deleted) return;
    SentenceComponent** head = SentenceComponents(&s);
    if (head == nullptr) return;
    for (SentenceComponent* c = *head; c != nullptr; c = c->Next) ScanComponent(*c, t);
  });
}

std::uint32_t RememberedPromptNumber(int database) {
  return (database >= 0 && database < kFolderVariableCount) ? Numbers()[database] : 0;
}

void RaiseRememberedPromptNumber(int database, std::uint32_t number) {
  if (database < 0 || database >= kFolderVariableCount) return;
  if (Numbers()[database] < number) Numbers()[database] = number;
}

std::uint32_t LeadingPromptNumber(const char* text) {
  constexpr std::uint32_t kMax = std::numeric_limits<std::uint32_t>::max();
  std::uint32_t n = 0;
  for (const char* p = text; p != nullptr && *p >= '0' && *p <= '9'; ++p) {
    const std::uint32_t digit = static_cast<std::uint32_t>(*p - '0');
    if (n > (kMax - digit) / 10) return kMax;
    n = n * 10 + digit;
  }
  return n;
}

int PromptDatabaseIndex(const char* variableName) {
  if (variableName == nullptr) return -1;
  for (int i = 0; i < kFolderVariableCount; ++i) {
    if (std::strcmp(variableName, FolderVariableName(i)) == 0) return i;
  }
  return -1;
}

}  // namespace zeph
