#pragma once
// The model library as the canvas objects reach it: one virtual per vlx export they call.
// The designer uses VlxModel, which calls the exports themselves; tests wrap it to record
// the calls or to make the model refuse.

#include <string>
#include <vector>

#include "model/interface/vlx.h"

namespace ed {

class ModelPort {
 public:
  virtual ~ModelPort() = default;

  virtual vlxHandleType AddProgram(HWND mainWindow, int clipboard) = 0;
  virtual void RemoveProgram(vlxHandleType program) = 0;
  virtual void ActivateProgram(vlxHandleType program) = 0;

  virtual vlxHandleType CreatePage(const char* name, int kind, int clipboard) = 0;
  virtual void ActivatePage(vlxHandleType page) = 0;
  virtual void RemovePage(vlxHandleType page, int clipboard) = 0;

  virtual vlxHandleType CreateVavurOrezo(int type, const char* name, int& refused, const char* typeName) = 0;
  virtual void DeleteVavurOrezo(vlxHandleType block, int clipboard) = 0;
  virtual int RenameVavurOrezo(vlxHandleType block, const char* newName, int& refused) = 0;
  virtual vlxHandleType FindVavurOrezo(const char* name, int scope, int clipboard) = 0;
  virtual int IsNameInUse(const char* name) = 0;
  virtual zeph::VavurOrezoInfo* GetVavurOrezoInfo(vlxHandleType block, zeph::VavurOrezoInfo* info) = 0;
  virtual int IsVavurOrezoFinished(vlxHandleType block) = 0;
  virtual unsigned short IsOutputOptionalApplicable(int type, vlxHandleType block, const char* output) = 0;
  virtual int OpenCustomPB(const char* name) = 0;

  virtual int CreateGoto(vlxHandleType from, vlxHandleType to, int outputIndex) = 0;
  virtual void DeleteGoto(vlxHandleType from, const char* output) = 0;
  virtual vlxHandleType GetGotoConnection(vlxHandleType from, int n) = 0;
};

// The imports of a program and the palette groups its own pages and custom VavurOrezos
// make. Kept apart from ModelPort because the model's library exports are reached through
// their own layer.
class ImportsPort {
 public:
  virtual ~ImportsPort() = default;
  // Empties the list, then fills it with the SuperBlock libraries imported into the program.
  virtual void GetLibraryList(vlxHandleType program, std::vector<std::string>& names) = 0;
  // The program's custom VavurOrezos, and its SuperBlock (which 1) or Verification Block
  // (which 2) pages as palette entries; kept by the model, null when none.
  virtual const zeph::VlxPaletteGroup* CustomVavurOrezos(vlxHandleType program) = 0;
  virtual const zeph::VlxPaletteGroup* PageVavurOrezos(vlxHandleType program, int which) = 0;
};

// Calls the model library's exports.
class VlxModel : public ModelPort {
 public:
  vlxHandleType AddProgram(HWND mainWindow, int clipboard) override;
  void RemoveProgram(vlxHandleType program) override;
  void ActivateProgram(vlxHandleType program) override;
  vlxHandleType CreatePage(const char* name, int kind, int clipboard) override;
  void ActivatePage(vlxHandleType page) override;
  void RemovePage(vlxHandleType page, int clipboard) override;
  vlxHandleType CreateVavurOrezo(int type, const char* name, int& refused, const char* typeName) override;
  void DeleteVavurOrezo(vlxHandleType block, int clipboard) override;
  int RenameVavurOrezo(vlxHandleType block, const char* newName, int& refused) override;
  vlxHandleType FindVavurOrezo(const char* name, int scope, int clipboard) override;
  int IsNameInUse(const char* name) override;
  zeph::VavurOrezoInfo* GetVavurOrezoInfo(vlxHandleType block, zeph::VavurOrezoInfo* info) override;
  int IsVavurOrezoFinished(vlxHandleType block) override;
  unsigned short IsOutputOptionalApplicable(int type, vlxHandleType block, const char* output) override;
  int OpenCustomPB(const char* name) override;
  int CreateGoto(vlxHandleType from, vlxHandleType to, int outputIndex) override;
  void DeleteGoto(vlxHandleType from, const char* output) override;
  vlxHandleType GetGotoConnection(vlxHandleType from, int n) override;
};

// Calls the model library's import and palette-group exports.
class VlxImports : public ImportsPort {
 public:
  void GetLibraryList(vlxHandleType program, std::vector<std::string>& names) override;
  const zeph::VlxPaletteGroup* CustomVavurOrezos(vlxHandleType program) override;
  const zeph::VlxPaletteGroup* PageVavurOrezos(vlxHandleType program, int which) override;
};

}  // namespace ed
