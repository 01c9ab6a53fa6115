#pragma once
// Dial-up networking. CRAS reaches the computer's phone book and dialler through a
// DialUpNetwork; the shipped one reports that dial-up networking is not available (this
// system has no modem, and the platform's dialler and phone-book calls cannot be relied
// on). Tests give a scripted one.
#include <cstdint>
#include <string>
#include <vector>

#include "bench_export.h"

class ZEPHBENCH_API DialUpNetwork {
 public:
  virtual ~DialUpNetwork() = default;
  // Each call answers 0 or a dial-up error code with its text in `error`.
  virtual std::int32_t Entries(std::vector<std::string>& names, std::string& error) = 0;
  virtual std::int32_t Dial(const std::string& entry, const std::string& user, const std::string& password,
                            std::string& error) = 0;
  virtual std::int32_t CreateEntry(void* owner, std::string& error) = 0;
  virtual std::int32_t EditEntry(void* owner, const std::string& entry, std::string& error) = 0;
};

// The network of this computer: no dial-up networking.
ZEPHBENCH_API DialUpNetwork& PlatformDialUpNetwork();
inline constexpr std::int32_t kDialUpUnavailable = 711;
inline constexpr const char* kDialUpUnavailableText = "Dial-up networking is not available on this computer.";

class ZEPHBENCH_API CRAS {
 public:
  // A phone-book record as EnumEntries hands it out: a 32-bit size, then the name.
  static constexpr std::size_t kEntrySize = 264;
  static constexpr std::size_t kNameOffset = 4;

  CRAS();
  explicit CRAS(DialUpNetwork& network);

  int Initialize();
  int Dial(const std::string& entry, const std::string& user, const std::string& password);
  // An allocated buffer of `count` records (free with FreeEntries); 0 on failure.
  int EnumEntries(unsigned char** buffer, std::int32_t* count);
  static void FreeEntries(unsigned char* buffer);
  int GetEntryProperties(const std::string& entry);
  int CreatePhonebookEntry(void* owner);
  int EditPhonebookEntry(void* owner, const std::string& entry);

  const std::string& GetLatestErrorText() const { return error_; }
  std::int32_t GetRetCode() const { return code_; }

 private:
  int Result(std::int32_t code);

  DialUpNetwork& network_;
  bool initialised_ = false;
  std::string error_;
  std::int32_t code_ = 0;
};
