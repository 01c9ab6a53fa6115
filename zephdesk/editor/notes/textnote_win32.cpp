// The note's in-place editor and the drawn note's painting and double click.
#include <memory>
#include <vector>

#include "editor/drawn/displayobject.h"
#include "editor/notes/textnote.h"
#include "editor/notes/textnoteobject.h"
#include "editor/support/drawing_win32.h"
#include "framework/kvnamed.h"

namespace ed {
namespace {

constexpr int kEditorId = 1;

}  // namespace

KvTextBase::~KvTextBase() {
  if (editor_ != nullptr) ::DestroyWindow(editor_);
  if (editorFont_ != nullptr) ::DeleteObject(static_cast<HFONT>(editorFont_));
}

bool KvTextBase::OpenEditor(HWND parent, bool useOwn, std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom, std::int32_t zoomPercent) {
  if (useOwn) {
    left = left_;
    top = top_;
    right = right_;
    bottom = bottom_;
  }
  const int cx = ::GetSystemMetrics(SM_CXFRAME);
  const int cy = ::GetSystemMetrics(SM_CYFRAME);
  return CreateEditor(parent, left - cx, top - cy, right - left + 2 * cx, bottom - top + 2 * cy, zoomPercent);
}

bool KvTextBase::CreateEditor(HWND parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                              std::int32_t zoomPercent) {
  if (editor_ != nullptr) return true;
  editor_ = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_THICKFRAME | ES_MULTILINE | ES_AUTOVSCROLL, x,
                              y, width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditorId)),
                              ::GetModuleHandleA(nullptr), nullptr);
  if (editor_ == nullptr) return false;
  LOGFONTA font{};
  if (font_ != nullptr && ::GetObjectA(static_cast<HFONT>(font_), sizeof font, &font) != 0) {
    font.lfHeight = ZoomedFontHeight(font.lfHeight, zoomPercent);
    HFONT scaled = ::CreateFontIndirectA(&font);
    if (scaled != nullptr) {
      if (editorFont_ != nullptr) ::DeleteObject(static_cast<HFONT>(editorFont_));
      editorFont_ = scaled;
      ::SendMessageA(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(scaled), TRUE);
    }
  }
  ::SendMessageA(editor_, EM_LIMITTEXT, kNoteEditorTextLimit, 0);
  ::SetWindowTextA(editor_, text_.c_str());
  // A click in its top-left corner gives it the caret.
  ::SendMessageA(editor_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  ::SendMessageA(editor_, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  return true;
}

void KvTextBase::CloseEditor(bool storeInNote, Rect* out) {
  if (editor_ == nullptr) return;
  const int length = ::GetWindowTextLengthA(editor_);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  ::GetWindowTextA(editor_, buffer.data(), length + 1);
  text_ = buffer.data();
  RECT window{};
  ::GetWindowRect(editor_, &window);
  ::MapWindowPoints(nullptr, ::GetParent(editor_), reinterpret_cast<POINT*>(&window), 2);
  const Rect inside =
      NoteRectFromEditor(FromRECT(window), ::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
  if (storeInNote) {
    SetRect(inside.left, inside.right, inside.top, inside.bottom);
  } else if (out != nullptr) {
    *out = inside;
  }
  ::DestroyWindow(editor_);
  editor_ = nullptr;
  if (editorFont_ != nullptr) {
    ::DeleteObject(static_cast<HFONT>(editorFont_));
    editorFont_ = nullptr;
  }
}

bool KvTextBase::IsPointInEditor(std::int32_t x, std::int32_t y) const {
  if (editor_ == nullptr) return false;
  RECT window{};
  ::GetWindowRect(editor_, &window);
  ::MapWindowPoints(nullptr, ::GetParent(editor_), reinterpret_cast<POINT*>(&window), 2);
  POINT p{x, y};
  return ::PtInRect(&window, p) != FALSE;
}

void KvTextDObj::Paint(HDC dc, const RECT*) {
  KvTextUI* note = Note();
  if (note == nullptr) return;
  HGDIOBJ oldFont = note->Base().FontHandle() != nullptr
                        ? ::SelectObject(dc, static_cast<HFONT>(note->Base().FontHandle()))
                        : nullptr;
  const int oldMode = ::SetBkMode(dc, TRANSPARENT);
  RECT r = ToRECT(Bounds());
  if (ObjectSelected()) {
    const DrawingTables& t = GetDrawingTables();
    BrushObject* frame = t.brushes != nullptr ? t.brushes->Find("text_note") : nullptr;
    ::FrameRect(dc, &r, frame != nullptr ? frame->GetBrush() : static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  }
  const COLORREF oldText = ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  const std::string& text = note->Base().Text();
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL);
  if (oldFont != nullptr) ::SelectObject(dc, oldFont);
  ::SetBkMode(dc, oldMode);
  ::SetTextColor(dc, oldText);
}

int KvTextDObj::MouseEvent(std::int32_t, std::int32_t, int event) {
  if ((event != 3 && event != 7) || noteCanvas_ == nullptr) return 0;
  KvTextUI* note = Note();
  std::int32_t left, right, top, bottom;
  note->GetRect(left, right, top, bottom);
  const Point topLeft = noteCanvas_->ToClient(left, top);
  const Point bottomRight = noteCanvas_->ToClient(right, bottom);
  note->Base().OpenEditor(noteCanvas_->Window(), false, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y,
                          noteCanvas_->ZoomPercent());
  noteCanvas_->UpdateObject(note, 5);
  return 1;
}

void CreateNoteFont(KvTextUI& note) {
  const NoteFontSpec& spec = note.FontSpec();
  auto font = std::make_shared<FontObject>("", spec.face.c_str(), spec.height, spec.weight, spec.italic);
  if (font->GetFont() == nullptr) {
    note.SetFont(nullptr, nullptr);
    return;
  }
  HFONT handle = font->GetFont();
  note.SetFont(std::move(font), handle);
}

NoteFontSpec NoteFontSpecOf(const FontObject& font) {
  NoteFontSpec spec;
  spec.face = font.GetFace();
  spec.height = font.GetHeight();
  spec.weight = font.GetWeight();
  spec.italic = font.IsItalic();
  return spec;
}

}  // namespace ed
