#pragma once
// The read-all-mail parameters: four menu counters, five options, and the keys between
// messages and while a message plays, edited in working copies through the key-definition
// dialogs; nothing reaches the block unless this form ends with Done. Windows only.

#include <array>

#include "forms/win32/blockform.h"
#include "forms/win32/playkeysform.h"

namespace zeph {

inline constexpr int kReadAllMailSize = 106;
inline constexpr const char kReadAllMailResource[] = "DIALOG_RAMAILPARM";

class TRAMailForm : public TBlockForm {
 public:
  TRAMailForm(TWindow* parent, const char* resource, unsigned char* block, bool constant,
              int blockSize = kReadAllMailSize);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  void MenuKeysClicked();
  void PlayKeysClicked();

  std::array<std::uint32_t, 9> betweenMasks_{};
  std::array<unsigned char, kPlayKeysBlockSize> playKeys_{};

  DECLARE_RESPONSE_TABLE(TRAMailForm);
};

}  // namespace zeph
