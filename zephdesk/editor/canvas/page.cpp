#include "editor/canvas/page.h"

#include <algorithm>
#include <new>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/modelport.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/notes/textnote.h"
#include "editor/support/editorhost.h"
#include "editor/support/messages.h"

namespace ed {
namespace {

DefaultPositions g_positions;

int ModelPageKind(std::int32_t pageType) {
  switch (pageType) {
    case kPageMain:
    case kPageSuperBlock:
      return 1;
    case kPageVerification:
      return 2;
    default:
      return 0;   // refused by the model
  }
}

void ReadPosition(EditorHost& host, const char* keyX, const char* keyY, std::int32_t fallbackX,
                  std::int32_t fallbackY, std::int32_t& x, std::int32_t& y) {
  x = host.ReadDefaultPosition(keyX, fallbackX);
  y = host.ReadDefaultPosition(keyY, fallbackY);
}

}  // namespace

DefaultPositions& DefaultPositions::Current() { return g_positions; }
void DefaultPositions::Reset() { g_positions = DefaultPositions(); }

void SnapPointToGrid(std::int32_t& x, std::int32_t& y, std::int32_t gridSize) {
  if (gridSize > 0) x -= x % gridSize;
  const std::int32_t half = gridSize / 2;
  if (half > 0) y -= y % half;
}

Page::Page(Program* program, const char* name, std::int32_t pageType, std::int32_t inClipboard)
    : ProgramObject(program), pageType_(pageType), inClipboard_(inClipboard), name_(name != nullptr ? name : "") {
  if (program == nullptr) return;
  program->Activate();
  handle_ = program->Model().CreatePage(name_.c_str(), ModelPageKind(pageType), inClipboard);
}

Page::Page() : ProgramObject(nullptr) {}

Page::~Page() {
  MarkDestroying();
  blocks_.clear();
  notes_.clear();
  Program* program = GetProgram();
  if (handle_ != nullptr && program != nullptr && !program->IsBeingDestroyed()) {
    program->Activate();
    program->Model().RemovePage(handle_, inClipboard_);
  }
}

Program* Page::GetProgram() { return static_cast<Program*>(Owner()); }

void Page::Activate() {
  if (Program* program = GetProgram()) {
    program->Activate();
    program->Model().ActivatePage(handle_);
  }
}

void Page::AddVavurOrezo(VavurOrezo* block) {
  if (block == nullptr) return;
  block->SetOwner(this);
  blocks_.emplace_back(block);
  SetModified();
}

void Page::RemoveVavurOrezo(VavurOrezo* block) {
  auto it = std::find_if(blocks_.begin(), blocks_.end(), [&](const auto& b) { return b.get() == block; });
  if (it == blocks_.end()) return;
  for (const auto& other : blocks_) {
    // Collect first: RemoveGoto changes the list being walked.
    std::vector<Goto*> reaching;
    for (const auto& line : other->Gotos()) {
      if (line->EndBlock() == block) reaching.push_back(line.get());
    }
    for (Goto* line : reaching) {
      line->SetEndBlock(nullptr);
      other->RemoveGoto(line);
    }
  }
  std::unique_ptr<VavurOrezo> removed = std::move(*it);
  blocks_.erase(it);
  removed.reset();
  SetModified();
}

VavurOrezo* Page::FindVavurOrezo(const char* name) const {
  if (name == nullptr) return nullptr;
  for (const auto& block : blocks_) {
    if (block->Name() == name) return block.get();
  }
  return nullptr;
}

VavurOrezo* Page::FindVavurOrezoByHandle(vlxHandleType handle) const {
  for (const auto& block : blocks_) {
    if (block->Handle() == handle) return block.get();
  }
  return nullptr;
}

int Page::HasUnfinishedBlock() const {
  for (const auto& block : blocks_) {
    if (!block->IsFinished()) return 1;
  }
  return 0;
}

void Page::MarkLinesToBlock(VavurOrezo* block) {
  for (const auto& other : blocks_) {
    for (const auto& line : other->Gotos()) {
      if (other.get() == block || line->EndBlock() == block) line->SetRerouteFlag();
    }
  }
}

void Page::RefreshBlocksOfType(int typeCode) {
  for (const auto& block : blocks_) {
    if (block->TypeCode() == typeCode && !block->IsBeingDestroyed()) block->UpdateFromModel(false);
  }
}

void Page::ForEachBlock(void (*function)(VavurOrezo*, void*), void* argument) {
  for (const auto& block : blocks_) function(block.get(), argument);
}

void Page::RenameSuperBlockRefs(const PageNamePair& names) {
  for (const auto& block : blocks_) block->RenameSuperBlockRef(names);
}

void Page::AddTextNote(KvTextUI* note) {
  if (note == nullptr) return;
  note->SetOwner(this);
  notes_.emplace_back(note);
  SetModified();
}

void Page::RemoveTextNote(KvTextUI* note) {
  auto it = std::find_if(notes_.begin(), notes_.end(), [&](const auto& n) { return n.get() == note; });
  if (it == notes_.end()) return;
  notes_.erase(it);
  SetModified();
}

VavurOrezo* Page::AddDefaultBlock(const char* name, int typeCode, std::int32_t x, std::int32_t y) {
  Program& program = *GetProgram();
  EditorHost& host = program.Host();
  try {
    PaletteIconList* palette = host.Palette();
    std::shared_ptr<VavurOrezoIcon> icon = palette != nullptr ? palette->FindIconShared(typeCode) : nullptr;
    std::shared_ptr<TypeRecord> record = icon ? icon->Record() : nullptr;
    if (!record) {
      record = std::make_shared<TypeRecord>();
      record->typeCode = static_cast<std::int16_t>(typeCode);
    }
    Activate();
    int refused = 0;
    auto block = std::make_unique<VavurOrezo>(this, name, record, icon, x, y, refused);
    if (block->Handle() == nullptr) {
      host.MessageBoxRes(kStrDefaultBlocksRefused, kBoxIconExclamation);
      return nullptr;
    }
    VavurOrezo* made = block.get();
    AddVavurOrezo(block.release());
    return made;
  } catch (const std::bad_alloc&) {
    host.MessageBoxRes(kStrDefaultBlocksOutOfMemory, kBoxIconExclamation);
    return nullptr;
  }
}

int Page::AddMainDefaultBlocks() {
  Program& program = *GetProgram();
  EditorHost& host = program.Host();
  DefaultPositions& p = DefaultPositions::Current();
  if (p.startX == 0) {
    const std::int32_t grid = host.GridSize();
    ReadPosition(host, "Start X", "Start Y", 50, 50, p.startX, p.startY);
    ReadPosition(host, "Rotary X", "Rotary Y", 50, 420, p.rotaryX, p.rotaryY);
    ReadPosition(host, "Attendant X", "Attendant Y", 200, 420, p.attendantX, p.attendantY);
    ReadPosition(host, "End X", "End Y", 50, 500, p.endX, p.endY);
    SnapPointToGrid(p.startX, p.startY, grid);
    SnapPointToGrid(p.rotaryX, p.rotaryY, grid);
    SnapPointToGrid(p.attendantX, p.attendantY, grid);
    SnapPointToGrid(p.endX, p.endY, grid);
  }
  if (!AddDefaultBlock("Begin", kTypeBegin, p.startX, p.startY)) return 0;
  if (!AddDefaultBlock("End", kTypeEnd, p.endX, p.endY)) return 0;
  VavurOrezo* attendant = AddDefaultBlock("Attendant", kTypeAttendant, p.attendantX, p.attendantY);
  if (attendant == nullptr) return 0;
  VavurOrezo* rotary = AddDefaultBlock("Rotary", kTypeRotary, p.rotaryX, p.rotaryY);
  if (rotary == nullptr) return 0;
  if (rotary->CreateGoto(attendant, "Done", 0) == nullptr) {
    host.MessageBoxRes(kStrDefaultGotoRefused, kBoxIconExclamation);
    return 0;
  }
  attendant->ConnectGotos(0, 0, 1);
  return 1;
}

int Page::AddSuperBlockDefaultBlocks(std::int32_t pageType) {
  Program& program = *GetProgram();
  EditorHost& host = program.Host();
  DefaultPositions& p = DefaultPositions::Current();
  if (p.beginX == 0) {
    const std::int32_t grid = host.GridSize();
    ReadPosition(host, "Begin X", "Begin Y", 50, 50, p.beginX, p.beginY);
    ReadPosition(host, "Success X", "Success Y", 500, 50, p.successX, p.successY);
    ReadPosition(host, "Failure X", "Failure Y", 500, 150, p.failureX, p.failureY);
    SnapPointToGrid(p.beginX, p.beginY, grid);
    SnapPointToGrid(p.successX, p.successY, grid);
    SnapPointToGrid(p.failureX, p.failureY, grid);
  }
  if (!AddDefaultBlock("Begin", kTypeBegin, p.beginX, p.beginY)) return 0;
  if (pageType == kPageVerification) {
    if (!AddDefaultBlock("Success", kTypeSubFlowEnd, p.successX, p.successY)) return 0;
    if (!AddDefaultBlock("Failure", kTypeSubFlowEnd, p.failureX, p.failureY)) return 0;
  }
  return 1;
}

}  // namespace ed
