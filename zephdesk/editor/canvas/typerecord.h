#pragma once
// A VavurOrezo type's description with its outputs, and the bit sets of shown and
// expanded outputs. The editor keeps its own copy of the texts, so that a record outlives
// the model's palette tables it was read from.

#include <cstdint>
#include <string>
#include <vector>

#include "model/superblk_info.h"

namespace ed {

// Option bits of an output.
enum OutputOption : std::uint8_t {
  kOutputSummary = 0x1,        // heads an output group ("Completed*", "Failed*")
  kOutputHiddenDefault = 0x2,  // not shown until the user shows it
  kOutputModelFlag = 0x4,
};

inline constexpr int kMaxOutputs = 40;

struct OutputEntry {
  std::string name;
  std::uint8_t options = 0;
  std::int8_t bitIndex = 0;   // 1 to 40: the output's bit in the two bit sets
  std::int8_t group = 0;      // 0 none, 1 Completed, 2 Failed

  bool IsSummary() const { return (options & kOutputSummary) != 0; }
  // A member of its group: a plain output, not hidden by default.
  bool IsGroupMember(int g) const { return group == g && (options & (kOutputSummary | kOutputHiddenDefault)) == 0; }
};

struct TypeRecord {
  std::string typeName;   // for SuperBlock calls and imports the SuperBlock's name
  std::string label;
  std::string bitmap;
  std::int16_t typeCode = 0;
  std::vector<OutputEntry> outputs;   // at most 40

  // Copies the model's description (texts included).
  static TypeRecord FromInfo(const zeph::VavurOrezoInfo& info);
  // Takes the outputs of a refilled model description, keeping the names of the type.
  void TakeOutputs(const zeph::VavurOrezoInfo& info);
  const OutputEntry* FindOutput(const char* name) const;
};

// 40 bits: output b owns bit (b - 1) mod 8 of byte (b - 1) div 8.
class OutputBitSet {
 public:
  static constexpr int kBytes = 5;
  bool Test(int bitIndex) const;
  void Set(int bitIndex, bool on);
  void Clear();
  std::uint8_t Byte(int i) const { return bytes_[i]; }
  void SetByte(int i, std::uint8_t value) { bytes_[i] = value; }

 private:
  std::uint8_t bytes_[kBytes] = {};
};

}  // namespace ed
