#pragma once
// The key map dialog: the user picks the keys (encoding A) of one mask of a record whose
// other masks already use some keys. Its group box hears every click on a key box and asks
// before a key or a key group that another mask uses is taken. Windows only.

#include <cstdint>

#include "forms/win32/genericform.h"
#include "owl/checkbox.h"
#include "owl/groupbox.h"

namespace zeph {

inline constexpr const char kKeyMapResource[] = "VQ_VCE_KEYMAP_PARM";
inline constexpr int kKeyMapGroupBox = 10;
inline constexpr int kKeyBoxBase = 441;      // 441 + bit, bits 0-27
inline constexpr int kDigitsGroupBox = 469;
inline constexpr int kLettersGroupBox = 470;
inline constexpr int kSoftKeysGroupBox = 471;
inline constexpr int kKeyMapBoxes = 31;
inline constexpr const char kKeyUsedCaption[] = "Key Already Used";

class MyGroupBox : public TGroupBox {
 public:
  MyGroupBox(TWindow* parent, int id, std::uint32_t used, TCheckBox** boxes)
      : TGroupBox(parent, id), used_(used), boxes_(boxes) {}
  void SelectionChanged(int controlId) override { KeyBoxClicked(controlId); }
  // A click on box `id`: a group box checks its keys and those of the groups after it
  // (asking first when another mask uses some of them); a key box that another mask uses
  // asks before it is taken.
  virtual void KeyBoxClicked(int id);

 private:
  void HandleGroup(int group);
  bool AskYes(const char* text) const;
  TCheckBox* Box(int id) const { return boxes_[id - kKeyBoxBase]; }

  std::uint32_t used_;
  TCheckBox** boxes_;
};

class TKboardParm : public TGenericForm {
 public:
  // mask: the caller's mask, written on Done only; used: the keys other masks hold.
  TKboardParm(TWindow* parent, const char* resource, std::uint32_t* mask, std::uint32_t used);
  bool CanClose() override;
  int Execute() override { return usable_ ? TGenericForm::Execute() : IDCANCEL; }
  bool Usable() const { return usable_; }

 protected:
  void SetupWindow() override;

 private:
  std::uint32_t* mask_;
  std::uint32_t used_;
  MyGroupBox* group_ = nullptr;
  TCheckBox* boxes_[kKeyMapBoxes] = {};
  bool usable_ = true;
};

// The key map button of mask k of a record's exclusive masks (mask 0 the ignore mask):
// runs the key map on mask k, then every other mask loses mask k's keys and the ignore
// mask becomes the complement of the others. "Out of memory" leaves the masks.
void RunKeyMapOn(TWindow* form, std::uint32_t* masks, int count, int k);

}  // namespace zeph
