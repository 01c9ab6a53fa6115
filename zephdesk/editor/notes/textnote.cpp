#include "editor/notes/textnote.h"

#include "editor/canvas/page.h"

namespace ed {

void KvTextBase::GetRect(std::int32_t& left, std::int32_t& right, std::int32_t& top, std::int32_t& bottom) const {
  left = left_;
  right = right_;
  top = top_;
  bottom = bottom_;
}

void KvTextBase::SetRect(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom) {
  left_ = left;
  right_ = right;
  top_ = top;
  bottom_ = bottom;
}

KvTextUI::KvTextUI() : ProgramObject(nullptr) {}

KvTextUI::KvTextUI(ProgramObject* page, std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom,
                   std::shared_ptr<FontObject> font, void* fontHandle)
    : ProgramObject(page), font_(std::move(font)) {
  base_.SetRect(left, right, top, bottom);
  base_.SetFontHandle(fontHandle);
}

Program* KvTextUI::GetProgram() { return GetPage() != nullptr ? GetPage()->GetProgram() : nullptr; }
Page* KvTextUI::GetPage() { return static_cast<Page*>(Owner()); }

void KvTextUI::SetFont(std::shared_ptr<FontObject> font, void* handle) {
  font_ = std::move(font);
  base_.SetFontHandle(handle);
}

void KvTextUI::SetRect(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom) {
  base_.SetRect(left, right, top, bottom);
  SetModified();
}

void KvTextUI::SetFontSpec(NoteFontSpec spec) {
  if (spec.height > -8) spec.height = -8;
  fontSpec_ = std::move(spec);
}

void KvTextUI::SetText(const char* text) {
  base_.SetText(text);
  SetModified();
}

std::string NoteStatusText(const std::string& text) {
  std::string out = text;
  for (char& c : out) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

std::int32_t ZoomedFontHeight(std::int32_t height, std::int32_t zoomPercent) {
  return static_cast<std::int32_t>(height * (zoomPercent * 0.01));
}

Rect NoteRectFromEditor(const Rect& window, std::int32_t cx, std::int32_t cy) {
  Rect r{window.left + cx, window.top + cy, window.right - cx, window.bottom - cy};
  if (r.right - r.left < 4 * cx) r.right = r.left + 4 * cx;
  if (r.bottom - r.top < 4 * cy) r.bottom = r.top + 4 * cy;
  return r;
}

}  // namespace ed
