#pragma once
// Compile errors: fixed codes with fixed texts, and the located record of one failure.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quay {

enum ErrorCode : int {
  kErrNone = 0,
  kErrCannotOpen = 1,
  kErrMissingValue = 2,
  kErrSyntax = 3,
  kErrBadCharacter = 4,
  kErrUnterminatedString = 5,
  kErrUnmatchedBrace = 6,
  kErrSectionOrder = 7,
  kErrUnknownType = 8,
  kErrUndefinedStructure = 9,
  kErrRecursiveStructure = 10,
  kErrDuplicateName = 11,
  kErrValueDoesNotFit = 12,
  kErrSegmentTooLarge = 13,
  kErrUndefinedName = 14,
  kErrUndefinedLabel = 15,
  kErrDuplicateLabel = 16,
  kErrArity = 17,
  kErrTypeMismatch = 18,
  kErrNoMember = 19,
  kErrIndexRange = 20,
  kErrNoPrototype = 21,
  kErrNotFunction = 22,
  kErrBadDllLine = 23,
  kErrCannotWrite = 24,
  kErrOtherPage = 25,
  kErrDuplicateBody = 26,
  kErrNotAssignable = 27,
  kErrOutsideFunction = 28,
  kErrTooManyValues = 29,
  kErrLast = 29
};

// The fixed text of a code, with one "%s" for the error's detail where it has one.
const char* ErrorFormat(int code);
// The text of a code with its detail filled in.
std::string ErrorText(int code, const std::string& detail);

// A compile failure as thrown inside the compiler: code, detail and the place, as a file
// index and 1-based line; the section and its line are added by whoever knows them.
struct CompileError {
  int code = kErrNone;
  std::string detail;
  int fileIndex = -1;
  std::int32_t line = 0;
};

[[noreturn]] void Fail(int code, const std::string& detail, int fileIndex, std::int32_t line);

// The record the C interface keeps of the last failure.
struct ErrorRecord {
  int code = kErrNone;
  std::string detail;
  std::string file;
  std::int32_t position = 0;  // 1-based line in the file, unsaturated
  std::string section;
  std::int32_t line = 0;      // position minus the section heading's line
};

}  // namespace quay
