// The parameter layouts of the VavurOrezo types.
#include "model/pbtype.h"

namespace zeph {
namespace {

constexpr PBParmLayout kNone[] = {{}};
constexpr PBParmLayout kMessage[] = {{kLayoutPartRaw, 0, 4}, {kLayoutPartSlots, 4, 4}, {}};
constexpr PBParmLayout kEntry[] = {{kLayoutPartRaw, 0, 4}, {kLayoutPartSlots, 4, 17}, {}};
constexpr PBParmLayout kStandard[] = {
    {kLayoutPartRaw, 0, 24}, {kLayoutPartSlots, 24, 25}, {kLayoutPartRaw, 474, 12}, {}};
constexpr PBParmLayout kExtended[] = {
    {kLayoutPartRaw, 0, 80}, {kLayoutPartSlots, 80, 40}, {kLayoutPartRaw, 980, 40}, {}};
constexpr PBParmLayout kFaxCover[] = {
    {kLayoutPartRaw, 0, 80}, {kLayoutPartSlots, 80, 50}, {kLayoutPartRaw, 980, 40}, {}};
constexpr PBParmLayout kOldMenu[] = {{kLayoutPartRaw, 0, 4}, {kLayoutPartSlots, 4, 20}, {}};
constexpr PBParmLayout kOldFax[] = {
    {kLayoutPartRaw, 0, 80}, {kLayoutPartSlots, 80, 40}, {kLayoutPartRaw, 980, 20}, {}};

}  // namespace

const PBParmLayout* ParmLayoutParts(scribe::ParmLayout layout) {
  using enum scribe::ParmLayout;
  switch (layout) {
    case None: return kNone;
    case Message: return kMessage;
    case Entry: return kEntry;
    case Standard: return kStandard;
    case Extended: return kExtended;
    case FaxCover: return kFaxCover;
    case OldMenu: return kOldMenu;
    case OldFax: return kOldFax;
  }
  return nullptr;
}

int ParmLayoutKind(scribe::ParmLayout layout) { return scribe::GeometryOf(layout).LayoutKind; }

}  // namespace zeph
