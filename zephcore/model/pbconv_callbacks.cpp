// Conversion callbacks for the types whose old parameters need more than field moves.
#include "model/pbconv_callbacks.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "model/datatypes.h"
#include "model/modelcodes.h"
#include "model/pbaccess.h"
#include "model/pbaccess_fields.h"
#include "model/pbaccess_msgtext.h"
#include "model/symnames.h"
#include "model/symtable.h"

namespace zeph {
namespace {

// bVEntry fields.
constexpr int kEntryVerification = 1;
constexpr int kEntryDigitsAsNumber = 5;
constexpr std::int32_t kVerifyByUserFunction = 4;

// VSpeedVolume fields: old key numbers 1-4; new "disabled" switches from 7, keys from 13.
constexpr int kFirstKeyField = 13;
constexpr int kLastKeyField = 28;
constexpr int kNoAction = 7;
constexpr int kHighestKey = 12;   // keys 1-9, 0, * and #

// VToneGetString: the old accepted-key check boxes.
constexpr int kFirstToneKeyField = 6;
constexpr int kLastToneKeyField = 17;
constexpr std::uint32_t kAnyKeyBit = 0x10000;
constexpr std::uint32_t kAllKeys = 0x1FFFF;
constexpr int kToneParmsSize = 18;

// RecEditParm (type 47) at 2.03.
constexpr int kRecEditAcceptMask = 56;
constexpr int kRecEditIgnoreMask = 130;
constexpr int kRecEditTermMask = 134;
constexpr std::uint32_t kRecEditNoMask = 0xFFFFF;

std::int32_t NumberOf(PBFieldAccessor& a, int index) {
  std::string text;
  if (a.GetEntryText(index, text) == nullptr) return 0;
  const char* body = text.c_str();
  if (*body == '\'') ++body;
  return static_cast<std::int32_t>(std::strtol(body, nullptr, 10));
}

void PutLong(unsigned char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i, v >>= 8) p[i] = static_cast<unsigned char>(v & 0xFF);
}

std::uint32_t GetLong(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// The first "DefToneParmN" (N from 1) that no symbol uses, or "" when all are taken.
std::string FreeToneParmName() {
  for (int n = 1; n <= kToneParmNameLimit; ++n) {
    const std::string name = kToneParmNamePrefix + std::to_string(n);
    if (CheckNewSymbolName(name.c_str(), kSymbolNameLimit, '_') == 0) return name;
  }
  return std::string();
}

}  // namespace

int ConvertOldEntry(PBInstance& oldPB, PBInstance&, const PBConversion& entry) {
  PBFieldAccessor from(&oldPB, 0, entry.OldFields, 0);
  std::int32_t verification = 0;
  from.GetEntry(kEntryVerification, &verification);
  std::string number;
  from.GetEntryText(kEntryDigitsAsNumber, number);
  if (verification == kVerifyByUserFunction || !IsEmptyValueText(number.c_str())) return kConvKeepOldType;
  return kConvGoOn;
}

int ConvertSpeedVolumeKeys(PBInstance& oldPB, PBInstance& newPB, const PBConversion& entry) {
  PBFieldAccessor from(&oldPB, 0, entry.OldFields, 0);
  PBFieldAccessor to(&newPB, 0, nullptr, 1);
  const std::int32_t none = kNoAction;
  for (int f = kFirstKeyField; f <= kLastKeyField; ++f) to.SetEntry(f, &none);
  for (std::int32_t action = 1; action <= 4; ++action) {
    const std::int32_t key = NumberOf(from, action);
    // An old field without a key number leaves the keys alone.
    if (key < 1 || key > kHighestKey) continue;
    const std::int32_t enabled = 0;
    to.SetEntry(6 + action, &enabled);
    to.SetEntry(kFirstKeyField - 1 + key, &action);
  }
  return 0;
}

int ConvertToneKeys(PBInstance& oldPB, PBInstance& newPB, const PBConversion& entry) {
  PBFieldAccessor from(&oldPB, 0, entry.OldFields, 0);
  std::uint32_t mask = 0;
  for (int f = kFirstToneKeyField; f <= kLastToneKeyField && f < from.Count(); ++f) {
    std::int32_t on = 0;
    from.GetEntry(f, &on);
    if (on != 0) mask |= (1u << (f - kFirstToneKeyField + 1)) | kAnyKeyBit;
  }
  const std::string name = FreeToneParmName();
  if (name.empty()) {
    ReportConversionProblem("VavurOrezo " + newPB.Name + ": the names " + kToneParmNamePrefix + "1 to " +
                            kToneParmNamePrefix + std::to_string(kToneParmNameLimit) +
                            " are all in use, so its tone keys were not kept and its field "
                            "Parameters stays empty.");
    return kRcRefused;
  }
  auto block = std::make_unique<ValueBlockData>(kToneParmsSize);
  unsigned char* bytes = block->Bytes();
  PutLong(bytes + 2, (mask ^ kAllKeys) | kAnyKeyBit);
  PutLong(bytes + 6, 0);
  PutLong(bytes + 10, mask);
  PutLong(bytes + 14, 0);
  SymbolBody body;
  InitSymbol(body, name.c_str(), kToneParmsSize, kTypeToneParms, 1, 0, 0, 0, 0);
  body.Data = std::move(block);
  if (InsertSymbol(body, kTypeToneParms, true) == nullptr) {
    ReportConversionProblem("VavurOrezo " + newPB.Name + ": " + PBMessageText(kErrOutOfMemory));
    return kErrOutOfMemory;
  }
  PBFieldAccessor to(&newPB, 0, nullptr, 1);
  to.SetEntry("Parameters", name.c_str());
  return 0;
}

int RecordConversionDone(const unsigned char*, unsigned char*, const RecConversion&) { return 1; }

int ConvertRecordEditMasks(const unsigned char*, unsigned char* newRecord, const RecConversion&) {
  if (newRecord == nullptr || GetBuiltinTypeSize(kTypeRecordEditParms) < kRecEditTermMask + 4) return 1;
  const std::uint32_t accept = GetLong(newRecord + kRecEditAcceptMask);
  if (accept == kRecEditNoMask) {
    PutLong(newRecord + kRecEditAcceptMask, 0);
    PutLong(newRecord + kRecEditIgnoreMask, 0);
    PutLong(newRecord + kRecEditTermMask, kAllKeys);
  } else {
    PutLong(newRecord + kRecEditTermMask, 0);
    PutLong(newRecord + kRecEditIgnoreMask, (accept ^ kAllKeys) | kAnyKeyBit);
  }
  return 1;
}

int ReportDroppedOldMenuFields(PBInstance& oldPB, PBInstance&, const PBConversion& entry) {
  static constexpr const char* kDropped[] = {"Last No Answer Voice Sentence",
                                             "Last Wrong Answer Voice Sentence", "Goto on #"};
  PBFieldAccessor from(&oldPB, 0, entry.OldFields, 0);
  for (const char* name : kDropped) {
    std::string value;
    if (from.GetEntryText(name, value) == nullptr || IsEmptyValueText(value.c_str())) continue;
    ReportConversionProblem(oldPB.Name + ": the old menu's \"" + name + "\" (" + value +
                            ") has no place in the current Menu and was not kept.");
  }
  return kConvGoOn;
}

}  // namespace zeph
