#include "programfile/imports/palette_groups.h"

#include <cstdio>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "foundation/kvmsgbox.h"
#include "model/custompb.h"
#include "model/datatypes.h"
#include "model/program/program.h"
#include "model/superblk_pages.h"
#include "model/symtable.h"

namespace zeph {

namespace {

constexpr int kCustomCallType = -100;

struct GroupHead {
  const char* title;
  const char* key;
  const char* description;
  const char* bitmap;
};
constexpr GroupHead kCustomGroup = {"Custom", "Custom", "Custom VavurOrezos", "Custom"};
constexpr GroupHead kSuperBlockGroup = {"SuperBlocks", "SuperBlocks", "SuperBlocks", "SuperBlock"};
constexpr GroupHead kVerifyGroup = {"VerifyBlocks", "VerifyBlocks", "Verification Blocks", "VerifyBlock"};
constexpr const char* kLibraryBitmap = "RLL";
constexpr const char* kGotoLabel = "Goto";
constexpr const char* kGroupFullFormat =
    "Problem encountered loading the palette.\nCould not add '%s' to palette group '%s'.";

void Head(VlxPaletteGroup& group, const GroupHead& head) {
  group = VlxPaletteGroup();
  group.Title = head.title;
  group.Key = head.key;
  group.Description = head.description;
  group.Bitmap = head.bitmap;
}

// A group holds kPaletteEntryMax entries: those past it are named in a box, as the
// palette does with a full group.
void ReportLeftOut(const char* name, const char* group) {
  char text[256];
  std::snprintf(text, sizeof text, kGroupFullFormat, name ? name : "", group ? group : "");
  KvMessageBoxRequest request;
  request.text = text;
  request.caption = "Flowsmith";
  request.style = kKvMbOk | kKvMbIconHand;
  KvMessageBox(request);
}

Symbol* PageTree(TProgram& program, int code) {
  Symbol** root = program.Symbols().TreeOfType(code);
  return root ? *root : nullptr;
}

// Appends the pages of one tree; names past the group's room are reported.
int AddPages(VlxPaletteGroup& group, int used, Symbol* tree) {
  const int total = CountPages(tree);
  const int written = AddPagePaletteEntries(tree, group.Entries + used, kPaletteEntryMax - used, group.Bitmap);
  if (written < total) ReportLeftOut((std::to_string(total - written) + " pages").c_str(), group.Title);
  return used + written;
}

// Texts that the designer reads from a group must outlive the call: library names are kept.
const char* Kept(const std::string& text) {
  static std::set<std::string> kept;
  return kept.insert(text).first->c_str();
}

}  // namespace

VlxPaletteGroup* ProgramPaletteGroups::Customs(TProgram& program) {
  if (!customs_) customs_ = std::make_unique<VlxPaletteGroup>();
  VlxPaletteGroup& group = *customs_;
  Head(group, kCustomGroup);
  int n = 0;
  for (const CustomPBEntry* e = program.CustomVavurOrezos().Head.get(); e; e = e->Next.get()) {
    if (n == kPaletteEntryMax) {
      ReportLeftOut(e->Name, group.Title);
      break;
    }
    VavurOrezoInfo& entry = group.Entries[n++];
    entry.Name = e->Name;
    entry.SecondName = e->Name;
    entry.Bitmap = kCustomGroup.bitmap;
    entry.Type = static_cast<std::int16_t>(kCustomCallType);
    entry.ExitCount = 1;
    entry.Exits[0].Label = kGotoLabel;
    entry.Exits[0].Id = 5;
    entry.Exits[0].Group = 0;
  }
  return customs_.get();
}

VlxPaletteGroup* ProgramPaletteGroups::Pages(TProgram& program, int which) {
  if (which < 0 || which > 2) return nullptr;
  auto& slot = pages_[which];
  if (!slot) slot = std::make_unique<VlxPaletteGroup>();
  VlxPaletteGroup& group = *slot;
  Head(group, which == 2 ? kVerifyGroup : kSuperBlockGroup);
  int used = 0;
  if (which != 2) used = AddPages(group, used, PageTree(program, kTypeSuperBlock));
  if (which != 1) used = AddPages(group, used, PageTree(program, kTypeVerificationBlock));
  return slot.get();
}

ProgramPaletteGroups& PaletteGroupsOf(TProgram& program) {
  static std::map<const TProgram*, std::pair<std::uint32_t, ProgramPaletteGroups>> groups;
  // The groups of programs that are gone go with them; a program made at an address that
  // an earlier one had starts afresh (serials differ).
  for (auto it = groups.begin(); it != groups.end();)
    it = TProgram::IsLive(it->first) ? std::next(it) : groups.erase(it);
  auto& entry = groups[&program];
  if (entry.first != program.SerialNumber()) entry = {program.SerialNumber(), ProgramPaletteGroups()};
  return entry.second;
}

std::unique_ptr<VlxPaletteGroup> LibraryPaletteGroup(TProgram& program, const char* library) {
  auto group = std::make_unique<VlxPaletteGroup>();
  const std::string name = library ? library : "";
  group->Title = Kept(name);
  group->Key = kSuperBlockGroup.key;
  group->Description = kSuperBlockGroup.description;
  group->Bitmap = kLibraryBitmap;
  Symbol* tree = PageTree(program, kTypeSuperBlock);
  const int total = CountLibraryPages(tree, name.c_str());
  const int written = AddLibraryPaletteEntries(tree, name.c_str(), group->Entries, kPaletteEntryMax);
  if (written < total) ReportLeftOut((std::to_string(total - written) + " pages").c_str(), group->Title);
  return group;
}

}  // namespace zeph
