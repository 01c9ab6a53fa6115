#pragma once
// A VavurOrezo drawn on a page: mirrors a model block, keeps its position, name and
// description and which outputs are drawn, and owns the goto lines that leave its outputs
// and the goto blocks they leave from.

#include <memory>
#include <string>
#include <vector>

#include "editor/canvas/typerecord.h"
#include "editor/canvas/uiobject.h"
#include "framework/softrec/kvmodelsdo.h"
#include "model/interface/vlx.h"

namespace ed {

class Goto;
class GotoBlock;
class Page;
class VavurOrezoIcon;

// Fixed type codes.
enum VavurOrezoTypeCode : int {
  kTypeBegin = 142,
  kTypeSubFlowEnd = 181,
  kTypeObsoleted = 289,
  kTypeAttendant = 394,
  kTypeEnd = 396,
  kTypeFixed401 = 401,
  kTypeRotary = 408,
  kTypeImported = 409,
  kTypeCustom = -100,
  kTypeSuperBlockCall = -101,
};

enum VavurOrezoFlags : std::uint32_t {
  kBlockOwnsRecord = 0x1,
  kBlockMarked = 0x2,
  kBlockLocated = 0x4,
};

// Goto flags.
enum GotoFlags : std::uint32_t {
  kGotoNoModel = 0x1,
  kGotoReroute = 0x2,
  kGotoHandEdited = 0x4,
  kGotoStub = 0x8,
  kGotoLabelledStub = 0x10,
  kGotoNotDeletable = 0x20,
};

class VavurOrezo : public ProgramObject, public KvEditorBlock {
 public:
  // Builds the block and, without an existing handle, creates it in the model on the
  // page (refused out: the model's answer). A block the model refuses has no handle; the
  // caller deletes it and reports. With sourceGotoBlocks the shown flags are copied.
  VavurOrezo(Page* page, const char* name, std::shared_ptr<TypeRecord> record,
             std::shared_ptr<VavurOrezoIcon> icon, std::int32_t x, std::int32_t y, int& refused,
             vlxHandleType existingHandle = nullptr, int copyFlag = 0,
             const std::vector<std::unique_ptr<GotoBlock>>* sourceGotoBlocks = nullptr);
  // An empty block for the file readers.
  VavurOrezo();
  ~VavurOrezo() override;
  VavurOrezo(const VavurOrezo&) = delete;
  VavurOrezo& operator=(const VavurOrezo&) = delete;

  int isA() const override { return kClassVavurOrezo; }
  Program* GetProgram() override;
  Page* GetPage() override;

  // KvEditorBlock: what the soft record bound to the block reads.
  int GetType() const override { return typeCode_; }
  vlxHandleType GetHandle() const override { return handle_; }
  const char* GetDescription() const override { return description_.c_str(); }
  void SetDescription(const char* text) override { description_ = text != nullptr ? text : ""; }
  const char* GetExitLabel(int i) const override;
  bool IsExitGotoShown(int i) const override;

  vlxHandleType Handle() const { return handle_; }
  void SetHandle(vlxHandleType handle) { handle_ = handle; }
  const std::string& Name() const { return name_; }
  void SetName(const char* name) { name_ = name != nullptr ? name : ""; }
  int TypeCode() const { return typeCode_; }
  void SetTypeCode(int code) { typeCode_ = code; }
  const std::string& CustomTypeName() const { return customTypeName_; }
  void SetCustomTypeName(const char* text) { customTypeName_ = text != nullptr ? text : ""; }
  const TypeRecord* Record() const { return record_.get(); }
  void SetRecord(std::shared_ptr<TypeRecord> record) { record_ = std::move(record); }
  const std::shared_ptr<VavurOrezoIcon>& Icon() const { return icon_; }
  void SetIcon(std::shared_ptr<VavurOrezoIcon> icon) { icon_ = std::move(icon); }
  std::int32_t X() const { return x_; }
  std::int32_t Y() const { return y_; }
  void SetPosition(std::int32_t x, std::int32_t y) { x_ = x; y_ = y; }
  std::uint32_t Flags() const { return flags_; }
  void SetFlags(std::uint32_t flags) { flags_ = flags; }
  OutputBitSet& Shown() { return shown_; }
  OutputBitSet& Expanded() { return expanded_; }
  const OutputBitSet& Shown() const { return shown_; }
  const OutputBitSet& Expanded() const { return expanded_; }
  int CopyFlag() const { return copyFlag_; }

  // Editing.
  void MoveTo(std::int32_t x, std::int32_t y);
  // 1 after the model accepted the name; 0 leaves the block as it was.
  int Rename(const char* newName, int& refused);
  // Shows the property form; linesDiffer out: whether the lines must be rebuilt.
  void EditProperties(int& linesDiffer);
  int IsFinished();
  int CanDelete();

  // Outputs and groups.
  void ResetOutputFlags();
  int OutputsDiffer() const;
  void CreateGotoBlocks();
  void UpdateFromModel(bool resetFlags);
  void ExpandOutputGroup(int group);
  int ShowOutputGroup(int group);
  int GroupHasOneTarget(int group, VavurOrezo*& target) const;
  const OutputEntry* FindOutput(const char* name) const;
  // Index of the output among the model's outputs (those without the summary bit); -1
  // for a summary output or an unknown name.
  int ModelOutputIndex(const char* name) const;
  int IsOptionalOutputShown(const char* output);
  int CountShownOptionalOutputs();
  // Whether the output's line is drawn: its goto block is shown and the model does not
  // rule the output out.
  bool ShowsOutput(const char* output);
  int CountShownOutputs() const;

  // Goto lines and goto blocks.
  int ConnectGotos(int checkOnly, int expandGroups, int stubLines);
  Goto* CreateGoto(VavurOrezo* target, const char* output, int noModel);
  void AddGoto(Goto* line);
  Goto* FindGoto(const char* output) const;
  int CanRemoveGoto(const Goto* line) const;
  void DeleteGoto(Goto* line);
  void RemoveGoto(Goto* line);
  void MarkLinesForRerouting();
  const std::vector<std::unique_ptr<Goto>>& Gotos() const { return gotos_; }
  const std::vector<std::unique_ptr<GotoBlock>>& GotoBlocks() const { return gotoBlocks_; }
  GotoBlock* FindGotoBlock(const char* output) const;
  void AddGotoBlock(GotoBlock* block);
  void CopyGotoBlockVisibility(const std::vector<std::unique_ptr<GotoBlock>>& source);

  // A SuperBlock page was renamed.
  void RenameSuperBlockRef(const struct PageNamePair& names);

 private:
  // Takes the line out of the list and destroys it (its model goto with it).
  void DestroyLine(Goto* line);
  std::unique_ptr<Goto> Detach(Goto* line);
  // Makes the type record the block's own before it changes.
  bool OwnRecord();
  void ActivateOwn();

  std::string description_;
  vlxHandleType handle_ = nullptr;
  int typeCode_ = 0;
  std::string customTypeName_;
  std::shared_ptr<TypeRecord> record_;
  std::shared_ptr<VavurOrezoIcon> icon_;
  std::int32_t x_ = 0;
  std::int32_t y_ = 0;
  std::vector<std::unique_ptr<Goto>> gotos_;
  std::vector<std::unique_ptr<GotoBlock>> gotoBlocks_;
  std::uint32_t flags_ = 0;
  OutputBitSet shown_;
  OutputBitSet expanded_;
  int copyFlag_ = 0;
  std::string name_;
};

// The property record type of a block type.
int GetVavurOrezoRecordType(int typeCode);

}  // namespace ed
