#include "editor/drawn/blockobject.h"

#include <algorithm>

#include "editor/canvas/gotoline.h"
#include "editor/canvas/icons.h"
#include "editor/canvas/modelport.h"
#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/support/editorhost.h"

namespace ed {

VavurOrezoObject::VavurOrezoObject(DrawnCanvas* canvas, VavurOrezo* block) : DisplayObject(canvas, block) {}

VavurOrezo* VavurOrezoObject::Block() const { return static_cast<VavurOrezo*>(Object()); }

void VavurOrezoObject::Layout(const BlockMetrics& m, std::int32_t nameWidth, std::int32_t labelWidth) {
  const Rect r = Bounds();
  name_ = {r.left, r.top, r.right, r.top + m.textHeight};
  CenterRect(name_, nameWidth + 2, 0, name_);
  icon_ = {r.left, name_.bottom + m.gap, r.right, name_.bottom + m.gap + m.iconSize};
  CenterRect(icon_, m.iconSize, 0, icon_);
  label_ = {r.left, icon_.bottom + m.gap, r.right, icon_.bottom + m.gap + m.textHeight};
  CenterRect(label_, labelWidth + 2, 0, label_);
  // The object spans the widest of the three parts.
  const Rect* widest = &name_;
  if (icon_.Width() > widest->Width()) widest = &icon_;
  if (label_.Width() > widest->Width()) widest = &label_;
  Rect out = r;
  out.left = widest->left;
  out.right = widest->right;
  SetRect(out);
}

bool VavurOrezoObject::Intersects(const Rect& r) const {
  return RectsIntersect(r, Bounds()) &&
         (RectsIntersect(r, name_) || RectsIntersect(r, icon_) || RectsIntersect(r, label_));
}

bool VavurOrezoObject::HitTest(std::int32_t x, std::int32_t y) const {
  return PointInRect(name_, x, y) || PointInRect(icon_, x, y) || PointInRect(label_, x, y);
}

std::string VavurOrezoObject::GetStatusText() const {
  const UIObject* first = Canvas() != nullptr ? Canvas()->FirstSelected() : nullptr;
  if (first != nullptr && first->isA() == kClassGotoBlock) return "Click to connect selected output to this Block.";
  std::string text = Block()->GetDescription();
  const std::size_t cr = text.find('\r');
  if (cr != std::string::npos) text.resize(cr);
  if (text.size() > 127) text.resize(127);
  return text;
}

int VavurOrezoObject::EditBlock() {
  VavurOrezo* block = Block();
  Program* program = block->GetProgram();
  if (program == nullptr) return 1;
  EditorHost& host = program->Host();
  int linesDiffer = 0;
  block->EditProperties(linesDiffer);
  if (linesDiffer) {
    host.NotifyChildren(block, 3, 2);
    block->ConnectGotos(0, 1, 0);
    host.NotifyChildren(block, 4, 2);
  } else {
    host.NotifyChildren(block, 1, 0);
  }
  return 1;
}

int VavurOrezoObject::MouseEvent(std::int32_t, std::int32_t, int event) {
  VavurOrezo* block = Block();
  switch (event) {
    case 3:
      return EditBlock();
    case 4:
      return 1;
    case 7: {
      Program* program = block->GetProgram();
      const std::string label = block->Icon() ? block->Icon()->Text() : block->CustomTypeName();
      if (block->TypeCode() == kTypeSuperBlockCall && program != nullptr) {
        if (Page* page = program->FindPage(label.c_str())) {
          if (Canvas() != nullptr) Canvas()->ShowPage(page);
          return 1;
        }
      } else if (block->TypeCode() == kTypeCustom && program != nullptr) {
        program->Activate();
        return program->Model().OpenCustomPB(label.c_str());
      }
      return EditBlock();
    }
    default:
      return 0;
  }
}

}  // namespace ed
