#pragma once
// Set-up forms of parameter records whose keys are chosen in a grid of key radios
// (encoding B): a key sits in one row, and Done rebuilds the row masks from zero.
// TFileParmForm (file play keys), TEntParmForm (entry parameters), TRecParmForm (record
// parameters) and TMulParmForm (multiple-message playback). Windows only.

#include "forms/win32/blockform.h"
#include "forms/win32/keygrid.h"

namespace zeph {

inline constexpr int kFileParmSize = 28;
inline constexpr int kEntryParmSize = 139;
inline constexpr int kRecordParmSize = 36;
inline constexpr int kMultiMailSize = 50;
inline constexpr int kToneParmSize = 18;
inline constexpr const char kFileParmResource[] = "DIALOG_FILEPARMS";
inline constexpr const char kEntryParmResource[] = "DIALOG_ENTRYPARMS";
inline constexpr const char kRecordParmResource[] = "DIALOG_RECPARMS";
inline constexpr const char kMultiMailResource[] = "DIALOG_MULS";
inline constexpr const char kToneParmResource[] = "DIALOG_GETTONEPARMS_NA2";
// The entry parameters' eight option boxes (ours: clear of the key grid's ids).
inline constexpr int kEntParmFirstCheck = 531;

class TFileParmForm : public TBlockForm {
 public:
  TFileParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly,
                int blockSize = kFileParmSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  void AllKeysClicked();
  KeyRadioGrid grid_;
  bool allKeys_ = false;

  DECLARE_RESPONSE_TABLE(TFileParmForm);
};

class TEntParmForm : public TBlockForm {
 public:
  TEntParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly,
               int blockSize = kEntryParmSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  KeyRadioGrid grid_;
};

class TRecParmForm : public TBlockForm {
 public:
  TRecParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly,
               int blockSize = kRecordParmSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  KeyRadioGrid grid_;
};

class TMulParmForm : public TBlockForm {
 public:
  TMulParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly,
               int blockSize = kMultiMailSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  KeyRadioGrid grid_;
};

// Tone parameters: the keys numbered the tone records' own way (no marker bit).
class TToneParmForm : public TBlockForm {
 public:
  TToneParmForm(TWindow* parent, const char* resource, unsigned char* block, bool constant,
                int blockSize = kToneParmSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  KeyRadioGrid grid_;
};

}  // namespace zeph
