#pragma once
// A model symbol: a variable, constant, page, VavurOrezo, label, voice sentence, item or
// system variable. It is also the node of the symbol trees: the tree links and balance
// state sit beside the body, which is what gets copied between nodes.

#include <cstdint>
#include <memory>

namespace zeph {

inline constexpr int kSymbolNameSize = 32;   // 31 characters and a zero
inline constexpr int kSymbolNodeSize = 70;   // stored node size (old raw images)
inline constexpr int kSymbolBodySize = 60;   // stored body size: the payload length

// A symbol's own record (VavurOrezo instance, component list, page record, value block).
// Owned by the symbol and freed with it or when the symbol is removed.
class SymbolData {
 public:
  virtual ~SymbolData() = default;
  // 16-bit identifier that the clipboard searches by (FindSymbolByScope); -1 = none.
  virtual int DataId() const { return -1; }
};

// A plain value block of a fixed size (the data records of the system variables).
class ValueBlockData : public SymbolData {
 public:
  explicit ValueBlockData(std::size_t size) : bytes_(new unsigned char[size]()), size_(size) {}
  unsigned char* Bytes() { return bytes_.get(); }
  const unsigned char* Bytes() const { return bytes_.get(); }
  std::size_t Size() const { return size_; }

 private:
  std::unique_ptr<unsigned char[]> bytes_;
  std::size_t size_;
};

// The body: the fields of the stored symbol record, in their stored order.
struct SymbolBody {
  char Name[kSymbolNameSize] = {};
  std::int16_t Size = 0;
  std::int16_t Type = 0;
  std::int16_t IsStructType = 0;
  std::int16_t Invisible = 0;
  std::int16_t CanDelete = 0;
  std::int16_t RefCnt = 0;
  std::int32_t NotInCode = 0;
  std::int16_t Deleted = 0;
  std::unique_ptr<SymbolData> Data;  // stored as the flag `Variable`
  std::int16_t Scope = 0;
  std::int16_t ArraySize = 0;
  std::int16_t IsConst = 0;

  bool Variable() const { return Data != nullptr; }
};

// Balance state of a tree node.
enum class Balance : std::uint8_t { LeftHigher = 0, Even = 1, RightHigher = 2 };

struct Symbol : SymbolBody {
  Symbol* Left = nullptr;   // smaller names
  Symbol* Right = nullptr;  // greater names
  Balance Bal = Balance::Even;
};

}  // namespace zeph
