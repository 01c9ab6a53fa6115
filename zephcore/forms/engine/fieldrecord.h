#pragma once
// The record the field engine reads and writes: a VavurOrezo's parameter area (check boxes
// and radio groups as 16-bit words, edits and choices as value slots, as the field
// accessor keeps them) or a plain block of known size (a parameter variable's value
// block, whose constants lie inline). Entries outside the record are refused.

#include <cstdint>

#include "model/pbentry_instance.h"
#include "model/varref.h"

namespace zeph {

class FieldRecord {
 public:
  virtual ~FieldRecord() = default;
  // Whether size bytes at offset lie inside the record.
  virtual bool Contains(int offset, int size) const = 0;
  virtual std::int16_t Word(int offset) const = 0;
  virtual void SetWord(int offset, std::int16_t value) = 0;
  // The value slot at offset (made empty when there was none); null when the record keeps
  // no slots or the offset is outside.
  virtual SymP* Slot(int offset) = 0;
  // Inline bytes of a constant; null when the record keeps constants in slots.
  virtual unsigned char* Inline(int offset, int size) = 0;
};

class InstanceRecord : public FieldRecord {
 public:
  explicit InstanceRecord(PBParameterArea& area) : area_(area) {}
  bool Contains(int offset, int size) const override;
  std::int16_t Word(int offset) const override { return area_.Word(offset); }
  void SetWord(int offset, std::int16_t value) override { area_.SetWord(offset, value); }
  SymP* Slot(int offset) override;
  unsigned char* Inline(int, int) override { return nullptr; }

 private:
  PBParameterArea& area_;
};

class BlockRecord : public FieldRecord {
 public:
  BlockRecord(unsigned char* bytes, int size) : bytes_(bytes), size_(size) {}
  bool Contains(int offset, int size) const override;
  std::int16_t Word(int offset) const override;
  void SetWord(int offset, std::int16_t value) override;
  SymP* Slot(int) override { return nullptr; }
  unsigned char* Inline(int offset, int size) override;

 private:
  unsigned char* bytes_;
  int size_;
};

}  // namespace zeph
