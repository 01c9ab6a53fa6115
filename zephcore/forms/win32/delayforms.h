#pragma once
// The set-up forms of the delay-sequence values: six timed prompts and a repeat count
// (TDelaySequence, type "DelayStructure") or six prompts and a repeat count
// (TErrDelaySequence, type "ErrDelayStruct"). The prompts go through the field engine's
// checks; the times and the count are read by the form, whole, and the block is written
// only once every one of them has been read and checked. Windows only.

#include <memory>
#include <vector>

#include "forms/win32/blockform.h"

namespace zeph {

inline constexpr int kDelaySequenceSize = 450;      // a "DelayStructure" value
inline constexpr int kErrDelaySequenceSize = 426;   // an "ErrDelayStruct" value
inline constexpr int kDelaySequenceType = 48;
inline constexpr int kErrDelaySequenceType = 49;

inline constexpr const char kDelaySequenceResource[] = "DIALOG_DELAYSEQ";
inline constexpr const char kErrDelaySequenceResource[] = "DIALOG_ERRDELAYSEQ";

inline constexpr int kDelayPrompts = 6;
inline constexpr int kDelayPromptEdit = 601;   // prompt i: edit 601 + i, pick button 401 + i
inline constexpr int kDelayPickButton = 401;
inline constexpr int kDelayTimeEdit = 607;     // TDelaySequence: time i in 607 + i, repeat 613
inline constexpr int kDelayRepeatEdit = 613;
inline constexpr int kErrDelayRepeatEdit = 607;

// Where a sequence's values lie: its prompts (50 bytes each), its times (32-bit, none for
// the error kind) and the repeat count (16-bit), and the edits of the times and the count.
struct DelayLayout {
  int promptOffset;
  int timeOffset;   // -1: no times
  int repeatOffset;
  int repeatEdit;
  int recordSize;   // the bytes the form reads and writes, through the repeat count
};

class TDelaySequenceForm : public TBlockForm {
 protected:
  TDelaySequenceForm(TWindow* parent, const char* resource, unsigned char* block, int blockSize,
                     const DelayLayout& layout);
  void SetupWindow() override;
  bool Commit(unsigned char* record) override;

 private:
  void PickButton(UINT id);
  bool ReadCount(int edit, const char* what, std::int32_t max, std::int32_t* value);

  DelayLayout layout_;
  std::vector<TEdit*> prompts_;

  DECLARE_RESPONSE_TABLE(TDelaySequenceForm);
};

class TDelaySequence : public TDelaySequenceForm {
 public:
  TDelaySequence(TWindow* parent, const char* resource, unsigned char* block, int blockSize = kDelaySequenceSize);
};

class TErrDelaySequence : public TDelaySequenceForm {
 public:
  TErrDelaySequence(TWindow* parent, const char* resource, unsigned char* block,
                    int blockSize = kErrDelaySequenceSize);
};

// The set-up form of a value of data type 48 or 49 on its template; null for any other
// type or when memory ran out.
std::unique_ptr<TBlockForm> MakeDelaySequenceForm(TWindow* parent, int dataType, unsigned char* block, int blockSize);

}  // namespace zeph
