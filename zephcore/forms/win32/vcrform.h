#pragma once
// The record-edit parameters: menu counters, recording options, the minimum recording,
// the warning tone, and per key whether it is ignored, ends the recording or ends it and
// keeps it. The keys of the record menu and of playing are edited in working copies
// through the key-definition dialogs; nothing reaches the block unless this form ends
// with Done. Windows only.

#include <array>
#include <cstdint>

#include "forms/win32/blockform.h"
#include "forms/win32/keygrid.h"
#include "forms/win32/playkeysform.h"

namespace zeph {

inline constexpr int kRecordEditSize = 146;
inline constexpr const char kRecordEditResource[] = "DIALOG_VCRPARM";

class TVCRForm : public TBlockForm {
 public:
  TVCRForm(TWindow* parent, const char* resource, unsigned char* block, bool constant,
           int blockSize = kRecordEditSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  void MenuKeysClicked();
  void PlayKeysClicked();
  void TermOnSilenceClicked();
  void SupSilenceClicked();
  void WaitSoundClicked();
  void TalkDownToneClicked();
  void WarningToneClicked();
  void TerminateOnAllClicked();
  // An option's timeout edit: enabled, or disabled with the text "'0".
  void OpenTimeout(int edit, bool on);
  void ShowTerminatePanel(bool all);

  KeyRadioGrid grid_;
  std::array<std::uint32_t, 6> menuMasks_{};
  std::array<unsigned char, kPlayKeysBlockSize> playKeys_{};
  std::uint32_t acceptMask_ = 0;
  std::uint32_t termMask_ = 0;
  std::uint32_t termKeepMask_ = 0;
  bool terminateOnAll_ = false;

  DECLARE_RESPONSE_TABLE(TVCRForm);
};

}  // namespace zeph
