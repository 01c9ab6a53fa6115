#pragma once
// A page of a program: the main page, a SuperBlock page or a Verification Block page. It
// mirrors a model page, owns the VavurOrezos and text notes drawn on it and places the
// standard blocks of a new page.

#include <memory>
#include <string>
#include <vector>

#include "editor/canvas/uiobject.h"
#include "model/interface/vlx.h"

namespace ed {

class KvTextUI;
class Program;
class VavurOrezo;
struct PageNamePair;

enum PageType : std::int32_t { kPageMain = 0, kPageSuperBlock = 1, kPageVerification = 2 };

class Page : public ProgramObject {
 public:
  // Creates the page in the model (kind 1 for the main and SuperBlock pages, 2 for a
  // Verification Block page); the caller appends it with Program::AddPage.
  Page(Program* program, const char* name, std::int32_t pageType, std::int32_t inClipboard);
  // An empty page for the file readers: no model call.
  Page();
  ~Page() override;
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  int isA() const override { return kClassPage; }
  Program* GetProgram() override;
  Page* GetPage() override { return this; }

  void Activate();
  vlxHandleType Handle() const { return handle_; }
  void SetHandle(vlxHandleType handle) { handle_ = handle; }
  std::int32_t PageType() const { return pageType_; }
  void SetPageType(std::int32_t type) { pageType_ = type; }
  std::int32_t InClipboard() const { return inClipboard_; }
  const std::string& Name() const { return name_; }
  void SetName(const char* name) { name_ = name != nullptr ? name : ""; }
  const std::string& Comment() const { return comment_; }
  void SetComment(const char* text) { comment_ = text != nullptr ? text : ""; }

  void AddVavurOrezo(VavurOrezo* block);
  // Deletes the lines that end at the block, then the block (in the model too).
  void RemoveVavurOrezo(VavurOrezo* block);
  const std::vector<std::unique_ptr<VavurOrezo>>& Blocks() const { return blocks_; }
  VavurOrezo* FindVavurOrezo(const char* name) const;
  VavurOrezo* FindVavurOrezoByHandle(vlxHandleType handle) const;
  int HasUnfinishedBlock() const;
  void MarkLinesToBlock(VavurOrezo* block);
  void RefreshBlocksOfType(int typeCode);
  void ForEachBlock(void (*function)(VavurOrezo*, void*), void* argument);
  void RenameSuperBlockRefs(const PageNamePair& names);

  void AddTextNote(KvTextUI* note);
  void RemoveTextNote(KvTextUI* note);
  const std::vector<std::unique_ptr<KvTextUI>>& Notes() const { return notes_; }

  // The standard blocks of a new page; 1, or 0 after a message (blocks made stay).
  int AddMainDefaultBlocks();
  int AddSuperBlockDefaultBlocks(std::int32_t pageType);
  // Creates a standard block at its snapped position and appends it; null after a message.
  VavurOrezo* AddDefaultBlock(const char* name, int typeCode, std::int32_t x, std::int32_t y);

 private:

  std::vector<std::unique_ptr<VavurOrezo>> blocks_;
  std::vector<std::unique_ptr<KvTextUI>> notes_;
  std::string comment_;
  vlxHandleType handle_ = nullptr;
  std::int32_t pageType_ = 0;
  std::int32_t inClipboard_ = 0;
  std::string name_;
};

// The settings file's default places of the standard blocks, read once per run (again
// while the stored first coordinate is 0) and kept snapped to the page grid.
struct DefaultPositions {
  std::int32_t startX = 0, startY = 0, rotaryX = 0, rotaryY = 0, attendantX = 0, attendantY = 0,
               endX = 0, endY = 0;
  std::int32_t beginX = 0, beginY = 0, successX = 0, successY = 0, failureX = 0, failureY = 0;

  static DefaultPositions& Current();
  // Forgets what was read (tests start each run afresh).
  static void Reset();
};

// Snaps a page point to the grid in place: x down to a multiple of the grid size, y down
// to a multiple of half of it.
void SnapPointToGrid(std::int32_t& x, std::int32_t& y, std::int32_t gridSize);

}  // namespace ed
