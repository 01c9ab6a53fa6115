// Record conversions: byte moves from a variable's old record layout into its current one.
#include "model/pbconv_record.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "model/defset.h"
#include "model/pbconv_tables.h"

namespace zeph {
namespace {

constexpr float kVersionEpsilon = 0.001f;

// The old record's bytes with zeros past its end.
class OldBytes {
 public:
  OldBytes(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
  unsigned char At(std::int64_t i) const {
    return (i >= 0 && static_cast<std::size_t>(i) < size_ && data_ != nullptr) ? data_[i] : 0;
  }

 private:
  const unsigned char* data_;
  std::size_t size_;
};

bool FitsNew(std::int32_t offset, std::int32_t length, std::size_t newSize) {
  return offset >= 0 && length >= 0 && static_cast<std::size_t>(offset) + static_cast<std::size_t>(length) <= newSize;
}

std::uint32_t ReadUnsigned(const unsigned char* p, int length) {
  std::uint32_t v = 0;
  for (int i = length - 1; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}

void WriteUnsigned(unsigned char* p, int length, std::uint32_t v) {
  for (int i = 0; i < length; ++i, v >>= 8) p[i] = static_cast<unsigned char>(v & 0xFF);
}

// The bytes a move of kind 1 to 3 takes: the old record's, or the constant's.
std::vector<unsigned char> SourceBytes(const RecFieldMove& m, const OldBytes& old) {
  std::vector<unsigned char> bytes(static_cast<std::size_t>(std::max(m.OldLength, 0)), 0);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (m.Kind != kRecMoveConstant) {
      bytes[i] = old.At(static_cast<std::int64_t>(m.OldOffset) + static_cast<std::int64_t>(i));
    } else if ((m.Flags & kRecConstantBytes) && m.Bytes != nullptr) {
      bytes[i] = m.Bytes[i];
    } else if (i < 4) {
      bytes[i] = static_cast<unsigned char>((static_cast<std::uint32_t>(m.Value) >> (8 * i)) & 0xFF);
    }
  }
  return bytes;
}

// Kinds 1 to 3: a widened value is zero-filled first and, right-aligned on request, put
// at the end of its new place; a narrowed one keeps its first bytes.
void PlaceBytes(const RecFieldMove& m, const std::vector<unsigned char>& bytes, unsigned char* record) {
  unsigned char* target = record + m.NewOffset;
  std::size_t length = static_cast<std::size_t>(m.NewLength);
  if (m.OldLength < m.NewLength) {
    std::memset(target, 0, static_cast<std::size_t>(m.NewLength));
    if (m.Flags & kRecRightAlign) target += m.NewLength - m.OldLength;
    length = static_cast<std::size_t>(m.OldLength);
  }
  std::memcpy(target, bytes.data(), std::min(length, bytes.size()));
}

}  // namespace

const RecConversion* FindRecordConversionForVersion(const RecConversion* list, float version) {
  const RecConversion* e = list;
  while (e != nullptr && version > e->Version) e = e->Next;
  return e;
}

RecConversion& AddRecordConversion(ParmVersionTables& tables, int typeCode, float version,
                                   const RecFieldMove* moves, RecConversionCallback callback) {
  RecConversion& e = tables.NewRecordConversion();
  e.TypeCode = typeCode;
  e.Version = version;
  e.Moves = moves;
  e.Callback = callback;
  RecConversion** link = tables.RecordList(typeCode);
  if (link == nullptr) return e;
  while (*link != nullptr && (*link)->Version < version) link = &(*link)->Next;
  e.Next = *link;
  *link = &e;
  return e;
}

int ApplyFieldMoves(const RecConversion& entry, const unsigned char* oldRecord, std::size_t oldSize,
                    unsigned char* newRecord, std::size_t newSize) {
  const OldBytes old(oldRecord, oldSize);
  for (const RecFieldMove* m = entry.Moves; m != nullptr && m->Kind != kRecMoveEnd; ++m) {
    if (newRecord != nullptr && FitsNew(m->NewOffset, m->NewLength, newSize)) {
      switch (m->Kind) {
        case kRecMoveCopy:
        case kRecMoveConstant:
          PlaceBytes(*m, SourceBytes(*m, old), newRecord);
          break;
        case kRecMoveScale:
          PlaceBytes(*m, SourceBytes(*m, old), newRecord);
          if (m->NewLength == 1 || m->NewLength == 2 || m->NewLength == 4) {
            unsigned char* p = newRecord + m->NewOffset;
            WriteUnsigned(p, m->NewLength, ReadUnsigned(p, m->NewLength) * static_cast<std::uint32_t>(m->Value));
          }
          break;
        case kRecMoveText: {
          unsigned char* p = newRecord + m->NewOffset;
          std::memset(p, 0, static_cast<std::size_t>(m->NewLength));
          if (m->NewLength > 0 && m->Text != nullptr) {
            const std::size_t n = std::min(std::strlen(m->Text), static_cast<std::size_t>(m->NewLength - 1));
            std::memcpy(p, m->Text, n);
          }
          break;
        }
        default:
          break;
      }
    }
    if (m->Callback != nullptr) m->Callback(oldRecord, newRecord, entry, *m);
  }
  if (entry.Callback != nullptr) entry.Callback(oldRecord, newRecord, entry);
  return 1;
}

const RecConversion* RecordConversionForFile(int typeCode, float fileVersion) {
  if (kModelVersion - fileVersion < kVersionEpsilon) return nullptr;
  return FindRecordConversionForVersion(TheParmVersionTables().RecordListOf(typeCode), fileVersion);
}

}  // namespace zeph
