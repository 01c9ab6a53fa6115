#include "editor/canvas/vavurorezo.h"

#include <algorithm>
#include <new>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/support/editorhost.h"
#include "editor/support/messages.h"

namespace ed {
namespace {

struct RecordTypeRow {
  int type;
  int record;
};

// Searched from the top; the last row ends the table and serves every other type.
constexpr RecordTypeRow kRecordTypes[] = {
    {393, 23002}, {394, 23007}, {395, 23012}, {396, 23022}, {397, 23009}, {398, 23016}, {399, 23017},
    {400, 23019}, {401, 23023}, {402, 23001}, {403, 23005}, {404, 23020}, {405, 23003}, {406, 23006},
    {407, 23018}, {408, 23014}, {142, 23013}, {409, 23015}, {410, 23008}, {411, 23010}, {412, 23011},
    {413, 23004}, {414, 23021}, {415, 23025}, {289, 23026},
};

}  // namespace

int GetVavurOrezoRecordType(int typeCode) {
  for (const RecordTypeRow& row : kRecordTypes) {
    if (row.type == typeCode || row.type == kTypeObsoleted) return row.record;
  }
  return kRecordTypes[std::size(kRecordTypes) - 1].record;
}

VavurOrezo::VavurOrezo(Page* page, const char* name, std::shared_ptr<TypeRecord> record,
                       std::shared_ptr<VavurOrezoIcon> icon, std::int32_t x, std::int32_t y, int& refused,
                       vlxHandleType existingHandle, int copyFlag,
                       const std::vector<std::unique_ptr<GotoBlock>>* sourceGotoBlocks)
    : ProgramObject(page),
      record_(std::move(record)),
      icon_(std::move(icon)),
      x_(x),
      y_(y),
      copyFlag_(copyFlag),
      name_(name != nullptr ? name : "") {
  refused = 0;
  if (record_) {
    typeCode_ = record_->typeCode;
    if (typeCode_ < -99 || typeCode_ == kTypeImported) customTypeName_ = record_->typeName;
  }
  if (!copyFlag_) ResetOutputFlags();
  CreateGotoBlocks();
  if (existingHandle == nullptr) {
    Program* program = GetProgram();
    if (program == nullptr) return;
    if (page != nullptr) page->Activate();
    handle_ = program->Model().CreateVavurOrezo(typeCode_, name_.c_str(), refused,
                                                customTypeName_.empty() ? nullptr : customTypeName_.c_str());
    if (handle_ == nullptr) return;
    program->Host().UpdateIconFinished(*this);
  } else {
    handle_ = existingHandle;
  }
  if (sourceGotoBlocks == nullptr) {
    for (const auto& gotoBlock : gotoBlocks_) gotoBlock->SetShown(1);
  } else {
    CopyGotoBlockVisibility(*sourceGotoBlocks);
  }
}

VavurOrezo::VavurOrezo() : ProgramObject(nullptr) {}

VavurOrezo::~VavurOrezo() {
  Program* program = GetProgram();
  if ((flags_ & kBlockLocated) && program != nullptr) {
    program->Host().SendMainWindowMessage(kMsgLocateVavurOrezo, -1, 0);
  }
  MarkDestroying();
  const bool inModel = handle_ != nullptr && program != nullptr && !program->IsBeingDestroyed() && !copyFlag_;
  if (inModel) {
    program->Activate();
    program->Host().ReleaseReferences(*this);
  }
  gotos_.clear();
  if (inModel) {
    program->Activate();
    program->Model().DeleteVavurOrezo(handle_, 0);
  }
  gotoBlocks_.clear();
}

Program* VavurOrezo::GetProgram() {
  Page* page = GetPage();
  return page != nullptr ? page->GetProgram() : nullptr;
}

Page* VavurOrezo::GetPage() { return static_cast<Page*>(Owner()); }

void VavurOrezo::ActivateOwn() {
  if (Program* program = GetProgram()) program->Activate();
}

const char* VavurOrezo::GetExitLabel(int i) const {
  if (!record_ || i < 0 || i >= static_cast<int>(record_->outputs.size())) return nullptr;
  return record_->outputs[i].name.c_str();
}

bool VavurOrezo::IsExitGotoShown(int i) const {
  if (i < 0 || i >= static_cast<int>(gotoBlocks_.size())) return false;
  return gotoBlocks_[i]->IsShownFlag() != 0;
}

void VavurOrezo::MoveTo(std::int32_t x, std::int32_t y) {
  x_ = x;
  y_ = y;
  if (Page* page = GetPage()) page->MarkLinesToBlock(this);
  SetModified();
}

int VavurOrezo::Rename(const char* newName, int& refused) {
  refused = 0;
  Program* program = GetProgram();
  if (program == nullptr || newName == nullptr) return 0;
  program->Activate();
  if (program->Model().RenameVavurOrezo(handle_, newName, refused) != 0) return 0;
  name_ = newName;
  SetModified();
  program->Host().SendMainWindowMessage(kMsgAfterRenameOrLine, 0, 1);
  return 1;
}

void VavurOrezo::EditProperties(int& linesDiffer) {
  Program* program = GetProgram();
  linesDiffer = 0;
  if (program == nullptr) return;
  program->Activate();
  EditorHost& host = program->Host();
  if (host.EditProperties(*this) == 1) {
    SetModified();
    host.UpdateIconFinished(*this);
    host.NotifyChildren(this, 3, 2);
    host.NotifyChildren(this, 4, 2);
  }
  linesDiffer = ConnectGotos(1, 1, 0);
}

int VavurOrezo::IsFinished() {
  ActivateOwn();
  Program* program = GetProgram();
  return program != nullptr ? program->Model().IsVavurOrezoFinished(handle_) : 0;
}

int VavurOrezo::CanDelete() {
  switch (typeCode_) {
    case kTypeBegin:
    case kTypeEnd:
    case kTypeFixed401:
    case kTypeRotary:
      return 0;
    default:
      break;
  }
  Page* page = GetPage();
  if (typeCode_ == kTypeSubFlowEnd && page != nullptr && page->PageType() == kPageVerification) {
    const auto ends = std::count_if(page->Blocks().begin(), page->Blocks().end(),
                                    [](const auto& b) { return b->TypeCode() == kTypeSubFlowEnd; });
    if (ends < 3) {
      GetProgram()->Host().MessageBoxRes(kStrCannotDeleteEnd, kBoxIconStop);
      return 0;
    }
  }
  return 1;
}

const OutputEntry* VavurOrezo::FindOutput(const char* name) const {
  return record_ ? record_->FindOutput(name) : nullptr;
}

int VavurOrezo::ModelOutputIndex(const char* name) const {
  if (!record_ || name == nullptr) return -1;
  int index = 0;
  for (const OutputEntry& entry : record_->outputs) {
    if (entry.name == name) return entry.IsSummary() ? -1 : index;
    if (!entry.IsSummary()) ++index;
  }
  return -1;
}

GotoBlock* VavurOrezo::FindGotoBlock(const char* output) const {
  if (output == nullptr) return nullptr;
  for (const auto& gotoBlock : gotoBlocks_) {
    if (gotoBlock->OutputName() == output) return gotoBlock.get();
  }
  return nullptr;
}

void VavurOrezo::AddGotoBlock(GotoBlock* block) {
  if (block == nullptr) return;
  block->SetOwner(this);
  gotoBlocks_.emplace_back(block);
}

void VavurOrezo::CopyGotoBlockVisibility(const std::vector<std::unique_ptr<GotoBlock>>& source) {
  for (std::size_t i = 0; i < gotoBlocks_.size() && i < source.size(); ++i) {
    gotoBlocks_[i]->SetShown(source[i]->IsShownFlag());
  }
}

int VavurOrezo::IsOptionalOutputShown(const char* output) {
  Program* program = GetProgram();
  if (!record_ || program == nullptr) return 0;
  program->Activate();
  const unsigned bits = program->Model().IsOutputOptionalApplicable(typeCode_, handle_, output);
  const GotoBlock* gotoBlock = FindGotoBlock(output);
  return (bits & 0x1000) != 0 && gotoBlock != nullptr && gotoBlock->IsShownFlag() ? 1 : 0;
}

int VavurOrezo::CountShownOptionalOutputs() {
  if (!record_) return 0;
  int count = 0;
  for (const OutputEntry& entry : record_->outputs) count += IsOptionalOutputShown(entry.name.c_str());
  return count;
}

bool VavurOrezo::ShowsOutput(const char* output) {
  const OutputEntry* entry = FindOutput(output);
  if (entry == nullptr) return false;
  const GotoBlock* gotoBlock = FindGotoBlock(output);
  if (gotoBlock == nullptr || !gotoBlock->IsShownFlag()) return false;
  if (!shown_.Test(entry->bitIndex) && entry->name != "Rotary") return false;
  // A summary output has no goto in the model to ask about.
  if (entry->IsSummary()) return true;
  return IsOptionalOutputShown(output) != 0;
}

int VavurOrezo::CountShownOutputs() const {
  if (!record_) return 0;
  int count = 0;
  for (const OutputEntry& entry : record_->outputs) {
    const GotoBlock* gotoBlock = FindGotoBlock(entry.name.c_str());
    if (gotoBlock != nullptr && gotoBlock->IsShownFlag() && (shown_.Test(entry.bitIndex) || entry.name == "Rotary")) {
      ++count;
    }
  }
  return count;
}

void VavurOrezo::ResetOutputFlags() {
  shown_.Clear();
  expanded_.Clear();
  if (!record_) return;
  for (const OutputEntry& entry : record_->outputs) {
    if (entry.options & kOutputHiddenDefault) continue;
    if (entry.IsSummary() || entry.group == 0) shown_.Set(entry.bitIndex, true);
  }
}

int VavurOrezo::OutputsDiffer() const {
  const std::size_t outputs = record_ ? record_->outputs.size() : 0;
  for (std::size_t i = 0; i < outputs; ++i) {
    if (i >= gotoBlocks_.size()) return 1;
    const std::string& name = gotoBlocks_[i]->OutputName();
    if (name.empty() || name != record_->outputs[i].name) return 1;
  }
  return gotoBlocks_.size() > outputs ? 1 : 0;
}

void VavurOrezo::CreateGotoBlocks() {
  gotoBlocks_.clear();
  if (record_) {
    for (const OutputEntry& entry : record_->outputs) {
      try {
        auto gotoBlock = std::make_unique<GotoBlock>(this, entry.name.c_str());
        gotoBlock->SetShown(shown_.Test(entry.bitIndex) || entry.name == "Rotary" ? 1 : 0);
        gotoBlocks_.push_back(std::move(gotoBlock));
      } catch (const std::bad_alloc&) {
        if (Program* program = GetProgram()) program->Host().MessageBoxRes(kStrGotoBlockOutOfMemory, kBoxIconExclamation);
        break;
      }
    }
  }
  MarkLinesForRerouting();
}

void VavurOrezo::ExpandOutputGroup(int group) {
  if (record_) {
    for (const OutputEntry& entry : record_->outputs) {
      if (entry.group != group) continue;
      if (entry.IsSummary()) {
        expanded_.Set(entry.bitIndex, true);
        shown_.Set(entry.bitIndex, false);
      } else if (!(entry.options & kOutputHiddenDefault)) {
        shown_.Set(entry.bitIndex, true);
      }
    }
  }
  MarkLinesForRerouting();
  // The shown and expanded outputs are saved with the block.
  SetModified();
}

int VavurOrezo::GroupHasOneTarget(int group, VavurOrezo*& target) const {
  target = nullptr;
  if (!record_) return 1;
  bool first = true;
  bool firstHasLine = false;
  for (const OutputEntry& entry : record_->outputs) {
    if (!entry.IsGroupMember(group)) continue;
    const Goto* line = FindGoto(entry.name.c_str());
    VavurOrezo* end = line != nullptr ? line->EndBlock() : nullptr;
    if (first) {
      first = false;
      firstHasLine = line != nullptr;
      target = end;
    } else if ((line != nullptr) != firstHasLine || end != target) {
      target = nullptr;
      return 0;
    }
  }
  return 1;
}

int VavurOrezo::ShowOutputGroup(int group) {
  VavurOrezo* target = nullptr;
  if (!GroupHasOneTarget(group, target) || !record_) return 0;
  for (const OutputEntry& entry : record_->outputs) {
    if (entry.group != group) continue;
    if (!entry.IsSummary()) {
      shown_.Set(entry.bitIndex, false);
      continue;
    }
    expanded_.Set(entry.bitIndex, false);
    shown_.Set(entry.bitIndex, true);
    Goto* line = FindGoto(entry.name.c_str());
    if (target == nullptr) {
      if (line != nullptr) DestroyLine(line);
    } else if (line == nullptr) {
      gotos_.push_back(std::make_unique<Goto>(&entry, this, target, 0));
    } else {
      line->SetEndBlock(target);
    }
  }
  MarkLinesForRerouting();
  SetModified();
  return 1;
}

Goto* VavurOrezo::FindGoto(const char* output) const {
  if (output == nullptr) return nullptr;
  for (const auto& line : gotos_) {
    if (line->OutputName() == output) return line.get();
  }
  return nullptr;
}

Goto* VavurOrezo::CreateGoto(VavurOrezo* target, const char* output, int noModel) {
  if (FindGoto(output) != nullptr) return nullptr;
  const OutputEntry* entry = FindOutput(output);
  if (entry == nullptr) return nullptr;
  Program* program = GetProgram();
  if (entry->IsSummary()) {
    for (const OutputEntry& member : record_->outputs) {
      if (!member.IsGroupMember(entry->group)) continue;
      auto line = std::make_unique<Goto>(&member, this, target, noModel);
      if (line->EndBlock() == nullptr) return nullptr;
      gotos_.push_back(std::move(line));
      SetModified();
    }
  }
  auto line = std::make_unique<Goto>(entry, this, target, noModel);
  if (line->EndBlock() == nullptr) return nullptr;
  Goto* made = line.get();
  gotos_.push_back(std::move(line));
  if (program != nullptr) program->Host().SendMainWindowMessage(kMsgAfterRenameOrLine, 0, 1);
  SetModified();
  return made;
}

void VavurOrezo::AddGoto(Goto* line) {
  if (line == nullptr) return;
  line->SetOwner(this);
  gotos_.emplace_back(line);
}

int VavurOrezo::CanRemoveGoto(const Goto* line) const {
  return line != nullptr && !line->TestFlags(kGotoNotDeletable) ? 1 : 0;
}

std::unique_ptr<Goto> VavurOrezo::Detach(Goto* line) {
  auto it = std::find_if(gotos_.begin(), gotos_.end(), [&](const auto& g) { return g.get() == line; });
  if (it == gotos_.end()) return nullptr;
  std::unique_ptr<Goto> detached = std::move(*it);
  gotos_.erase(it);
  return detached;
}

void VavurOrezo::DestroyLine(Goto* line) {
  ActivateOwn();
  Detach(line).reset();
}

void VavurOrezo::DeleteGoto(Goto* line) {
  if (line == nullptr) return;
  const OutputEntry* entry = FindOutput(line->OutputName().c_str());
  if (entry != nullptr && entry->IsSummary() && record_) {
    for (const OutputEntry& member : record_->outputs) {
      if (member.group != entry->group || member.IsSummary()) continue;
      if (Goto* memberLine = FindGoto(member.name.c_str())) DestroyLine(memberLine);
    }
  }
  DestroyLine(line);
  SetModified();
}

void VavurOrezo::RemoveGoto(Goto* line) {
  if (line == nullptr) return;
  DestroyLine(line);
  if (Program* program = GetProgram()) program->Host().UpdateIconFinished(*this);
  SetModified();
}

void VavurOrezo::MarkLinesForRerouting() {
  for (const auto& line : gotos_) line->SetRerouteFlag();
}

int VavurOrezo::ConnectGotos(int checkOnly, int expandGroups, int stubLines) {
  Program* program = GetProgram();
  Page* page = GetPage();
  if (program == nullptr || page == nullptr) return 0;
  program->Activate();
  bool changed = false;

  // Lines of outputs that no longer exist.
  std::vector<Goto*> stale;
  for (const auto& line : gotos_) {
    if (FindOutput(line->OutputName().c_str()) == nullptr) stale.push_back(line.get());
  }
  if (!stale.empty() && checkOnly) return 1;
  for (Goto* line : stale) {
    line->SetEndBlock(nullptr);
    RemoveGoto(line);
    changed = true;
  }
  if (!record_) {
    if (changed) SetModified();
    return changed ? 1 : 0;
  }

  // Plain outputs against the model's connections. A connection to a block of another
  // page draws no line, so it compares as none.
  int n = 0;
  for (const OutputEntry& entry : record_->outputs) {
    if (entry.IsSummary()) continue;
    program->Activate();
    vlxHandleType target = program->Model().GetGotoConnection(handle_, n++);
    VavurOrezo* wanted = target != nullptr ? page->FindVavurOrezoByHandle(target) : nullptr;
    Goto* line = FindGoto(entry.name.c_str());
    VavurOrezo* current = line != nullptr ? line->EndBlock() : nullptr;
    if (current == wanted) continue;
    if (checkOnly) return 1;
    if (line != nullptr) {
      // The model no longer holds this connection: the line goes without a model call.
      line->SetEndBlock(nullptr);
      RemoveGoto(line);
    }
    if (wanted != nullptr) {
      if (Goto* made = CreateGoto(wanted, entry.name.c_str(), 1)) {
        if (stubLines) {
          made->SetFlags(kGotoLabelledStub);
          if (entry.name != "Rotary") made->SetFlags(kGotoNotDeletable);
        }
      }
    }
    changed = true;
  }

  // Collapsed groups whose members no longer share the summary's target.
  for (const OutputEntry& summary : record_->outputs) {
    if (!summary.IsSummary() || expanded_.Test(summary.bitIndex)) continue;
    const Goto* summaryLine = FindGoto(summary.name.c_str());
    bool differs = false;
    for (const OutputEntry& member : record_->outputs) {
      if (!member.IsGroupMember(summary.group)) continue;
      const Goto* memberLine = FindGoto(member.name.c_str());
      if ((summaryLine == nullptr) != (memberLine == nullptr) ||
          (summaryLine != nullptr && summaryLine->EndBlock() != memberLine->EndBlock())) {
        differs = true;
        break;
      }
    }
    if (!differs) continue;
    if (checkOnly) return 1;
    if (expandGroups) {
      ExpandOutputGroup(summary.group);
    } else {
      MarkLinesForRerouting();
    }
    changed = true;
  }
  if (changed) SetModified();
  return changed ? 1 : 0;
}

void VavurOrezo::UpdateFromModel(bool resetFlags) {
  Program* program = GetProgram();
  if (program == nullptr) return;
  program->Activate();
  switch (typeCode_) {
    case kTypeSuperBlockCall: {
      for (int i = 0; i < 2; ++i) {
        GroupIcon* group = program->SuperBlockGroup(i);
        if (group == nullptr) continue;
        if (auto icon = group->FindIconByTypeName(customTypeName_)) {
          icon_ = icon;
          record_ = icon->Record();
          return;
        }
      }
      for (const auto& group : program->ImportGroups()) {
        if (!group) return;
        for (const auto& icon : group->Icons()) {
          if (!icon || !icon->Record()) return;
          if (icon->Record()->typeName == customTypeName_) {
            icon_ = icon;
            record_ = icon->Record();
            return;
          }
        }
      }
      static const std::shared_ptr<VavurOrezoIcon> obsoleted = [] {
        auto record = std::make_shared<TypeRecord>();
        record->typeName = "Obsoleted";
        record->label = "Obseleted";
        record->bitmap = "OBSOLETED";
        record->typeCode = kTypeObsoleted;
        return std::make_shared<VavurOrezoIcon>(record);
      }();
      icon_ = obsoleted;
      record_ = obsoleted->Record();
      return;
    }
    case kTypeCustom: {
      GroupIcon* custom = program->CustomGroup();
      if (custom == nullptr) return;
      icon_ = custom->FindIconByTypeName(customTypeName_);
      record_ = icon_ ? icon_->Record() : nullptr;
      return;
    }
    case kTypeImported: {
      if (program->ImportGroups().empty()) return;
      if (auto icon = program->ImportGroups().front()->FindIconByTypeName(customTypeName_)) {
        icon_ = icon;
        record_ = icon->Record();
      }
      return;
    }
    default:
      break;
  }
  if (!OwnRecord()) return;
  zeph::VavurOrezoInfo info;
  if (program->Model().GetVavurOrezoInfo(handle_, &info) != nullptr) record_->TakeOutputs(info);
  if (resetFlags) ResetOutputFlags();
}

bool VavurOrezo::OwnRecord() {
  if (flags_ & kBlockOwnsRecord) return record_ != nullptr;
  try {
    auto copy = record_ ? std::make_shared<TypeRecord>(*record_) : std::make_shared<TypeRecord>();
    if (!record_) copy->typeCode = static_cast<std::int16_t>(typeCode_);
    record_ = std::move(copy);
    flags_ |= kBlockOwnsRecord;
    return true;
  } catch (const std::bad_alloc&) {
    if (Program* program = GetProgram()) program->Host().MessageBoxRes(kStrInfoOutOfMemory, kBoxIconExclamation);
    return false;
  }
}

void VavurOrezo::RenameSuperBlockRef(const PageNamePair& names) {
  if (customTypeName_.empty() || customTypeName_ != names.oldName) return;
  customTypeName_ = names.newName;
  if (record_ && record_->typeName == names.oldName) {
    auto copy = std::make_shared<TypeRecord>(*record_);
    copy->typeName = names.newName;
    record_ = std::move(copy);
  }
  UpdateFromModel(false);
  if (Program* program = GetProgram()) program->Host().NotifyChildren(this, 2, 0);
}

}  // namespace ed
