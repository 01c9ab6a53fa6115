#pragma once
// Set-up forms of small parameter records, moved by the field engine with a few options
// of their own: play (TPlayParm), speech play (TPlaySParm), menu (TMenuParmForm), voice
// recognition entry (TVRecParmForm), speech entry and speech menu (TEntrySParm,
// TMenuSParm), other entry/menu options (TOtherParm), the keypad menu flag (TMenuKParm),
// the address filter (TAdrTypeFilterDialog) and the keys ending a message (TMsgParm).
// Windows only.

#include "forms/win32/blockform.h"

namespace zeph {

inline constexpr int kPlayParmSize = 18;
inline constexpr int kPlaySParmSize = 24;
inline constexpr int kMenuParmSize = 24;
inline constexpr int kVRecParmSize = 14;
inline constexpr int kEntrySParmSize = 16;
inline constexpr int kMenuSParmSize = 18;
inline constexpr int kOtherParmSize = 4;
inline constexpr int kMenuKParmSize = 2;   // the 16-bit value of the MenuKParm type
inline constexpr int kAddrFilterSize = 30;
inline constexpr int kMsgParmSize = 12;

inline constexpr const char kPlayParmResource[] = "VQ_VCE_PLYVCE_PARM";
inline constexpr const char kPlaySParmResource[] = "VQ_VCE_PLYVCE_SPARM";
inline constexpr const char kMenuParmResource[] = "DIALOG_MENUPARMS_NA2";
inline constexpr const char kVRecParmResource[] = "DIALOG_VRECPARMS";
inline constexpr const char kEntrySParmResource[] = "VQ_VCE_ENTDIG_SPARM";
inline constexpr const char kMenuSParmResource[] = "VQ_VCE_VCEMNU_SPARM";
inline constexpr const char kOtherParmResource[] = "VQ_VCE_ENTDIG_PARM";
inline constexpr const char kMenuKParmResource[] = "VQ_VCE_VCEMNU_KPARM";
inline constexpr const char kAddrFilterResource[] = "VQ_ADL_RESADR_PARM";
inline constexpr const char kMsgParmResource[] = "DIALOG_MSGPARM";

inline constexpr const char kFilterHelpFile[] = "pbhelp.hlp";
inline constexpr std::uint32_t kFilterHelpContext = 10030;

// A form whose values are all table entries (edits and check boxes), with optional
// radios of a 16-bit choice.
class TTableParmForm : public TBlockForm {
 protected:
  TTableParmForm(TWindow* parent, const char* resource, unsigned char* block, int blockSize, int recordSize,
                 bool readOnly, const std::vector<PBFieldDef>& entries, const std::vector<int>& ids);
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;
  // A choice of radios first..first+count-1 stored at offset: radio i for value i (the last
  // radio for any value past it); -1: none.
  void SetChoice(int first, int count, int offset) {
    choiceRadio_ = first;
    choiceCount_ = count;
    choiceOffset_ = offset;
  }

 private:
  int choiceRadio_ = 0;
  int choiceCount_ = 0;
  int choiceOffset_ = -1;
};

class TPlayParm : public TTableParmForm {
 public:
  TPlayParm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly, int blockSize = kPlayParmSize);
};

class TPlaySParm : public TTableParmForm {
 public:
  TPlaySParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize = kPlaySParmSize);
};

class TMenuParmForm : public TTableParmForm {
 public:
  TMenuParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly,
                int blockSize = kMenuParmSize);
};

class TVRecParmForm : public TTableParmForm {
 public:
  TVRecParmForm(TWindow* parent, const char* resource, unsigned char* block, bool readOnly,
                int blockSize = kVRecParmSize);
};

class TEntrySParm : public TTableParmForm {
 public:
  TEntrySParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize = kEntrySParmSize);

 protected:
  TEntrySParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize, int recordSize);
};

class TMenuSParm : public TEntrySParm {
 public:
  TMenuSParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize = kMenuSParmSize);
};

class TOtherParm : public TBlockForm {
 public:
  TOtherParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize = kOtherParmSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;
};

class TMenuKParm : public TBlockForm {
 public:
  TMenuKParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize = kMenuKParmSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;
};

class TAdrTypeFilterDialog : public TBlockForm {
 public:
  TAdrTypeFilterDialog(TWindow* parent, const char* resource, unsigned char* block,
                       int blockSize = kAddrFilterSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  void AllTypesClicked();
  void ShowHelp();

  DECLARE_RESPONSE_TABLE(TAdrTypeFilterDialog);
};

class TMsgParm : public TBlockForm {
 public:
  TMsgParm(TWindow* parent, const char* resource, unsigned char* block, int blockSize = kMsgParmSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  void EnableKeys(bool on);
  void AllClicked() { EnableKeys(false); }
  void NoneClicked() { EnableKeys(false); }
  void SaveKeyClicked() { EnableKeys(false); }
  void SelectedClicked() { EnableKeys(true); }

  DECLARE_RESPONSE_TABLE(TMsgParm);
};

// The defaults of a new message-parameter value: file errors ignored, every key ends the
// message.
void InitMsgParmBlock(unsigned char* block);

}  // namespace zeph
