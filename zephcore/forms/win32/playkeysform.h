#pragma once
// The keys while a message plays: seven key functions against sixteen keys, a large and a
// small skip. Parm2Form edits the 48-byte play-keys block (its entry point for the
// record-edit and read-all-mail forms and the model's dialogs); TRMailForm edits the
// read-mail parameter block, which holds the same items in another order and two options.
// Windows only.

#include <cstddef>
#include <cstring>

#include "forms/win32/blockform.h"
#include "forms/win32/keygrid.h"

namespace zeph {

inline constexpr int kPlayKeysBlockSize = 48;
inline constexpr int kReadMailBlockSize = 54;
inline constexpr const char kPlayKeysResource[] = "DIALOG_PARM2";
inline constexpr const char kReadMailResource[] = "DIALOG_RMAILPARMS";

// Where a block keeps the play items.
struct PlayKeysLayout {
  int size;
  int masks[7];          // ignore, top, large fwd, large bkwd, small fwd, small bkwd, terminate
  int amounts[4];        // large fwd, large bkwd, small fwd, small bkwd (32-bit)
  int largeType;         // 16-bit: 0 bytes, 1 milliseconds
  int smallType;
  int clearTypeAhead;    // 16-bit flags; -1 when the block has none
  int ignoreFileError;
};

// Where a larger record keeps one item of the play-keys block: the form that owns the
// record edits the items in a play-keys copy.
struct PlayItemPlace {
  int record;
  int playKeys;
  int width;
};
template <std::size_t N>
void CopyPlayItemsOut(const unsigned char* record, const PlayItemPlace (&places)[N], unsigned char* playKeys) {
  for (const PlayItemPlace& p : places) std::memcpy(playKeys + p.playKeys, record + p.record, static_cast<std::size_t>(p.width));
}
template <std::size_t N>
void CopyPlayItemsIn(unsigned char* record, const PlayItemPlace (&places)[N], const unsigned char* playKeys) {
  for (const PlayItemPlace& p : places) std::memcpy(record + p.record, playKeys + p.playKeys, static_cast<std::size_t>(p.width));
}

extern const PlayKeysLayout kPlayKeysLayout;
extern const PlayKeysLayout kReadMailLayout;

class TPlayKeysForm : public TBlockForm {
 public:
  TPlayKeysForm(TWindow* parent, const char* resource, unsigned char* block, int blockSize,
                const PlayKeysLayout& layout, bool readOnly);

 protected:
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  void AllKeysClicked();
  void PutAllKeysInTerminate();

  const PlayKeysLayout& layout_;
  KeyRadioGrid grid_;
  bool allKeys_ = false;

  DECLARE_RESPONSE_TABLE(TPlayKeysForm);
};

class Parm2Form : public TPlayKeysForm {
 public:
  Parm2Form(TWindow* parent, const char* resource, unsigned char* block, int blockSize = kPlayKeysBlockSize)
      : TPlayKeysForm(parent, resource, block, blockSize, kPlayKeysLayout, false) {}
};

class TRMailForm : public TPlayKeysForm {
 public:
  TRMailForm(TWindow* parent, const char* resource, unsigned char* block, bool constant,
             int blockSize = kReadMailBlockSize)
      : TPlayKeysForm(parent, resource, block, blockSize, kReadMailLayout, constant) {}
};

}  // namespace zeph
