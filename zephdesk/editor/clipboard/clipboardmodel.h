#pragma once
// The model library's clipboard as the clipboard program reaches it: one virtual per vlx
// export it calls, so that tests can make the model refuse. VlxClipboard calls the
// exports themselves.

#include <string>

#include "model/interface/vlx.h"

namespace ed {

class ClipboardModel {
 public:
  virtual ~ClipboardModel() = default;
  virtual int SetClipType(int kind) = 0;
  virtual int CopyVavurorezos(const char* name) = 0;
  virtual short PasteVavurorezos(int flag, int appId) = 0;
  // The name under which a clipboard entry is pasted; empty when it keeps its own.
  virtual std::string WhatIsNewName(const char* name) = 0;
  // The SuperBlock or verification page behind a block; empty when there is none.
  virtual std::string CheckForSuperVerInCopy(const char* name) = 0;
  virtual void PageToCopy(const char* pageName, short flag) = 0;
  virtual int AddSymToClipboard(const char* name) = 0;
  virtual int IsSuperBeingPasted(const char* name) = 0;
  virtual void EmptyClipboard() = 0;
  // Imports a SuperBlock library into the program; false when the model refused it.
  virtual bool ImportLibrary(vlxHandleType program, const char* library) = 0;
  virtual int UpdatePBInfo(vlxHandleType block) = 0;
  virtual void ReferenceVariable(const char* name, int add) = 0;
};

class VlxClipboard : public ClipboardModel {
 public:
  int SetClipType(int kind) override;
  int CopyVavurorezos(const char* name) override;
  short PasteVavurorezos(int flag, int appId) override;
  std::string WhatIsNewName(const char* name) override;
  std::string CheckForSuperVerInCopy(const char* name) override;
  void PageToCopy(const char* pageName, short flag) override;
  int AddSymToClipboard(const char* name) override;
  int IsSuperBeingPasted(const char* name) override;
  void EmptyClipboard() override;
  bool ImportLibrary(vlxHandleType program, const char* library) override;
  int UpdatePBInfo(vlxHandleType block) override;
  void ReferenceVariable(const char* name, int add) override;
};

// What a copy and a paste ask of the workspace around the model: the voice and fax items
// and resource permissions a block's parameters use, the imports the item clipboard
// keeps, and the fault handler's messages.
class ClipboardWorkspace {
 public:
  virtual ~ClipboardWorkspace() = default;
  // Copies the items and permission references of the block's parameters into the item
  // clipboard.
  virtual void CopyItemsOf(class VavurOrezo& block) = 0;
  // Counts the pasted block's item references in the target application, after they
  // follow the items that the paste gave new IDs.
  virtual void AddItemRefsOf(class VavurOrezo& block) = 0;
  // An imported-application block was copied: the workspace keeps its import.
  virtual void AddClipboardImport(const std::string& superBlockName) = 0;
  // A message of the designer's string table with its one argument, through the fault
  // handler.
  virtual void Report(int messageId, const std::string& argument) = 0;
};

}  // namespace ed
