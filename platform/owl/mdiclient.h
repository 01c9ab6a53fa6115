#pragma once
// The client window of an MDI frame: the area that holds the MDI children. It answers the
// Window menu's Tile and Cascade commands.
#include "owl/window.h"

class TMDIChild;

class TMDIClient : public TWindow {
 public:
  explicit TMDIClient(TModule* module = nullptr);

  const char* GetClassName() override { return "MDICLIENT"; }
  bool Create() override;

  // The active MDI child's object (null when there is none or it is not ours).
  TMDIChild* GetActiveMDIChild() const;
  void TileChildren(int how = MDITILE_VERTICAL);
  void CascadeChildren();
  void ArrangeIcons();
  // Closes (and deletes) every MDI child that may close; false when one refused.
  bool CloseChildren();

  void CmTileChildren() { TileChildren(); }
  void CmCascadeChildren() { CascadeChildren(); }

 private:
  friend class TMDIFrame;
  // The frame's Window menu, where the client lists its children.
  HMENU WindowMenu = nullptr;

  DECLARE_RESPONSE_TABLE(TMDIClient);
};

// Ids the MDI client gives its children in the Window menu.
constexpr UINT MDI_FIRST_CHILD_ID = 0xFF00;
