#include "editor/canvas/icons.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "editor/canvas/modelport.h"
#include "editor/canvas/program.h"
#include "editor/support/editorhost.h"
#include "editor/support/messages.h"

namespace ed {
namespace {

const char* Safe(const char* p) { return p != nullptr ? p : ""; }

struct PrefixRow {
  int type;
  const char* prefix;
};

constexpr PrefixRow kPrefixes[] = {
    {393, "Announcement"}, {394, "Call_Transfer"}, {395, "Day_Control"}, {397, "Expr_Vce_Msg"},
    {398, "Fax_Send"},     {399, "FIM"},           {402, "Menu"},        {403, "Lang_Select"},
    {404, "MultimediaMsg"}, {405, "Thru_Dial"},    {406, "Time_Control"}, {407, "VIM"},
    {410, "Date_Control"}, {411, "Pwd_Check"},     {412, "Expr_Fax_Msg"}, {413, "Fax_Select"},
    {414, "SA_Msg"},       {415, "Custom_Cmds"},   {409, "ImportedPB"},
};

constexpr int kModelNoProgram = -3;

void ShowOutOfMemory(EditorHost* host, int id) {
  if (host != nullptr) host->MessageBoxRes(id, kBoxIconExclamation);
}

}  // namespace

const char* DefaultNamePrefix(int typeCode) {
  for (const PrefixRow& row : kPrefixes) {
    if (row.type == typeCode) return row.prefix;
  }
  return "Block";
}

Icon::Icon(const char* name, const char* text, const char* bitmapName)
    : name_(Safe(name)), text_(Safe(text)), bitmap_(Safe(bitmapName)) {}

VavurOrezoIcon::VavurOrezoIcon(std::shared_ptr<TypeRecord> record)
    : Icon(record ? record->typeName.c_str() : "", record ? record->label.c_str() : "",
           record ? record->bitmap.c_str() : ""),
      record_(std::move(record)) {}

int VavurOrezoIcon::MakeDefaultName(Program& program, char* buffer, int first) const {
  const char* prefix = DefaultNamePrefix(TypeCode());
  const int prefixLength = static_cast<int>(std::strlen(prefix));
  program.Activate();
  // A name the model holds for anything (a block, a variable, a reserved word) is skipped;
  // otherwise a name taken by a variable would be offered again and again.
  for (int n = first < 1 ? 1 : first;; ++n) {
    std::memset(buffer, 0, 20);
    char digits[12];
    const int digitCount = std::snprintf(digits, sizeof digits, "%d", n);
    const int keep = prefixLength + digitCount < 16 ? prefixLength : 15 - digitCount;
    std::snprintf(buffer, 20, "%.*s%s", keep, prefix, digits);
    const int inUse = program.Model().IsNameInUse(buffer);
    // Without a model program nothing can be checked: the first name is as good as any.
    if (inUse == 0 || inUse == kModelNoProgram) return n;
  }
}

GroupIcon::GroupIcon(const zeph::VlxPaletteGroup* record, EditorHost* host)
    : Icon(record ? record->Title : "", record ? record->Description : "", record ? record->Bitmap : ""),
      system_(record != nullptr && record->System != 0) {
  if (record == nullptr) return;
  for (int i = 0; i < zeph::kPaletteEntryMax + 1 && record->Entries[i].Name != nullptr; ++i) {
    try {
      icons_.push_back(std::make_shared<VavurOrezoIcon>(
          std::make_shared<TypeRecord>(TypeRecord::FromInfo(record->Entries[i]))));
    } catch (const std::bad_alloc&) {
      ShowOutOfMemory(host, kStrIconOutOfMemory);
      return;
    }
  }
}

GroupIcon::GroupIcon(const char* name, const char* text, const char* bitmapName, bool system)
    : Icon(name, text, bitmapName), system_(system) {}

VavurOrezoIcon* GroupIcon::FindIcon(int typeCode) const {
  for (const auto& icon : icons_) {
    if (icon->TypeCode() == typeCode) return icon.get();
  }
  return nullptr;
}

std::shared_ptr<VavurOrezoIcon> GroupIcon::FindIconByTypeName(const std::string& typeName) const {
  for (const auto& icon : icons_) {
    if (icon->Record() && icon->Record()->typeName == typeName) return icon;
  }
  return nullptr;
}

PaletteIconList::PaletteIconList(const zeph::IconInfoTable& table, EditorHost* host) {
  for (int i = 0; i < zeph::kPaletteGroupMax + 1 && table.Groups[i] != nullptr; ++i) {
    try {
      groups_.push_back(std::make_shared<GroupIcon>(table.Groups[i], host));
    } catch (const std::bad_alloc&) {
      ShowOutOfMemory(host, kStrGroupIconOutOfMemory);
      return;
    }
  }
}

VavurOrezoIcon* PaletteIconList::FindIcon(int typeCode) const {
  return FindIconShared(typeCode).get();
}

std::shared_ptr<VavurOrezoIcon> PaletteIconList::FindIconShared(int typeCode) const {
  for (const auto& group : groups_) {
    for (const auto& icon : group->Icons()) {
      if (icon->TypeCode() == typeCode) return icon;
    }
  }
  return nullptr;
}

GroupIcon* PaletteIconList::FindGroup(const char* name) const {
  if (name == nullptr) return nullptr;
  for (const auto& group : groups_) {
    if (group->Name() == name) return group.get();
  }
  return nullptr;
}

PageNamePair::PageNamePair(const char* oldText, const char* newText) {
  std::snprintf(oldName, sizeof oldName, "%s", Safe(oldText));
  std::snprintf(newName, sizeof newName, "%s", Safe(newText));
}

}  // namespace ed
