#include "records/kvvlssel.h"

#include <climits>
#include <iterator>

namespace {

using R = KvvlsRecordId;

// A layout and the lowest format level that holds it.
struct LevelLayout {
    int fromLevel;
    KvvlsRecordId record;
};

struct TypeLayouts {
    std::int16_t typeCode;
    LevelLayout layouts[8];  // newest first; the current one first of all
};

constexpr int kAny = INT_MIN;

// Data type codes with a parameter record. Codes with one layout list just that one.
constexpr TypeLayouts kTypes[] = {
    {1, {{kAny, R::Char}}},
    {2, {{kAny, R::SHORT}}},
    {3, {{kAny, R::LONG}}},
    {4, {{kAny, R::FLOAT}}},
    {5, {{kAny, R::DOUBLE}}},
    {6, {{kAny, R::STRING}}},
    {8, {{kAny, R::MAIL}}},
    {9, {{7, R::ENTKPARM2}, {kAny, R::ENTKPARM}}},
    {10, {{kAny, R::ENTSPARM}}},
    {11, {{kAny, R::ENTPARM}}},
    {12, {{kAny, R::Menu}}},
    {13, {{kAny, R::PMsgType}}},
    {14, {{kAny, R::EntryType}}},
    {15, {{kAny, R::RecordType}}},
    {16, {{kAny, R::MultiMailType}}},
    {17, {{kAny, R::ProgRec}}},
    {18, {{kAny, R::ApStatsType}}},
    {19, {{kAny, R::DATETIME1}}},
    {20, {{kAny, R::DATETIME2}}},
    {21, {{kAny, R::LONG}}},
    {22, {{kAny, R::FILEHNDL}}},
    {23, {{kAny, R::MNUKPARM}}},
    {24, {{kAny, R::MenuSType}}},
    {25, {{kAny, R::MNUPARM}}},
    {26, {{12, R::FaxSessInfo2}, {kAny, R::FaxSessInfo}}},
    {27, {{kAny, R::SRResult}}},
    {28, {{14, R::HeaderType2}, {kAny, R::HeaderType}}},
    {29, {{kAny, R::DL}}},
    {36, {{kAny, R::FileType}}},
    {37, {{kAny, R::MailType}}},
    {39, {{kAny, R::PathType}}},
    {40, {{kAny, R::SQLInfoType}}},
    {41, {{kAny, R::PageType}}},
    {42, {{kAny, R::PlayType}}},
    {43, {{kAny, R::PageType}}},
    {44, {{kAny, R::Mail2Type}}},
    {45, {{kAny, R::MB2Type}}},
    {47, {{kAny, R::RecordEditType}}},
    {48, {{4, R::DelayType2}, {kAny, R::DelayType}}},
    {49, {{4, R::DelErrorType2}, {kAny, R::DelErrorType}}},
    {50, {{kAny, R::RecordVoiceType}}},
    {51, {{kAny, R::VREntryParms}}},
    {53, {{kAny, R::BOOLEAN}}},
    {54, {{kAny, R::ToneType}}},
    {55, {{15, R::AddrType5}, {8, R::AddrType4}, {6, R::AddrType3}, {2, R::AddrType2}, {kAny, R::AddrType}}},
    {56, {{14, R::ADDRFTYPE5}, {13, R::ADDRFTYPE4}, {6, R::ADDRFTYPE3}, {2, R::ADDRFTYPE2}, {kAny, R::ADDRFTYPE}}},
    {57, {{5, R::PlayKType2}, {kAny, R::PlayKType}}},
    {58, {{kAny, R::PlaySType}}},
    {59, {{13, R::MsgBdyType5}, {12, R::MsgBdyType4}, {6, R::MsgBdyType3}, {2, R::MsgBdyType2}, {kAny, R::MsgBdyType}}},
    {60, {{14, R::MsgStType9}, {13, R::MsgStType8}, {12, R::MsgStType7}, {11, R::MsgStType6}, {9, R::MsgStType5},
          {6, R::MsgStType4}, {4, R::MsgStType3}, {kAny, R::MsgStType2}}},
    {61, {{13, R::MBoxType4}, {4, R::MBoxType3}, {kAny, R::MBoxType2}}},
    {62, {{10, R::CallType3}, {kAny, R::CallType2}}},
    {63, {{kAny, R::AlarmType}}},
};

const TypeLayouts* Find(std::int16_t typeCode)
{
    for (const TypeLayouts& t : kTypes) {
        if (t.typeCode == typeCode)
            return &t;
    }
    return nullptr;
}

}  // namespace

std::optional<KvvlsRecordId> KvvlsCurrentRecordOf(std::int16_t typeCode)
{
    const TypeLayouts* t = Find(typeCode);
    if (t == nullptr)
        return std::nullopt;
    return t->layouts[0].record;
}

std::optional<KvvlsRecordId> KvvlsRecordOf(std::int16_t typeCode, int formatLevel)
{
    const TypeLayouts* t = Find(typeCode);
    if (t == nullptr)
        return std::nullopt;
    for (const LevelLayout& l : t->layouts) {
        if (formatLevel >= l.fromLevel)
            return l.record;
    }
    return t->layouts[0].record;
}
