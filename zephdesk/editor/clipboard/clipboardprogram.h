#pragma once
// The clipboard program: cut, copy and paste of VavurOrezos, their goto lines, the
// SuperBlock pages they use and text notes. Copying builds canvas copies inside this
// program while the model copies the same objects into its own clipboard; pasting asks the
// model to paste, then rebuilds the canvas objects in the target program under the names
// the model chose. Blocks in the model clipboard are named "page$block".

#include <cstdint>
#include <string>
#include <vector>

#include "editor/canvas/program.h"
#include "editor/clipboard/clipboardmodel.h"
#include "editor/clipboard/pastemap.h"

namespace ed {

class KvTextUI;

// The page window a paste selects what it placed in; null when there is none.
class PasteSelection {
 public:
  virtual ~PasteSelection() = default;
  virtual void Select(ProgramObject* object) = 0;
};

inline constexpr const char* kClipboardPageName = "Clipboard";
inline constexpr int kMsgSelfImportPaste = 8107;

class ClipboardProgram : public Program {
 public:
  ClipboardProgram(EditorHost& host, ModelPort& model, ImportsPort* imports, ClipboardModel& clipboard,
                   ClipboardWorkspace& workspace);
  ~ClipboardProgram() override;

  // Cut and Copy of blocks; 0 or the first nonzero model result. The source page's "End"
  // block is always copied along.
  int CopySelection(const std::vector<VavurOrezo*>& selection, Page* sourcePage);
  // Cut and Copy of text notes; 0.
  int CopyTextNotes(const std::vector<KvTextUI*>& notes, Page* sourcePage, bool append);
  // Copies a SuperBlock page and what its blocks use; 0 or a model result.
  int CopyPage(Page* page, Page* sourcePage);
  void CopyGotoLines(Page* sourcePage);
  // 0 or a model result; with a window, what was placed is selected in it.
  int PasteInto(Page* target, PasteSelection* window, int pasteFlag);
  int PastePage(Page* programPage, Page* clipboardPage, std::vector<VavurOrezo*>& pasted);
  void PasteTextNotes(Page* target, PasteSelection* window);
  int Empty();

  Page* ClipboardPage() const { return clipboardPage_; }
  std::int32_t SourceProgramId() const { return sourceId_; }
  Program* SourceProgram() const { return source_; }
  bool HoldsEndBlock() const { return holdsEnd_ != 0; }
  Point Minima() const { return minima_.Minima(); }
  void SetPastePoint(std::int32_t x, std::int32_t y) { pastePoint_ = {x, y}; }
  Point PastePoint() const { return pastePoint_; }
  std::int32_t CopyMode() const { return copyMode_; }
  void SetCopyMode(std::int32_t mode) { copyMode_ = mode; }
  Page* CurrentCopiedPage() const { return currentCopied_; }
  void SetCurrentCopiedPage(Page* page) { currentCopied_ = page; }
  const std::vector<std::string>& Libraries() const { return libraries_; }

 private:
  // Creates the canvas copy of a source block on a clipboard page over the model's copy.
  VavurOrezo* MakeCopy(Page* onPage, VavurOrezo& source, vlxHandleType modelCopy);
  // Imports the library of a SuperBlock reference into the clipboard program once.
  void ImportLibraryOf(VavurOrezo& block, Program& sourceProgram);
  // Places one clipboard block on a target page under its pasted name; null when the
  // model has no such block or it may not be pasted.
  VavurOrezo* PasteBlock(VavurOrezo& clip, Page* target, Point position);
  // Attaches copies of the clipboard block's lines to the pasted block.
  void PasteLines(VavurOrezo& clip, VavurOrezo& pasted, Page& onPage);
  std::string PastedPageName(const std::string& clipboardPage);
  void ClearPages();

  ClipboardModel& clipboard_;
  ClipboardWorkspace& workspace_;
  std::int32_t sourceId_ = -1;
  Program* source_ = nullptr;
  Page* clipboardPage_ = nullptr;
  Page* currentCopied_ = nullptr;
  Point pastePoint_;
  MinimaTracker minima_;
  std::int16_t holdsEnd_ = 0;
  std::int32_t copyMode_ = 0;
  std::vector<std::string> libraries_;
};

}  // namespace ed
