#include "model/program/variable_setup.h"

#include <cstring>
#include <new>
#include <vector>

#include "foundation/kvassert.h"
#include "model/constvalue.h"
#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/structops.h"
#include "model/symtable.h"

namespace zeph {

VariableSetup::VariableSetup(Symbol* variable, const char* memberPath, SymbolTable* program)
    : variable_(variable), member_(memberPath != nullptr ? memberPath : ""), program_(ResolveProgram(program)) {
  if (!KV_ASSERT(variable_ != nullptr)) {
    valid_ = false;
    return;
  }
  type_ = variable_->Type;
  size_ = GetSymbolSize(variable_);
  storageSize_ = size_;
  if (type_ >= kFirstStructureId) {
    const StructDef* def = FindStructureById(type_, program_);
    storageSize_ = def != nullptr ? GetStructureSize(def, program_) : 0;
    if (!member_.empty()) {
      StructMember* member = nullptr;
      offset_ = def != nullptr ? GetMemberOffset(def, member_.c_str(), &member, program_) : -1;
      if (offset_ < 0 || member == nullptr) {
        valid_ = false;
        return;
      }
      type_ = member->Type;
      size_ = GetMemberSize(member);
    } else {
      size_ = storageSize_;
    }
  }
  valid_ = storageSize_ > 0 && offset_ + size_ <= storageSize_;
}

std::string VariableSetup::Caption() const {
  std::string caption = "Setup variable ";
  caption += variable_ != nullptr ? variable_->Name : "";
  if (!member_.empty()) caption += "." + member_;
  return caption;
}

bool VariableSetup::HasStorage() const {
  return variable_ != nullptr && dynamic_cast<ValueBlockData*>(variable_->Data.get()) != nullptr;
}

unsigned char* VariableSetup::Storage(bool make) {
  auto* block = dynamic_cast<ValueBlockData*>(variable_->Data.get());
  if (block == nullptr && make) {
    auto made = std::make_unique<ValueBlockData>(static_cast<std::size_t>(storageSize_));
    block = made.get();
    variable_->Data = std::move(made);
  }
  return block != nullptr ? block->Bytes() + offset_ : nullptr;
}

std::string VariableSetup::CurrentText() const {
  if (!valid_ || !HasStorage()) return std::string();
  auto* block = static_cast<ValueBlockData*>(variable_->Data.get());
  std::string text;
  if (FormatConstantValue(text, block->Bytes() + offset_, type_) != 0) return std::string();
  return text;
}

int VariableSetup::ApplyText(const char* text) {
  if (!valid_) return kErrInternal1;
  // Parse into a scratch copy first, so that a refused text changes nothing.
  std::vector<unsigned char> value(static_cast<std::size_t>(size_), 0);
  if (text != nullptr && text[0] != '\0') {
    const int rc = ParseConstantValue(text, value.data(), type_, size_, 1);
    if (rc != 0) return rc;
  }
  unsigned char* place = Storage(true);
  std::memcpy(place, value.data(), value.size());
  return 0;
}

bool VariableSetup::CurrentFlag() const {
  if (!valid_ || !HasStorage()) return false;
  auto* block = static_cast<ValueBlockData*>(variable_->Data.get());
  const unsigned char* p = block->Bytes() + offset_;
  return (p[0] | p[1]) != 0;
}

void VariableSetup::ApplyFlag(bool on) {
  if (!valid_ || size_ < 2) return;
  unsigned char* place = Storage(true);
  place[0] = on ? 1 : 0;
  place[1] = 0;
}

}  // namespace zeph
