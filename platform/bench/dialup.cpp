#include "dialup.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

class NoDialUp final : public DialUpNetwork {
 public:
  std::int32_t Entries(std::vector<std::string>& names, std::string&) override {
    names.clear();
    return 0;
  }
  std::int32_t Dial(const std::string&, const std::string&, const std::string&, std::string& error) override {
    return Refuse(error);
  }
  std::int32_t CreateEntry(void*, std::string& error) override { return Refuse(error); }
  std::int32_t EditEntry(void*, const std::string&, std::string& error) override { return Refuse(error); }

 private:
  static std::int32_t Refuse(std::string& error) {
    error = kDialUpUnavailableText;
    return kDialUpUnavailable;
  }
};

void LittleEndian32(unsigned char* at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

}  // namespace

DialUpNetwork& PlatformDialUpNetwork() {
  static NoDialUp network;
  return network;
}

CRAS::CRAS() : CRAS(PlatformDialUpNetwork()) {}
CRAS::CRAS(DialUpNetwork& network) : network_(network) {}

int CRAS::Result(std::int32_t code) {
  code_ = code;
  if (code == 0) error_.clear();
  return code == 0 ? 1 : 0;
}

int CRAS::Initialize() {
  initialised_ = true;
  return Result(0);
}

int CRAS::Dial(const std::string& entry, const std::string& user, const std::string& password) {
  std::string error;
  const std::int32_t code = network_.Dial(entry, user, password, error);
  error_ = error;
  return Result(code);
}

int CRAS::EnumEntries(unsigned char** buffer, std::int32_t* count) {
  if (!buffer || !count) return 0;
  *buffer = nullptr;
  *count = 0;
  std::vector<std::string> names;
  std::string error;
  const std::int32_t code = network_.Entries(names, error);
  error_ = error;
  if (code != 0) return Result(code);
  unsigned char* records = new (std::nothrow) unsigned char[std::max<std::size_t>(1, names.size()) * kEntrySize]();
  if (!records) {
    error_ = "Out of memory";
    return Result(8);
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    unsigned char* record = records + i * kEntrySize;
    LittleEndian32(record, static_cast<std::uint32_t>(kEntrySize));
    // Names longer than the record's field are cut, always leaving the terminator.
    const std::size_t length = std::min(names[i].size(), kEntrySize - kNameOffset - 1);
    std::memcpy(record + kNameOffset, names[i].data(), length);
  }
  *buffer = records;
  *count = static_cast<std::int32_t>(names.size());
  return Result(0);
}

void CRAS::FreeEntries(unsigned char* buffer) { delete[] buffer; }

int CRAS::GetEntryProperties(const std::string& entry) {
  std::vector<std::string> names;
  std::string error;
  const std::int32_t code = network_.Entries(names, error);
  error_ = error;
  if (code != 0) return Result(code);
  return std::find(names.begin(), names.end(), entry) != names.end() ? Result(0) : 0;
}

int CRAS::CreatePhonebookEntry(void* owner) {
  std::string error;
  const std::int32_t code = network_.CreateEntry(owner, error);
  error_ = error;
  return Result(code);
}

int CRAS::EditPhonebookEntry(void* owner, const std::string& entry) {
  std::string error;
  const std::int32_t code = network_.EditEntry(owner, entry, error);
  error_ = error;
  return Result(code);
}
