#pragma once
// A check box, optionally one of a group box's buttons.
#include "owl/control.h"

class TGroupBox;

enum { BF_UNCHECKED = 0, BF_CHECKED = 1, BF_GRAYED = 2 };

class TCheckBox : public TControl {
 public:
  TCheckBox(TWindow* parent, int id, const char* title, int x, int y, int w, int h,
            TGroupBox* group = nullptr, TModule* module = nullptr);
  TCheckBox(TWindow* parent, int resourceId, TGroupBox* group = nullptr,
            TModule* module = nullptr);

  const char* GetClassName() override { return "BUTTON"; }

  void Check() { SetCheck(BF_CHECKED); }
  void Uncheck() { SetCheck(BF_UNCHECKED); }
  void Toggle();
  UINT GetCheck() const;
  void SetCheck(UINT state);

  // One 16-bit check state in the transfer buffer.
  UINT Transfer(void* buffer, TTransferDirection direction) override;

  TGroupBox* Group;

 protected:
  // The click: a button without the automatic style is switched here; then the group box
  // hears of it. The parent's table sees the notification afterwards as usual.
  virtual void BNClicked();

  DECLARE_RESPONSE_TABLE(TCheckBox);
};
