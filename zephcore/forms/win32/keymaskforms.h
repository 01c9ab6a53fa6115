#pragma once
// Set-up forms of records with exclusive key masks (encoding A): each mask shows its text
// in an edit, masks 1..n-1 have a key map button and mask 0 (ignore) holds every key the
// others do not. TPlayKParm (key play parameters), TRecordSmall (record-voice parameters)
// and TEntryKParm (keypad entry parameters). Windows only.

#include <vector>

#include "forms/win32/blockform.h"

namespace zeph {

inline constexpr int kPlayKParmSize = 58;
inline constexpr int kRecordVoiceSize = 40;
inline constexpr int kEntryKSize = 38;
inline constexpr const char kPlayKParmResource[] = "VQ_VCE_PLYVCE_KPARM";
inline constexpr const char kRecordVoiceResource[] = "VQ_VCE_RECVCE_PARM";
inline constexpr const char kEntryKResource[] = "VQ_VCE_ENTDIG_KPARM";

// One mask: its offset in the record, the edit that shows its text and its key map
// button (0 for the ignore mask).
struct KeyMaskBinding {
  int offset;
  int textEdit;
  int button;
};

class TKeyMasksForm : public TBlockForm {
 public:
  std::uint32_t Mask(int i) const { return masks_[static_cast<std::size_t>(i)]; }

 protected:
  TKeyMasksForm(TWindow* parent, const char* resource, unsigned char* block, int blockSize, int recordSize,
                bool readOnly, const std::vector<PBFieldDef>& entries, std::vector<KeyMaskBinding> masks);
  // Reads the masks from the block and shows their texts.
  void LoadMasks();
  void ShowMaskTexts();
  void WriteMasks(unsigned char* record) const;
  // A 16-bit flag of the record from a check box and back.
  void ShowFlag(int box, int offset);
  void StoreFlag(unsigned char* record, int box, int offset) const;

 private:
  void KeyMapButton(UINT id);

  std::vector<KeyMaskBinding> bindings_;
  std::vector<std::uint32_t> masks_;

  DECLARE_RESPONSE_TABLE(TKeyMasksForm);
};

class TPlayKParm : public TKeyMasksForm {
 public:
  TPlayKParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize = kPlayKParmSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  void SemiIntClicked();

  DECLARE_RESPONSE_TABLE(TPlayKParm);
};

class TRecordSmall : public TKeyMasksForm {
 public:
  TRecordSmall(TWindow* parent, const char* resource, unsigned char* block, bool readOnly,
               int blockSize = kRecordVoiceSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  void WarnToneClicked() { Toggle(0); }
  void SilenceClicked() { Toggle(1); }
  void DiscardShortClicked() { Toggle(2); }
  // Switches the option of box 444 + i and its edit 601 + i.
  void Toggle(int i);

  bool on_[3] = {};

  DECLARE_RESPONSE_TABLE(TRecordSmall);
};

class TEntryKParm : public TKeyMasksForm {
 public:
  TEntryKParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize = kEntryKSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;
};

}  // namespace zeph
