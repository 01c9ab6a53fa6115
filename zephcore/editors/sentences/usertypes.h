#pragma once
// Voice-sentence phrase types that a site declares in the designer's settings file, section
// "User Defined Multimedia Sentence Types". The model library reads them once at the
// designer's start and frees them at its end; a type with language table n is the phrase
// kind 100 + n.

#include <cstdint>
#include <string>

namespace zeph {

inline constexpr const char* kUserTypesSection = "User Defined Multimedia Sentence Types";
inline constexpr int kUserTypeNameSize = 128;

// The settings file as the user-type table reads it.
class IniReader {
 public:
  virtual ~IniReader() = default;
  virtual int ReadInt(const char* section, const char* key, int defaultValue) = 0;
  // At most maxChars characters.
  virtual std::string ReadString(const char* section, const char* key, const char* defaultValue,
                                 int maxChars) = 0;
};

struct UserSentenceType {
  std::int32_t Media = 0;             // 0 voice, 1 anything else
  char Name[kUserTypeNameSize] = {};
  std::int32_t LanguageTable = 0;
};

// Reads the table (replacing any table read before); the number of types read, 0 when no
// table was made (no types, or none could be allocated).
int LoadUserDefIni(IniReader& ini);
// Frees the table: no user types until the next load.
void FreeUserDefIni();

int UserTypeCount();
// The i-th type in key order; null outside.
const UserSentenceType* UserTypeAt(int index);

}  // namespace zeph
