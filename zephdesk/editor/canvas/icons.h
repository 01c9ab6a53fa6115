#pragma once
// Palette icons: a group of VavurOrezo types and the icon of one type, the list of groups
// built from the model's palette table, default block names, and the old and new names
// of a renamed SuperBlock page.

#include <memory>
#include <string>
#include <vector>

#include "editor/canvas/typerecord.h"
#include "editor/canvas/uiobject.h"
#include "model/interface/vlx_records.h"

namespace ed {

class EditorHost;
class Program;

class Icon : public UIObject {
 public:
  Icon(const char* name, const char* text, const char* bitmapName);
  const std::string& Name() const { return name_; }
  const std::string& Text() const { return text_; }
  // The bitmap is looked up by name where the icon is drawn.
  const std::string& BitmapName() const { return bitmap_; }

 private:
  std::string name_;
  std::string text_;
  std::string bitmap_;
};

class VavurOrezoIcon : public Icon {
 public:
  explicit VavurOrezoIcon(std::shared_ptr<TypeRecord> record);
  int isA() const override { return kClassVavurOrezoIcon; }

  const std::shared_ptr<TypeRecord>& Record() const { return record_; }
  int TypeCode() const { return record_ ? record_->typeCode : 0; }

  // The first free default name of the icon's type in the program: a prefix by type and
  // a number, never longer than 15 characters. The buffer holds at least 20 characters.
  void MakeDefaultName(Program& program, char* buffer) const { MakeDefaultName(program, buffer, 1); }
  // The same from the number first on; the answer is the number used, so that a caller
  // whose name was refused can go on with the next one.
  int MakeDefaultName(Program& program, char* buffer, int first) const;

 private:
  std::shared_ptr<TypeRecord> record_;
};

class GroupIcon : public Icon {
 public:
  // A group with the record's texts and one icon per type entry, in table order; an
  // empty group when record is null. Icons are shared with the blocks that use them.
  GroupIcon(const zeph::VlxPaletteGroup* record, EditorHost* host);
  GroupIcon(const char* name, const char* text, const char* bitmapName, bool system = false);
  int isA() const override { return kClassGroupIcon; }
  bool CanDrag() const override { return false; }
  bool IsShown() const override { return !system_; }

  VavurOrezoIcon* FindIcon(int typeCode) const;
  // The icon whose type record carries that type name.
  std::shared_ptr<VavurOrezoIcon> FindIconByTypeName(const std::string& typeName) const;
  const std::vector<std::shared_ptr<VavurOrezoIcon>>& Icons() const { return icons_; }
  void AddIcon(std::shared_ptr<VavurOrezoIcon> icon) { icons_.push_back(std::move(icon)); }
  void FlushIcons() { icons_.clear(); }

 private:
  std::vector<std::shared_ptr<VavurOrezoIcon>> icons_;
  bool system_ = false;
};

class PaletteIconList {
 public:
  // One group per group record of the table, in order.
  PaletteIconList(const zeph::IconInfoTable& table, EditorHost* host);
  VavurOrezoIcon* FindIcon(int typeCode) const;
  std::shared_ptr<VavurOrezoIcon> FindIconShared(int typeCode) const;
  GroupIcon* FindGroup(const char* name) const;
  const std::vector<std::shared_ptr<GroupIcon>>& Groups() const { return groups_; }

 private:
  std::vector<std::shared_ptr<GroupIcon>> groups_;
};

// Names of a renamed page, at most 127 characters each.
struct PageNamePair {
  PageNamePair(const char* oldName, const char* newName);
  char oldName[128] = {};
  char newName[128] = {};
};

// The default-name prefix of a type.
const char* DefaultNamePrefix(int typeCode);

}  // namespace ed
