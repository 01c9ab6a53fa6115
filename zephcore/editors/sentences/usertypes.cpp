// The user-defined phrase types read from the settings file.
#include "editors/sentences/usertypes.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>


namespace zeph {
namespace {

struct UserTypeTable {
  std::int32_t Count = 0;
  UserSentenceType* Entries = nullptr;
};

UserTypeTable& Table() {
  static UserTypeTable table;
  return table;
}

bool IsVoiceMedia(const std::string& media) {
  if (media.size() != 5) return false;
  const char* voice = "voice";
  for (std::size_t i = 0; i < 5; ++i) {
    const char c = media[i];
    if ((c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c) != voice[i]) return false;
  }
  return true;
}

}  // namespace

int LoadUserDefIni(IniReader& ini) {
  FreeUserDefIni();
  const int count = ini.ReadInt(kUserTypesSection, "Number of User Defined Types", 0);
  if (count <= 0) return 0;
  auto* entries = new (std::nothrow) UserSentenceType[static_cast<std::size_t>(count)]();
  if (entries == nullptr) return 0;
  for (int i = 0; i < count; ++i) {
    const std::string n = std::to_string(i + 1);
    UserSentenceType& e = entries[i];
    const std::string media =
        ini.ReadString(kUserTypesSection, ("User Defined Media " + n).c_str(), "Voice", kUserTypeNameSize - 1);
    e.Media = IsVoiceMedia(media) ? 0 : 1;
    std::string name = ini.ReadString(kUserTypesSection, ("User Defined Name " + n).c_str(), "User Defined",
                                      kUserTypeNameSize - 1);
    name.resize(std::min<std::size_t>(name.size(), kUserTypeNameSize - 1));
    std::memcpy(e.Name, name.c_str(), name.size() + 1);
    e.LanguageTable = ini.ReadInt(kUserTypesSection, ("User Defined Language Table " + n).c_str(), 1);
  }
  Table().Entries = entries;
  Table().Count = count;
  return count;
}

void FreeUserDefIni() {
  delete[] Table().Entries;
  Table().Entries = nullptr;
  Table().Count = 0;
}

int UserTypeCount() { return Table().Count; }

const UserSentenceType* UserTypeAt(int index) {
  return (index >= 0 && index < Table().Count) ? &Table().Entries[index] : nullptr;
}

}  // namespace zeph
