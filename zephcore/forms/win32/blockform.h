#pragma once
// The base of the set-up forms that edit a parameter block in place (a parameter
// variable's value, a working copy of a caller's keys): its own field table over edits of
// the template, a read-only flag that disables Done, and the rule that the block is written
// only once every check and the store have passed. Windows only.

#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "forms/engine/fieldrecord.h"
#include "forms/engine/formtable.h"
#include "forms/win32/controls.h"
#include "forms/win32/genericform.h"
#include "owl/checkbox.h"
#include "owl/radiobutton.h"

namespace zeph {

class TBlockForm : public TGenericForm {
 public:
  // block: the caller's bytes (blockSize of them); recordSize: what the form reads and
  // writes. A shorter block is reported and the form is not run.
  TBlockForm(TWindow* parent, const char* resource, unsigned char* block, int blockSize, int recordSize,
             bool readOnly, const std::vector<PBFieldDef>& entries = {});
  ~TBlockForm() override;

  // Cancel without running when a control could not be made or the block is too short.
  int Execute() override;
  bool CanClose() override;
  bool Usable() const { return usable_; }

 protected:
  void SetupWindow() override;
  // Done: builds the new record in `record` (a copy of the block) and answers whether it
  // may be written; false keeps the form open and the block untouched.
  virtual bool Commit(unsigned char* record) = 0;

  // Controls of the template, made in the constructor; a failed allocation is shown as
  // "Out of memory" once and leaves the form unusable (the result is then null).
  TCheckBox* MakeCheck(int id);
  TRadioButton* MakeRadio(int id);
  TEdit* MakeEdit(int id);
  // An edit or a check box for entry i of the table.
  bool BindEdit(int entry, int id);
  bool BindCheck(int entry, int id);
  // Entry i of the table shown by a control the form made itself.
  bool Bind(int entry, TWindow* control);

  // The field engine over the table: load from the block, check, store into a record.
  void LoadFields();
  bool ValidateFields();
  // Stores the edits into record; a failure is shown and answers false.
  bool StoreFields(unsigned char* record);

  bool Checked(int id) const;
  void SetChecked(int id, bool on);
  void EnableControl(int id, bool on);

  unsigned char* Block() const { return block_; }
  int RecordSize() const { return recordSize_; }
  void Refuse() { usable_ = false; }

  FormTable table_;

 private:
  template <class T>
  T* Own(T* control) {
    if (control == nullptr) OutOfMemory();
    return control;
  }
  void OutOfMemory();

  unsigned char* block_;
  int recordSize_;
  bool readOnly_;
  bool usable_ = true;
  bool reported_ = false;
  std::vector<std::unique_ptr<FieldControl>> bindings_;
};

// Little-endian words of a block.
inline std::uint32_t ReadU32(const unsigned char* p, int offset) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | p[offset + i];
  return v;
}
inline void WriteU32(unsigned char* p, int offset, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[offset + i] = static_cast<unsigned char>(v >> (8 * i));
}
inline std::uint16_t ReadU16(const unsigned char* p, int offset) {
  return static_cast<std::uint16_t>(p[offset] | p[offset + 1] << 8);
}
inline void WriteU16(unsigned char* p, int offset, std::uint16_t v) {
  p[offset] = static_cast<unsigned char>(v);
  p[offset + 1] = static_cast<unsigned char>(v >> 8);
}

}  // namespace zeph
