// The rule lists of the rule-driven forms that the catalogue's field tables name.
#include <cstring>

#include "scribe/fielddesc.h"

namespace scribe {
namespace {

constexpr std::int16_t kEnable = 0;
constexpr std::int16_t kDisable = 1;
constexpr std::int16_t kEditKind = 3;
constexpr std::int16_t kComboKind = 5;
constexpr std::uint16_t kMaskGotoIcon = 32;

// Enables (or disables) the control of an entry, its pick button and label, and makes the
// entry required (or optional).
constexpr GrayAction Switch(int target, bool on, int kind = kEditKind) {
  GrayAction a;
  a.Target = static_cast<std::int16_t>(target);
  a.TargetKind = static_cast<std::int16_t>(kind);
  a.ControlState = on ? kEnable : kDisable;
  a.SecondState = on ? kEnable : kDisable;
  a.LabelState = on ? kEnable : kDisable;
  a.BlankFlag = on ? 0 : 1;
  return a;
}

// As Switch for a goto entry, also drawing the goto on the icon or hiding it.
constexpr GrayAction SwitchGoto(int target, bool on) {
  GrayAction a = Switch(target, on);
  a.ChangeMask = kMaskGotoIcon;
  a.GotoNotOnIcon = on ? kGotoPlain : (kGotoHidden | kGotoMarked | kGotoFailedGroup);
  return a;
}

constexpr GrayAction Caption(int target, const char* text) {
  GrayAction a;
  a.Target = static_cast<std::int16_t>(target);
  a.TargetKind = kEditKind;
  a.CaptionText = text;
  return a;
}

constexpr GrayAction End() { return GrayAction(); }

constexpr std::int16_t kWhen = 1;        // the condition as written
constexpr std::int16_t kOtherwise = 2;   // default rule of a combo

// Check box enabling edits (the recording length, the listen settings, fixed numbers).
constexpr GrayAction kRecordLimitOn[] = {Switch(2, false), End()};
constexpr GrayAction kRecordLimitOff[] = {Switch(2, true), End()};
constexpr GrayRule kRecordUnlimited[] = {
    {kWhen, "1", kRecordLimitOn}, {kWhen, "0", kRecordLimitOff}, {}};

constexpr GrayAction kFaxToneOn[] = {SwitchGoto(9, true), End()};
constexpr GrayAction kFaxToneOff[] = {SwitchGoto(9, false), End()};
constexpr GrayRule kRecordFaxInput[] = {{kWhen, "1", kFaxToneOn}, {kWhen, "0", kFaxToneOff}, {}};

constexpr GrayAction kBandOn[] = {Switch(3, true), Switch(4, true), End()};
constexpr GrayAction kBandOff[] = {Switch(3, false), Switch(4, false), End()};
constexpr GrayRule kListenBand[] = {{kWhen, "1", kBandOn}, {kWhen, "0", kBandOff}, {}};

constexpr GrayAction kLengthOn[] = {Switch(5, true), Switch(6, true), End()};
constexpr GrayAction kLengthOff[] = {Switch(5, false), Switch(6, false), End()};
constexpr GrayRule kListenLength[] = {{kWhen, "1", kLengthOn}, {kWhen, "0", kLengthOff}, {}};

constexpr GrayAction kCadenceOn[] = {Switch(7, true), Switch(8, true), Switch(9, true), End()};
constexpr GrayAction kCadenceOff[] = {Switch(7, false), Switch(8, false), Switch(9, false), End()};
constexpr GrayRule kListenCadence[] = {{kWhen, "1", kCadenceOn}, {kWhen, "0", kCadenceOff}, {}};

constexpr GrayAction kFixedOn[] = {Switch(1, true), Switch(2, true), End()};
constexpr GrayAction kFixedOff[] = {Switch(1, false), Switch(2, false), End()};
constexpr GrayRule kThruDialFixedLength[] = {{kWhen, "1", kFixedOn}, {kWhen, "0", kFixedOff}, {}};

// Verification of entered digits: the fields of the chosen kind become required.
constexpr GrayAction kVerifyNone[] = {Switch(6, false), Switch(7, false), Switch(8, false),
                                      Switch(9, false), End()};
constexpr GrayAction kVerifyRange[] = {Switch(6, true), Switch(7, true), Switch(8, false),
                                       Switch(9, false), End()};
constexpr GrayAction kVerifyDatabase[] = {Switch(6, false), Switch(7, false), Switch(8, true),
                                          Switch(9, false), End()};
constexpr GrayAction kVerifyFunction[] = {Switch(6, false), Switch(7, false), Switch(8, false),
                                          Switch(9, true), End()};
constexpr GrayRule kEntryVerification[] = {{kWhen, "Range of Numbers", kVerifyRange},
                                           {kWhen, "Database", kVerifyDatabase},
                                           {kWhen, "User Function", kVerifyFunction},
                                           {kOtherwise, "", kVerifyNone},
                                           {}};

// An address given as a DN needs its location; a mailbox number does not.
constexpr GrayAction kInputDN[] = {Caption(0, "DN"), Switch(6, true), End()};
constexpr GrayAction kInputMailbox[] = {Caption(0, "Mailbox Number"), Switch(6, false), End()};
constexpr GrayRule kAddressInputType[] = {
    {kWhen, "DN", kInputDN}, {kWhen, "Mailbox Number", kInputMailbox}, {}};

// Announcement: a custom voice file or a system prompt.
constexpr GrayAction kSourceFile[] = {Switch(0, true), Switch(13, false, kComboKind), End()};
constexpr GrayAction kSourcePrompt[] = {Switch(0, false), Switch(13, true, kComboKind), End()};
constexpr GrayRule kAnnounceSource[] = {{kWhen, "1", kSourceFile}, {kWhen, "2", kSourcePrompt}, {}};

// A key accepted by an announcement draws and requires its goto.
#define ENABLE_GOTO(n)                                                                \
  constexpr GrayAction kGotoOn##n[] = {SwitchGoto(n, true), End()};                  \
  constexpr GrayAction kGotoOff##n[] = {SwitchGoto(n, false), End()};                \
  constexpr GrayRule kEnableGoto##n[] = {{kWhen, "1", kGotoOn##n}, {kWhen, "0", kGotoOff##n}, {}};
ENABLE_GOTO(3)
ENABLE_GOTO(4)
ENABLE_GOTO(5)
ENABLE_GOTO(6)
#undef ENABLE_GOTO

struct NamedRules {
  const char* name;
  const GrayRule* rules;
};

constexpr NamedRules kRuleLists[] = {
    {"RecordUnlimited", kRecordUnlimited},
    {"RecordFaxInput", kRecordFaxInput},
    {"ListenBand", kListenBand},
    {"ListenLength", kListenLength},
    {"ListenCadence", kListenCadence},
    {"ThruDialFixedLength", kThruDialFixedLength},
    {"EntryVerification", kEntryVerification},
    {"AddressInputType", kAddressInputType},
    {"AnnounceSource", kAnnounceSource},
    {"EnableGoto3", kEnableGoto3},
    {"EnableGoto4", kEnableGoto4},
    {"EnableGoto5", kEnableGoto5},
    {"EnableGoto6", kEnableGoto6},
};

}  // namespace

const GrayRule* FindRuleList(const char* name) {
  if (name == nullptr) return nullptr;
  for (const NamedRules& r : kRuleLists) {
    if (std::strcmp(r.name, name) == 0) return r.rules;
  }
  return nullptr;
}

}  // namespace scribe
