#include "editor/clipboard/clipboardprogram.h"

#include <algorithm>
#include <map>
#include <memory>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/notes/textnote.h"

namespace ed {
namespace {

inline constexpr int kClipTypeBlocks = 1;
inline constexpr int kClipTypePage = 2;

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// A note on the page with the rectangle moved by (dx, dy), the same text and the same
// font: a note's font object never changes once made, so the copy shares it.
KvTextUI* CopyNote(const KvTextUI& note, Page* page, std::int32_t dx, std::int32_t dy) {
  std::int32_t left = 0, right = 0, top = 0, bottom = 0;
  note.GetRect(left, right, top, bottom);
  auto* copy = new KvTextUI(page, left + dx, right + dx, top + dy, bottom + dy, note.Font(), note.Base().FontHandle());
  copy->Base().SetText(note.Base().Text().c_str());
  NoteFontSpec spec = note.FontSpec();
  copy->SetFontSpec(spec);
  return copy;
}

}  // namespace

ClipboardProgram::ClipboardProgram(EditorHost& host, ModelPort& model, ImportsPort* imports,
                                   ClipboardModel& clipboard, ClipboardWorkspace& workspace)
    : Program(host, model, imports, kClipboardPageName, 1), clipboard_(clipboard), workspace_(workspace) {
  // The page of copied blocks mirrors no model page: the model's clipboard keeps its
  // blocks by their clipboard names, and a model page made here would count as a copied
  // SuperBlock page.
  clipboardPage_ = new Page();
  clipboardPage_->SetName(kClipboardPageName);
  clipboardPage_->SetPageType(kPageMain);
  AddPage(clipboardPage_);
  ClearModified();
}

ClipboardProgram::~ClipboardProgram() {
  clipboardPage_ = nullptr;
  currentCopied_ = nullptr;
  sourceId_ = -1;
}

VavurOrezo* ClipboardProgram::MakeCopy(Page* onPage, VavurOrezo& source, vlxHandleType modelCopy) {
  auto record = source.Record() != nullptr ? std::make_shared<TypeRecord>(*source.Record()) : nullptr;
  int refused = 0;
  auto* copy = new VavurOrezo(onPage, source.Name().c_str(), record, source.Icon(), source.X(), source.Y(), refused,
                              modelCopy, 1, &source.GotoBlocks());
  copy->SetDescription(source.GetDescription());
  for (int i = 0; i < OutputBitSet::kBytes; ++i) {
    copy->Shown().SetByte(i, source.Shown().Byte(i));
    copy->Expanded().SetByte(i, source.Expanded().Byte(i));
  }
  if (!source.CustomTypeName().empty()) copy->SetCustomTypeName(source.CustomTypeName().c_str());
  onPage->AddVavurOrezo(copy);
  return copy;
}

void ClipboardProgram::ImportLibraryOf(VavurOrezo& block, Program& sourceProgram) {
  Activate();
  const std::string library = LibraryFileName(block.Name());
  if (!Contains(libraries_, library) && clipboard_.ImportLibrary(Handle(), library.c_str())) {
    libraries_.push_back(library);
    UpdateLibraryGroup(library.c_str());
  }
  sourceProgram.Activate();
}

int ClipboardProgram::CopySelection(const std::vector<VavurOrezo*>& selection, Page* sourcePage) {
  if (sourcePage == nullptr) return 0;
  Program* sourceProgram = sourcePage->GetProgram();
  if (sourceProgram == nullptr) return 0;
  source_ = sourceProgram;
  sourceId_ = sourceProgram->GetID();
  // The page's "End" block goes along at the head of what is copied.
  std::vector<VavurOrezo*> blocks;
  if (VavurOrezo* end = sourcePage->FindVavurOrezo("End")) blocks.push_back(end);
  for (VavurOrezo* block : selection) {
    if (block != nullptr && std::find(blocks.begin(), blocks.end(), block) == blocks.end()) blocks.push_back(block);
  }

  for (VavurOrezo* block : blocks) {
    if (block->TypeCode() != kTypeSuperBlockCall) continue;
    const std::string pageName = block->Record() != nullptr ? block->Record()->typeName : std::string();
    if (Page* page = sourceProgram->FindPage(pageName.c_str())) {
      if (const int rc = CopyPage(page, sourcePage); rc != 0) return rc;
    } else {
      ImportLibraryOf(*block, *sourceProgram);
    }
  }

  sourcePage->Activate();
  for (VavurOrezo* block : blocks) {
    if (block->TypeCode() == kTypeSubFlowEnd) holdsEnd_ = 1;
    minima_.Add({block->X(), block->Y()});
    const std::string behind = clipboard_.CheckForSuperVerInCopy(block->Name().c_str());
    if (!behind.empty()) {
      if (Page* page = sourceProgram->FindPage(behind.c_str())) {
        if (const int rc = CopyPage(page, sourcePage); rc != 0) return rc;
        sourcePage->Activate();
      }
    }
    clipboard_.SetClipType(kClipTypeBlocks);
    if (const int rc = clipboard_.CopyVavurorezos(block->Name().c_str()); rc != 0) return rc;
    if (vlxHandleType copy = Model().FindVavurOrezo(block->Name().c_str(), 1, 1)) {
      MakeCopy(clipboardPage_, *block, copy);
    }
    if (block->Handle() != nullptr) workspace_.CopyItemsOf(*block);
    if (block->TypeCode() == kTypeImported) workspace_.AddClipboardImport(block->CustomTypeName());
  }
  CopyGotoLines(sourcePage);
  return 0;
}

int ClipboardProgram::CopyTextNotes(const std::vector<KvTextUI*>& notes, Page* sourcePage, bool append) {
  if (!append) {
    if (sourcePage != nullptr && sourcePage->GetProgram() != nullptr) {
      source_ = sourcePage->GetProgram();
      sourceId_ = source_->GetID();
    }
    clipboard_.SetClipType(kClipTypeBlocks);
  }
  for (KvTextUI* note : notes) {
    if (note == nullptr) continue;
    std::int32_t left = 0, right = 0, top = 0, bottom = 0;
    note->GetRect(left, right, top, bottom);
    minima_.Add({left, top});
    clipboardPage_->AddTextNote(CopyNote(*note, clipboardPage_, 0, 0));
  }
  return 0;
}

int ClipboardProgram::CopyPage(Page* page, Page* sourcePage) {
  if (page == nullptr || FindPage(page->Name().c_str()) != nullptr) return 0;
  Program* sourceProgram = page->GetProgram();
  if (sourceProgram == nullptr) return 0;
  const std::string name = page->Name();
  clipboard_.PageToCopy(name.c_str(), 1);
  Activate();
  auto* copy = new Page(this, name.c_str(), page->PageType(), 1);
  copy->SetComment(page->Comment().c_str());
  sourceProgram->Activate();
  clipboard_.SetClipType(kClipTypePage);
  clipboard_.AddSymToClipboard(name.c_str());
  if (currentCopied_ == page) currentCopied_ = copy;
  AddPage(copy);

  for (const auto& owned : page->Blocks()) {
    VavurOrezo& block = *owned;
    if (block.TypeCode() == kTypeSuperBlockCall) {
      const std::string called = block.Record() != nullptr ? block.Record()->typeName : std::string();
      if (Page* calledPage = sourceProgram->FindPage(called.c_str())) {
        if (FindPage(called.c_str()) == nullptr) {
          if (const int rc = CopyPage(calledPage, sourcePage); rc != 0) return rc;
        }
      } else {
        ImportLibraryOf(block, *sourceProgram);
      }
    }
    const std::string clipName = ClipboardBlockName(name, block.Name());
    sourceProgram->Activate();
    const std::string behind = clipboard_.CheckForSuperVerInCopy(clipName.c_str());
    if (!behind.empty()) {
      if (Page* behindPage = sourceProgram->FindPage(behind.c_str())) {
        if (const int rc = CopyPage(behindPage, sourcePage); rc != 0) return rc;
      }
    }
    sourceProgram->Activate();
    if (const int rc = clipboard_.CopyVavurorezos(clipName.c_str()); rc != 0) return rc;
    if (vlxHandleType modelCopy = Model().FindVavurOrezo(clipName.c_str(), 1, 1)) MakeCopy(copy, block, modelCopy);
  }
  return 0;
}

void ClipboardProgram::CopyGotoLines(Page* sourcePage) {
  Program* sourceProgram = sourcePage != nullptr ? sourcePage->GetProgram() : nullptr;
  if (sourceProgram == nullptr) return;
  for (const auto& clipPage : Pages()) {
    Page* fromPage = sourceProgram->FindPage(clipPage->Name().c_str());
    if (fromPage == nullptr || clipPage.get() == clipboardPage_) fromPage = sourcePage;
    for (const auto& clipBlock : clipPage->Blocks()) {
      VavurOrezo* source = fromPage->FindVavurOrezo(clipBlock->Name().c_str());
      if (source == nullptr || source->TypeCode() == kTypeSuperBlockCall) continue;
      for (const auto& line : source->Gotos()) {
        VavurOrezo* end = line->EndBlock();
        if (end == nullptr || clipBlock->FindGoto(line->OutputName().c_str()) != nullptr) continue;
        VavurOrezo* clipEnd = clipPage->FindVavurOrezo(end->Name().c_str());
        if (clipEnd == nullptr) clipEnd = clipboardPage_->FindVavurOrezo(end->Name().c_str());
        if (clipEnd == nullptr) continue;
        auto* copy = new Goto(*line);
        copy->SetEndBlock(clipEnd);
        copy->SetFlags(kGotoNoModel);
        clipBlock->AddGoto(copy);
      }
    }
  }
}

std::string ClipboardProgram::PastedPageName(const std::string& clipboardPage) {
  std::string name = clipboard_.WhatIsNewName(clipboardPage.c_str());
  return name.empty() ? clipboardPage : name;
}

VavurOrezo* ClipboardProgram::PasteBlock(VavurOrezo& clip, Page* target, Point position) {
  Program* program = target->GetProgram();
  // Blocks of a copied page are held in the model's clipboard as "page$block".
  Page* clipPage = clip.GetPage();
  const std::string clipName =
      clipPage == clipboardPage_ ? clip.Name() : ClipboardBlockName(clipPage->Name(), clip.Name());
  std::string modelName = clipboard_.WhatIsNewName(clipName.c_str());
  if (modelName.empty()) modelName = clipName;
  if (clip.TypeCode() == kTypeImported) {
    if (auto id = SelfImportId(clip.CustomTypeName(), program->AppInfo().appID)) {
      workspace_.Report(kMsgSelfImportPaste, *id);
      return nullptr;
    }
  }
  vlxHandleType handle = program->Model().FindVavurOrezo(modelName.c_str(), 1, 0);
  if (handle == nullptr) return nullptr;
  // A block the target page already shows (the kept "End") is not made twice.
  if (VavurOrezo* existing = target->FindVavurOrezoByHandle(handle)) return existing;

  auto record = clip.Record() != nullptr ? std::make_shared<TypeRecord>(*clip.Record()) : std::make_shared<TypeRecord>();
  zeph::VavurOrezoInfo info{};
  if (program->Model().GetVavurOrezoInfo(handle, &info) != nullptr) {
    const std::vector<OutputEntry> outputs = record->outputs;
    const std::string typeName = record->typeName;
    *record = TypeRecord::FromInfo(info);
    record->outputs = outputs;
    if (record->typeName.empty()) record->typeName = typeName;
  }
  int refused = 0;
  auto* block = new VavurOrezo(target, CanvasNameOf(modelName).c_str(), record, clip.Icon(), position.x, position.y,
                               refused, handle, 0, &clip.GotoBlocks());
  block->SetDescription(clip.GetDescription());
  for (int i = 0; i < OutputBitSet::kBytes; ++i) {
    block->Shown().SetByte(i, clip.Shown().Byte(i));
    block->Expanded().SetByte(i, clip.Expanded().Byte(i));
  }
  if (!clip.CustomTypeName().empty()) {
    std::string superBlock = clip.CustomTypeName();
    if (clip.TypeCode() == kTypeSuperBlockCall) {
      const std::string pageName = PastedPageName(superBlock);
      if (program->FindPage(pageName.c_str()) != nullptr) superBlock = pageName;
    }
    block->SetCustomTypeName(superBlock.c_str());
    auto own = std::make_shared<TypeRecord>(*block->Record());
    own->typeName = superBlock;
    block->SetRecord(own);
    if (clip.TypeCode() == kTypeSuperBlockCall) block->UpdateFromModel(false);
  }
  target->AddVavurOrezo(block);
  return block;
}

void ClipboardProgram::PasteLines(VavurOrezo& clip, VavurOrezo& pasted, Page& onPage) {
  if (clip.TypeCode() == kTypeSuperBlockCall) return;
  for (const auto& line : clip.Gotos()) {
    VavurOrezo* end = line->EndBlock();
    if (end == nullptr || pasted.FindGoto(line->OutputName().c_str()) != nullptr) continue;
    std::string endName = end->Name();
    if (endName != "End") {
      const std::string mapped = clipboard_.WhatIsNewName(endName.c_str());
      endName = CanvasNameOf(mapped.empty() ? endName : mapped);
    }
    VavurOrezo* target = onPage.FindVavurOrezo(endName.c_str());
    if (target == nullptr) continue;
    auto* copy = new Goto(*line);
    copy->SetEndBlock(target);
    pasted.AddGoto(copy);
    // The model's paste made the goto itself: the line is the model's like any other, so
    // that deleting it later deletes the model's goto too.
    copy->ClearFlags(kGotoNoModel);
  }
  pasted.ConnectGotos(0, 0, 0);
}

int ClipboardProgram::PasteInto(Page* target, PasteSelection* window, int pasteFlag) {
  Program* program = target != nullptr ? target->GetProgram() : nullptr;
  if (program == nullptr) return 0;
  program->Activate();

  std::vector<Page*> made;
  for (const auto& page : Pages()) {
    if (page.get() == clipboardPage_) continue;
    const std::string newName = PastedPageName(page->Name());
    if (program->FindPage(newName.c_str()) == nullptr && clipboard_.IsSuperBeingPasted(page->Name().c_str()) != 0) {
      program->Activate();
      auto* created = new Page(program, newName.c_str(), page->PageType(), 0);
      program->AddPage(created);
      made.push_back(created);
    }
  }

  std::vector<std::string> targetLibraries;
  if (program->Imports() != nullptr) program->Imports()->GetLibraryList(program->Handle(), targetLibraries);
  for (const std::string& library : libraries_) {
    if (Contains(targetLibraries, library)) continue;
    clipboard_.ImportLibrary(program->Handle(), library.c_str());
    program->UpdateLibraryGroup(library.c_str());
  }

  target->Activate();
  if (const short rc = clipboard_.PasteVavurorezos(pasteFlag, program->AppInfo().appID); rc != 0) {
    for (Page* page : made) program->RemovePage(page);
    return rc;
  }

  std::map<VavurOrezo*, VavurOrezo*> placed;   // clipboard block -> block on the target
  std::vector<VavurOrezo*> pasted;
  std::vector<std::pair<Page*, Page*>> pastedPages;   // clipboard page, program page
  for (const auto& page : Pages()) {
    if (page.get() == clipboardPage_ || clipboard_.IsSuperBeingPasted(page->Name().c_str()) == 0) continue;
    Page* programPage = program->FindPage(PastedPageName(page->Name()).c_str());
    if (programPage == nullptr) continue;
    std::vector<VavurOrezo*> onPage;
    if (const int rc = PastePage(programPage, page.get(), onPage); rc != 0) return rc;
    pasted.insert(pasted.end(), onPage.begin(), onPage.end());
    pastedPages.emplace_back(page.get(), programPage);
  }

  target->Activate();
  const PasteOffset offset{pastePoint_, minima_.Minima()};
  for (const auto& clip : clipboardPage_->Blocks()) {
    const std::size_t before = target->Blocks().size();
    VavurOrezo* block = PasteBlock(*clip, target, offset.Place({clip->X(), clip->Y()}));
    if (block == nullptr) continue;
    placed[clip.get()] = block;
    if (target->Blocks().size() == before) continue;   // an existing block
    if (window != nullptr) window->Select(block);
    pasted.push_back(block);
  }

  for (VavurOrezo* block : pasted) {
    program->Activate();
    if (block->Handle() != nullptr) workspace_.AddItemRefsOf(*block);
    if (block->TypeCode() == kTypeImported) {
      clipboard_.ReferenceVariable(block->CustomTypeName().c_str(), -1);
    } else {
      clipboard_.UpdatePBInfo(block->Handle());
    }
  }

  for (const auto& [clip, block] : placed) PasteLines(*clip, *block, *target);
  for (const auto& [clipPage, programPage] : pastedPages) {
    for (const auto& clip : clipPage->Blocks()) {
      if (VavurOrezo* block = programPage->FindVavurOrezo(CanvasNameOf(clip->Name()).c_str())) {
        PasteLines(*clip, *block, *programPage);
      }
    }
  }
  program->SetModified();
  return 0;
}

int ClipboardProgram::PastePage(Page* programPage, Page* clipboardPage, std::vector<VavurOrezo*>& pasted) {
  if (programPage == nullptr || clipboardPage == nullptr) return 0;
  programPage->Activate();
  for (const auto& clip : clipboardPage->Blocks()) {
    const std::size_t before = programPage->Blocks().size();
    VavurOrezo* block = PasteBlock(*clip, programPage, {clip->X(), clip->Y()});
    if (block != nullptr && programPage->Blocks().size() != before) pasted.push_back(block);
  }
  programPage->SetComment(clipboardPage->Comment().c_str());
  for (const auto& note : clipboardPage->Notes()) programPage->AddTextNote(CopyNote(*note, programPage, 0, 0));
  return 0;
}

void ClipboardProgram::PasteTextNotes(Page* target, PasteSelection* window) {
  if (target == nullptr) return;
  const Point minima = minima_.Minima();
  for (const auto& note : clipboardPage_->Notes()) {
    KvTextUI* copy = CopyNote(*note, target, pastePoint_.x - minima.x, pastePoint_.y - minima.y);
    target->AddTextNote(copy);
    if (window != nullptr) window->Select(copy);
  }
  target->SetModified();
}

void ClipboardProgram::ClearPages() {
  std::vector<Page*> others;
  for (const auto& page : Pages()) {
    if (page.get() != clipboardPage_) others.push_back(page.get());
  }
  for (Page* page : others) RemovePage(page);
}

int ClipboardProgram::Empty() {
  clipboard_.EmptyClipboard();
  while (!clipboardPage_->Blocks().empty()) clipboardPage_->RemoveVavurOrezo(clipboardPage_->Blocks().back().get());
  while (!clipboardPage_->Notes().empty()) clipboardPage_->RemoveTextNote(clipboardPage_->Notes().back().get());
  ClearPages();
  libraries_.clear();
  minima_.Reset();
  sourceId_ = -1;
  source_ = nullptr;
  holdsEnd_ = 0;
  currentCopied_ = nullptr;
  ClearModified();
  return 0;
}

}  // namespace ed
