// The definition variants, the conversion entries of the VavurOrezo types and the record
// conversions of the built-in record types, registered in this order.
#include <cstring>
#include <vector>

#include "model/pbcat.h"
#include "model/pbconv_callbacks.h"
#include "model/pbconv_olddefs.h"
#include "model/pbconv_tables.h"

namespace zeph {
namespace {

using scribe::ParmLayout;

// ---- Field moves ------------------------------------------------------------------------

constexpr PBFieldMove Copy(std::uint32_t from, std::uint32_t to) {
  return {.Kind = kMoveCopy, .Source = from, .Destination = to};
}
constexpr PBFieldMove Scale(std::uint32_t from, std::uint32_t to, const char* factor) {
  return {.Kind = kMoveScale, .Source = from, .Text = factor, .Destination = to};
}
constexpr PBFieldMove CopyIfEqual(std::uint32_t from, std::uint32_t to, std::uint32_t condition, const char* text) {
  return {.Kind = kMoveCopyIfEqual, .Source = from, .Destination = to, .Condition = condition, .Compare = text};
}
constexpr PBFieldMove CopyIfGiven(std::uint32_t from, std::uint32_t to) {
  return {.Kind = kMoveCopyIfGiven, .Source = from, .Destination = to, .Condition = from};
}
constexpr PBFieldMove Set(std::uint32_t to, const char* text) {
  return {.Kind = kMoveSet, .Text = text, .Destination = to};
}
constexpr PBFieldMove SetIfEqual(std::uint32_t to, const char* text, std::uint32_t condition, const char* compare) {
  return {.Kind = kMoveSetIfEqual, .Text = text, .Destination = to, .Condition = condition, .Compare = compare};
}
constexpr PBFieldMove End() { return {}; }

// VMenu before 1.5 (old menu layout): its sentences, parameters and key gotos.
constexpr PBFieldMove kMenuBefore15[] = {
    Copy(0, 24),  Copy(1, 15),  Copy(2, 14),  Copy(3, 18),  Copy(5, 19),  Copy(7, 0),   Copy(8, 1),
    Copy(9, 2),   Copy(10, 3),  Copy(11, 4),  Copy(12, 5),  Copy(13, 6),  Copy(14, 7),  Copy(15, 8),
    Copy(16, 9),  Copy(17, 10), Copy(19, 12), Copy(20, 13), End()};

// XFaxAddCover before 2.0: the 40 value slots of the extended layout.
constexpr PBFieldMove kFaxCoverBefore20[] = {
    Copy(0, 0),   Copy(1, 1),   Copy(2, 2),   Copy(3, 3),   Copy(4, 4),   Copy(5, 5),   Copy(6, 6),
    Copy(7, 7),   Copy(8, 8),   Copy(9, 9),   Copy(10, 10), Copy(11, 11), Copy(12, 12), Copy(13, 13),
    Copy(14, 14), Copy(15, 15), Copy(16, 16), Copy(17, 17), Copy(18, 18), Copy(19, 19), Copy(20, 20),
    Copy(21, 21), Copy(22, 22), Copy(23, 23), Copy(24, 24), Copy(25, 25), Copy(26, 26), Copy(27, 27),
    Copy(28, 28), Copy(29, 29), Copy(30, 30), Copy(31, 31), Copy(32, 32), Copy(33, 33), Copy(34, 34),
    Copy(35, 35), Copy(36, 36), Copy(37, 37), Copy(38, 38), Copy(39, 39), End()};

// VToneGetString before 1.5: seconds become milliseconds; -1 waited forever, 0 not at all.
constexpr PBFieldMove kToneGetStringBefore15[] = {
    Copy(0, 0), Copy(1, 1), Scale(2, 2, "1000"), Copy(5, 3), Copy(3, 5), Copy(4, 6),
    SetIfEqual(7, "2", 2, "'-1"), SetIfEqual(7, "3", 2, "'0"), End()};

// TWaitCall before 1.5: seconds become milliseconds; -1 waited forever.
constexpr PBFieldMove kWaitCallBefore15[] = {
    Scale(0, 0, "1000"), Copy(1, 1), Copy(2, 5), Copy(3, 6), Set(7, "0"), SetIfEqual(7, "1", 0, "'-1"),
    End()};

// UPauseProgram before 1.5: -1 paused for ever.
constexpr PBFieldMove kPauseBefore15[] = {
    Copy(0, 0), Copy(1, 1), SetIfEqual(0, "'2147483647", 0, "'-1"), End()};

// bVEntry before 1.5, converted into VEntry (type 180).
constexpr PBFieldMove kEntryBefore15[] = {
    Copy(0, 0),   Copy(4, 1),   Copy(6, 2),   Copy(7, 3),   Copy(8, 4),   Copy(10, 5),
    Copy(2, 6),   Copy(3, 7),   Copy(12, 10), Copy(13, 11), Copy(14, 12), Copy(15, 13),
    SetIfEqual(14, "Range of Numbers", 1, "2"), SetIfEqual(14, "Database", 1, "3"),
    CopyIfEqual(16, 8, 1, "3"), End()};

// OErrorLogAdd before 3.05: the optional fields only when given.
constexpr PBFieldMove kErrorLogBefore305[] = {
    Copy(0, 0), Copy(1, 1), Copy(2, 2), Copy(10, 10), CopyIfGiven(3, 3), CopyIfGiven(4, 4),
    CopyIfGiven(5, 5), CopyIfGiven(6, 6), CopyIfGiven(7, 7), CopyIfGiven(8, 8), CopyIfGiven(9, 9),
    End()};

// KvGAM_VCERECORD before 4.03: the record offset, or the current body's offset.
constexpr PBFieldMove kVoiceRecordBefore403[] = {
    Copy(0, 0), Copy(1, 1), Copy(2, 2), Copy(4, 4), Copy(5, 5), Copy(6, 6), Copy(7, 7),
    Copy(8, 8), Copy(9, 9), Copy(10, 10), Copy(11, 11), CopyIfEqual(3, 3, 12, "1"),
    SetIfEqual(3, "CurBody.Offset", 12, "2"), End()};

// KvGAM_ADRCPYL before 4.05: the lists' new names.
constexpr PBFieldMove kAddressCopyBefore405[] = {
    Copy(0, 0), Copy(1, 1), SetIfEqual(2, "To List", 2, "Message Recipient List"),
    SetIfEqual(2, "From List", 2, "Message Sender List"),
    CopyIfEqual(2, 2, 2, "Distribution List"), End()};

// KvGAM_MSG_SELMSG before 5.06: the selections by their stored names.
constexpr PBFieldMove kSelectMessagesBefore506[] = {
    Copy(0, 0), Copy(1, 1), Copy(2, 2),
    SetIfEqual(3, "cSCSM_All", 3, "All Messages"),
    SetIfEqual(3, "cSCSM_Null", 3, "No Messages"),
    SetIfEqual(3, "cSCSM_Unread", 3, "New Messages Only"),
    SetIfEqual(3, "cSCSM_Read", 3, "Old Messages Only"),
    SetIfEqual(3, "cSCSM_Urgent", 3, "Urgent Messages Only"),
    SetIfEqual(3, "cSCSM_Unsent", 3, "Unsent Messages Only"),
    SetIfEqual(3, "cSCSM_Voice", 3, "Voice Messages Only"),
    SetIfEqual(3, "cSCSM_Fax", 3, "Fax Messages Only"),
    SetIfEqual(3, "cSCSM_Text", 3, "Text Messages Only"),
    SetIfEqual(3, "cSCSM_Deleted", 3, "Deleted Messages Only"),
    End()};

// KvGAM_RESADR before 8.02: name dialing starts off.
constexpr PBFieldMove kResolveAddressBefore802[] = {
    Copy(0, 0), Copy(1, 1), Copy(2, 2), Copy(3, 3), Copy(4, 4), Copy(5, 5), Copy(6, 6),
    Copy(7, 7), Copy(8, 8), Copy(9, 9), Copy(11, 11), Set(10, "0"), End()};

// Thru-Dial of servers before 6.07: the greeting file is the current voice file, and the
// current fields that followed a field the old definition lacked move down.
constexpr PBFieldMove kThruDialBefore506[] = {
    Copy(0, 0), Copy(1, 1), Copy(2, 3), Copy(3, 4), Copy(4, 5), Copy(5, 6), Copy(6, 10), End()};

// ---- Conversion entries ----------------------------------------------------------------

enum class Layout { Current, Entry, Standard, Extended, OldMenu, OldFax };
enum class Source { Current, Structure, Definition };

struct Row {
  std::int16_t type;
  float version;
  std::int16_t newType = 0;
  std::int32_t flags = 0;
  Layout layout = Layout::Current;
  Source source = Source::Current;
  std::uint16_t structId = 0;
  OldDefinition definition = OldDefinition::ToneGetStringBefore15;
  const PBFieldMove* moves = nullptr;   // null: moves by field name and kind
  PBConversionCallback callback = nullptr;
};

constexpr Row ByName(std::int16_t type, float version) { return {.type = type, .version = version}; }

constexpr Row Impossible(std::int16_t type, std::int16_t newType, Layout layout) {
  return {.type = type, .version = 1.5f, .newType = newType, .flags = kConvImpossible, .layout = layout};
}

constexpr Row FromStructure(std::int16_t type, float version, std::uint16_t id) {
  return {.type = type, .version = version, .layout = Layout::Extended, .source = Source::Structure,
          .structId = id};
}

// Old pages of the service blocks (the definitions of servers before 6.07).
constexpr std::uint16_t kOldThruDial = 10294;
constexpr std::uint16_t kOldPasswordCheck = 10295;
constexpr std::uint16_t kOldFaxSelect = 10296;
constexpr std::uint16_t kOldMenu = 10297;
constexpr std::uint16_t kMenuBefore15Structure = 5254;

const Row kRows[] = {
    {.type = 0, .version = 1.5f, .layout = Layout::OldMenu, .source = Source::Structure,
     .structId = kMenuBefore15Structure, .moves = kMenuBefore15, .callback = ReportDroppedOldMenuFields},
    {.type = 152, .version = 2.0f, .layout = Layout::Extended, .moves = kFaxCoverBefore20},
    ByName(13, 3.08f),
    {.type = 17, .version = 1.5f, .layout = Layout::Standard, .source = Source::Definition,
     .definition = OldDefinition::ToneGetStringBefore15, .moves = kToneGetStringBefore15,
     .callback = ConvertToneKeys},
    {.type = 7, .version = 1.5f, .layout = Layout::Standard, .source = Source::Definition,
     .definition = OldDefinition::WaitCallBefore15, .moves = kWaitCallBefore15},
    ByName(14, 1.5f),
    ByName(22, 1.5f),
    {.type = 134, .version = 1.5f, .layout = Layout::Standard, .moves = kPauseBefore15},
    ByName(127, 3.08f),
    {.type = 2, .version = 1.5f, .newType = 180, .flags = kConvCallbackFirst, .layout = Layout::Entry,
     .moves = kEntryBefore15, .callback = ConvertOldEntry},
    {.type = 133, .version = 1.5f, .layout = Layout::Standard, .source = Source::Definition,
     .definition = OldDefinition::SpeedVolumeBefore15, .callback = ConvertSpeedVolumeKeys},
    ByName(148, 1.5f),
    ByName(147, 1.5f),
    Impossible(149, 0, Layout::OldFax),
    Impossible(150, 0, Layout::OldFax),
    Impossible(151, 0, Layout::OldFax),
    Impossible(152, 0, Layout::OldFax),
    Impossible(153, 0, Layout::OldFax),
    Impossible(154, 0, Layout::OldFax),
    Impossible(155, 0, Layout::OldFax),
    Impossible(156, 0, Layout::OldFax),
    Impossible(157, 0, Layout::OldFax),
    Impossible(158, 0, Layout::OldFax),
    Impossible(159, 150, Layout::OldFax),
    Impossible(160, 0, Layout::OldFax),
    Impossible(161, 0, Layout::OldFax),
    Impossible(162, 0, Layout::OldFax),
    Impossible(163, 159, Layout::Standard),
    {.type = 17, .version = 2.03f, .layout = Layout::Extended, .source = Source::Definition,
     .definition = OldDefinition::ToneGetStringBefore203, .callback = ConvertToneKeys},
    ByName(178, 2.03f),
    ByName(0, 2.03f),
    ByName(217, 2.03f),
    ByName(229, 2.03f),
    ByName(215, 2.03f),
    ByName(271, 3.02f),
    ByName(271, 3.02f),
    ByName(274, 3.02f),
    ByName(100, 3.05f),
    ByName(180, 3.01f),
    {.type = 121, .version = 3.05f, .layout = Layout::Extended, .moves = kErrorLogBefore305},
    ByName(223, 3.05f),
    ByName(302, 3.08f),
    ByName(303, 3.08f),
    ByName(180, 3.08f),
    ByName(0, 3.08f),
    ByName(178, 3.08f),
    ByName(100, 3.08f),
    ByName(229, 3.08f),
    ByName(345, 3.08f),
    ByName(323, 3.08f),
    ByName(316, 3.08f),
    ByName(180, 3.12f),
    ByName(17, 3.12f),
    ByName(0, 3.12f),
    ByName(229, 3.12f),
    ByName(361, 3.12f),
    ByName(13, 3.12f),
    ByName(127, 3.12f),
    ByName(307, 3.12f),
    ByName(306, 3.12f),
    ByName(255, 3.12f),
    ByName(178, 3.12f),
    ByName(318, 4.01f),
    ByName(315, 4.01f),
    ByName(306, 4.01f),
    ByName(301, 4.01f),
    ByName(342, 4.01f),
    ByName(158, 4.01f),
    ByName(127, 4.01f),
    ByName(13, 4.01f),
    ByName(302, 4.02f),
    ByName(11, 4.02f),
    ByName(354, 4.02f),
    {.type = 229, .version = 4.03f, .layout = Layout::Extended, .source = Source::Definition,
     .definition = OldDefinition::VoiceRecordBefore403, .moves = kVoiceRecordBefore403},
    ByName(178, 4.03f),
    ByName(357, 4.03f),
    ByName(315, 4.03f),
    ByName(314, 4.04f),
    ByName(160, 4.05f),
    {.type = 310, .version = 4.05f, .layout = Layout::Extended, .moves = kAddressCopyBefore405},
    ByName(303, 4.05f),
    ByName(255, 4.05f),
    ByName(178, 4.05f),
    ByName(229, 4.05f),
    ByName(309, 4.06f),
    ByName(11, 4.06f),
    ByName(354, 4.06f),
    ByName(316, 4.06f),
    ByName(326, 4.06f),
    ByName(229, 4.06f),
    ByName(309, 4.07f),
    ByName(362, 4.07f),
    ByName(342, 4.07f),
    ByName(127, 4.08f),
    ByName(380, 4.08f),
    ByName(327, 4.08f),
    ByName(13, 4.08f),
    ByName(158, 4.08f),
    ByName(374, 4.09f),
    ByName(380, 4.09f),
    ByName(301, 4.09f),
    ByName(313, 4.09f),
    ByName(312, 4.09f),
    ByName(370, 4.1907f),
    ByName(371, 4.1907f),
    ByName(327, 4.1907f),
    ByName(307, 4.1907f),
    ByName(388, 4.1907f),
    ByName(158, 4.2001f),
    ByName(160, 4.2001f),
    ByName(380, 4.2001f),
    ByName(327, 4.2001f),
    ByName(307, 4.2001f),
    ByName(315, 4.2001f),
    ByName(13, 4.2001f),
    ByName(304, 5.03f),
    ByName(160, 5.03f),
    ByName(394, 6.07f),
    FromStructure(411, 5.06f, kOldPasswordCheck),
    ByName(411, 6.07f),
    FromStructure(413, 5.06f, kOldFaxSelect),
    FromStructure(402, 5.06f, kOldMenu),
    ByName(402, 6.07f),
    {.type = 405, .version = 5.06f, .layout = Layout::Extended, .source = Source::Structure,
     .structId = kOldThruDial, .moves = kThruDialBefore506},
    ByName(405, 6.07f),
    ByName(180, 5.06f),
    ByName(0, 5.06f),
    ByName(323, 5.06f),
    ByName(319, 5.06f),
    {.type = 324, .version = 5.06f, .layout = Layout::Extended, .moves = kSelectMessagesBefore506},
    {.type = 302, .version = 8.02f, .layout = Layout::Extended, .moves = kResolveAddressBefore802},
};

ParmLayout LayoutOf(Layout layout) {
  switch (layout) {
    case Layout::Entry: return ParmLayout::Entry;
    case Layout::Standard: return ParmLayout::Standard;
    case Layout::Extended: return ParmLayout::Extended;
    case Layout::OldMenu: return ParmLayout::OldMenu;
    case Layout::OldFax: return ParmLayout::OldFax;
    case Layout::Current: break;
  }
  return ParmLayout::None;
}

void RegisterConversion(PBCatalogue& catalogue, ParmVersionTables& tables, const Row& row) {
  const PBType* slot = catalogue.Slot(row.type);
  const PBType* newSlot = catalogue.Slot(row.newType != 0 ? row.newType : row.type);
  if (slot == nullptr || newSlot == nullptr) return;
  const PBParmLayout* layout = slot->ParmLayout;
  int layoutKind = slot->LayoutKind;
  if (row.layout != Layout::Current) {
    layout = ParmLayoutParts(LayoutOf(row.layout));
    layoutKind = ParmLayoutKind(LayoutOf(row.layout));
  }
  const PBFieldDef* oldFields =
      row.source == Source::Definition ? BuildOldDefinition(row.definition, tables) : nullptr;
  const int structId = row.source == Source::Structure ? row.structId : 0;
  PBConversion& e = AddConversion(catalogue, tables, row.type, row.newType, row.version, row.flags,
                                  oldFields, structId, row.moves, layoutKind, layout, row.callback);
  if (row.moves == nullptr && !(row.flags & kConvImpossible)) SetMovesByName(e, tables, newSlot->FieldTable);
}

// ---- Definition variants ---------------------------------------------------------------

struct VariantRow {
  std::int16_t type;
  std::uint16_t structId;
  const char* dialog;
  const char* name;
};

constexpr float kVariantVersion = 5.06f;

constexpr VariantRow kVariants[] = {
    {402, kOldMenu, "ULVO_MENU", "ULVO_vB_MENU"},
    {405, kOldThruDial, "ULVO_THRUDIAL", "ULVO_vB_THRUDIAL"},
    {411, kOldPasswordCheck, "ULVO_CHECKPASSWORD", "ULVO_vB_CHECKPASSWORD"},
    {413, kOldFaxSelect, "ULVO_FAXSELECT", "ULVO_vB_FAXSELECT"},
};

// ---- Record conversions ----------------------------------------------------------------

constexpr RecFieldMove RecCopy(std::int32_t oldOffset, std::int32_t oldLength, std::int32_t newOffset,
                               std::int32_t newLength) {
  return {.Kind = kRecMoveCopy, .OldOffset = oldOffset, .OldLength = oldLength, .NewOffset = newOffset,
          .NewLength = newLength};
}
constexpr RecFieldMove RecScale(std::int32_t oldOffset, std::int32_t oldLength, std::int32_t factor,
                                std::int32_t newOffset, std::int32_t newLength) {
  return {.Kind = kRecMoveScale, .OldOffset = oldOffset, .OldLength = oldLength, .Value = factor,
          .NewOffset = newOffset, .NewLength = newLength};
}
// A constant of `size` bytes; wider constants than four bytes are zeros.
constexpr unsigned char kZeroBytes[128] = {};
constexpr RecFieldMove RecConstant(std::int32_t value, std::int32_t size, std::int32_t newOffset,
                                   std::int32_t newLength) {
  return {.Kind = kRecMoveConstant, .OldLength = size, .Value = value, .NewOffset = newOffset,
          .NewLength = newLength, .Flags = size > 4 ? kRecConstantBytes : 0u,
          .Bytes = size > 4 ? kZeroBytes : nullptr};
}
constexpr RecFieldMove RecText(const char* text, std::int32_t newOffset, std::int32_t newLength) {
  return {.Kind = kRecMoveText, .NewOffset = newOffset, .NewLength = newLength, .Text = text};
}
constexpr RecFieldMove RecEnd() { return {}; }

constexpr RecFieldMove kEntryParms15[] = {
    RecCopy(0, 18, 0, 18), RecScale(18, 2, 1000, 18, 4), RecCopy(20, 16, 22, 30), RecCopy(52, 6, 52, 6),
    RecText("*", 52, 2), RecText("", 54, 65), RecEnd()};
constexpr RecFieldMove kMenuParms15[] = {
    RecCopy(0, 6, 0, 6), RecScale(6, 2, 1000, 6, 4), RecCopy(8, 12, 10, 12), RecEnd()};
constexpr RecFieldMove kEntryParms203[] = {
    RecCopy(0, 52, 0, 52), RecConstant(0, 4, 52, 4), RecConstant(0, 2, 56, 2), RecText("*", 58, 2),
    RecText("", 60, 64), RecEnd()};
constexpr RecFieldMove kPlayParms203[] = {
    RecCopy(0, 60, 0, 60), RecConstant(0, 2, 64, 2), RecConstant(4000, 2, 66, 4), RecEnd()};
constexpr RecFieldMove kRecordVoiceParms203[] = {
    RecCopy(0, 50, 0, 50), RecConstant(0, 2, 58, 2), RecConstant(30000, 4, 60, 4), RecEnd()};
constexpr RecFieldMove kRecordEditParms203[] = {
    RecCopy(0, 130, 0, 130), RecConstant(0, 2, 138, 2), RecConstant(30000, 4, 140, 4),
    RecConstant(0, 4, 144, 2), RecEnd()};
constexpr RecFieldMove kEntryParms30[] = {
    RecCopy(0, 58, 0, 58), RecText("*", 58, 2), RecText("", 60, 65), RecEnd()};
constexpr RecFieldMove kMsgStruct304[] = {
    RecCopy(0, 2, 0, 2), RecCopy(4, 81, 2, 81), RecConstant(0, 2, 83, 38), RecEnd()};
constexpr RecFieldMove kAddrParms306[] = {
    RecCopy(0, 258, 0, 258), RecCopy(258, 31, 323, 31), RecCopy(289, 2, 384, 2), RecConstant(0, 65, 258, 65),
    RecEnd()};

struct RecordRow {
  std::int16_t type;
  float version;
  const RecFieldMove* moves;
  RecConversionCallback callback;
};

constexpr RecordRow kRecords[] = {
    {kTypeEntryParms, 1.5f, kEntryParms15, nullptr},
    {kTypeMenuParms, 1.5f, kMenuParms15, nullptr},
    {kTypeEntryParms, 2.03f, kEntryParms203, nullptr},
    {kTypePlayParms, 2.03f, kPlayParms203, RecordConversionDone},
    {kTypeRecordVoiceParms, 2.03f, kRecordVoiceParms203, RecordConversionDone},
    {kTypeRecordEditParms, 2.03f, kRecordEditParms203, ConvertRecordEditMasks},
    {kTypeEntryParms, 3.0f, kEntryParms30, nullptr},
    {kTypeMsgStruct, 3.04f, kMsgStruct304, nullptr},
    {kTypeAddrParms, 3.06f, kAddrParms306, nullptr},
};

}  // namespace

void SetMovesByName(PBConversion& entry, ParmVersionTables& tables, const PBFieldDef* newFields) {
  const PBFieldDef* oldFields = entry.OldFields;
  std::vector<PBFieldMove> moves;
  for (int to = 0; newFields != nullptr && !newFields[to].IsEnd(); ++to) {
    for (int from = 0; oldFields != nullptr && !oldFields[from].IsEnd(); ++from) {
      if (std::strcmp(oldFields[from].Name, newFields[to].Name) == 0 &&
          oldFields[from].UIElement == newFields[to].UIElement) {
        moves.push_back(Copy(static_cast<std::uint32_t>(from), static_cast<std::uint32_t>(to)));
        break;
      }
    }
  }
  entry.Moves = tables.KeepMoves(std::move(moves));
  entry.ByName = true;
}

void InitParmVersionTables(PBCatalogue& catalogue, ParmVersionTables& tables) {
  for (const VariantRow& v : kVariants) {
    AddVariant(catalogue, tables, v.type, kVariantVersion, v.structId, v.dialog, v.name);
  }
  for (const Row& row : kRows) RegisterConversion(catalogue, tables, row);
  for (const RecordRow& r : kRecords) AddRecordConversion(tables, r.type, r.version, r.moves, r.callback);
}

}  // namespace zeph
