// Default values of the parameter records held by system variables, set by field name at
// the field's place in the record's current packed layout (little-endian).

#include "model/paramdefaults.h"

#include <cstdint>
#include <cstring>

#include "model/datatypes.h"
#include "records/kvvlssel.h"

namespace zeph {
namespace {

struct FieldDefault {
  int type;
  const char* field;
  std::int32_t value;
};

constexpr FieldDefault kDefaults[] = {
    {kTypeBodyStruct, "Level", 1},
    {kTypePlayParms, "SkipForward", 10000},
    {kTypePlayParms, "SkipBackward", 10000},
    {kTypePlayParms, "SkipForwS", 2000},
    {kTypePlayParms, "SkipBackS", 2000},
    {kTypePlayParms, "IgnoreFErrors", 0},
    {kTypePlayKParms, "KeyIgnore", -1},
    {kTypePlayKParms, "ClearTypeAhead", 1},
    {kTypeEntryK, "IgnoreKeys", -1},
    {kTypeToneParms, "TossTypeAhead", 0},
    {kTypeToneParms, "AcceptMask", -2049},
    {kTypeToneParms, "IgnoreMask", 0},
    {kTypeToneParms, "TermMask", 2048},
    {kTypeToneParms, "TermKeepMask", 0},
    {kTypeRecordVoiceParms, "IgnoreKeys", -1},
    {kTypeRecordVoiceParms, "TerminateKeys", 0},
    {kTypeRecordVoiceParms, "TermAndSaveKey", 0},
    {kTypeRecordVoiceParms, "ClearTypeAhead", 1},
    {kTypeRecordVoiceParms, "AllowIntPrompt", 1},
    {kTypeRecordVoiceParms, "RecordPosition", 0},
    {kTypeRecordVoiceParms, "PlayTone", 1},
    {kTypeRecordVoiceParms, "PlayWarnTone", 1},
    {kTypeRecordVoiceParms, "WarnToneLength", 2000},
    {kTypeRecordVoiceParms, "TermOnSilence", 1},
    {kTypeRecordVoiceParms, "TrmSilenceTimeout", 60000},
    {kTypeRecordVoiceParms, "DscrdShortRec", 0},
    {kTypeRecordVoiceParms, "MinRecLength", 0},
    {kTypeRecordVoiceParms, "IgnoreFErrors", 0},
};

void PutLittleEndian(unsigned char* at, int bytes, std::int32_t value) {
  auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(v >> (8 * i));
}

bool IsInteger(const KvvlsFieldSpec& f) {
  return (f.kind == KvvlsFieldKind::Short && f.width == 2) || (f.kind == KvvlsFieldKind::Long && f.width == 4);
}

// Calls set(field, offset) for every field of the type's current layout.
template <class F>
void ForEachField(int type, F&& set) {
  std::optional<KvvlsRecordId> id = KvvlsCurrentRecordOf(static_cast<std::int16_t>(type));
  if (!id) return;
  std::size_t offset = 0;
  for (const KvvlsFieldSpec& f : KvvlsGetLayout(*id).fields) {
    set(f, offset);
    offset += f.width;
  }
}

}  // namespace

void ApplyParameterDefaults(int type, unsigned char* record, std::size_t size) {
  if (record == nullptr) return;
  ForEachField(type, [&](const KvvlsFieldSpec& f, std::size_t offset) {
    if (!IsInteger(f) || offset + f.width > size) return;
    if (type == kTypeAddrFParm) {
      // Every switch of the address filter is on.
      PutLittleEndian(record + offset, f.width, 1);
      return;
    }
    for (const FieldDefault& d : kDefaults) {
      if (d.type == type && std::strcmp(d.field, f.name) == 0) PutLittleEndian(record + offset, f.width, d.value);
    }
  });
}

}  // namespace zeph
