#pragma once
// What every operation of the stand-in server answers: a server code (0 success) with a
// text, and the records of the error list that the directory component hands out.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace standin {

// Server codes the clients test for.
enum ServerCode : std::int32_t {
  kOk = 0,
  kSizeLimit = 4,            // the pass ended at the server's size limit
  kAdminLimit = 3,           // more applications than the customer may have
  kInvalidSyntax = 21,       // an integer attribute without a value
  kNoSuchObject = 32,
  kInvalidDn = 34,
  kInvalidCredentials = 49,
  kInsufficientAccess = 50,
  kUnwilling = 53,
  kAlreadyExists = 68,
  kServerDown = 81,
  kPwdExpiryWarning = 36110,
  kPwdRefused = 54732,
  kPwdExpired = 54734,
  kPwdEqualDigits = 54736,
  kPwdDigitRun = 54737,
  kPwdMailbox = 54738,
  kPwdTooShort = 54740,
  kPwdReused = 54742,
  kFullSpace = 60656,
  kFullSpaceStore = 60657,
  kFullSpaceRecords = 60658,
  kReply = 60775,            // add, lock and commit: success, the answer in the error list
};

struct ErrorRecord {
  std::int32_t code = 0;
  std::int32_t level = 0;
  std::string attribute;
  std::string text1;
  std::string text2;
};

struct Reply {
  std::int32_t code = kOk;
  std::string text;
  std::vector<ErrorRecord> records;
  bool ok() const { return code == kOk; }
};

// Thrown inside the server to refuse an operation with a server code.
class Refusal : public std::runtime_error {
 public:
  Refusal(std::int32_t code, const std::string& text) : std::runtime_error(text), code_(code) {}
  std::int32_t code() const { return code_; }

 private:
  std::int32_t code_;
};

}  // namespace standin
