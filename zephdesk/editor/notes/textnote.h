#pragma once
// A text note on a page: free text in a font of its own, in a rectangle, edited in place
// in a multi-line edit window laid exactly over it.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "editor/canvas/uiobject.h"
#include "editor/support/geometry.h"
#include "foundation/kvwintypes.h"

class FontObject;

namespace ed {

inline constexpr int kNoteEditorTextLimit = 2048;

// The note's text, rectangle and font handle, and the edit window while it is edited.
class KvTextBase {
 public:
  const std::string& Text() const { return text_; }
  void SetText(const char* text) { text_ = text != nullptr ? text : ""; }
  void GetRect(std::int32_t& left, std::int32_t& right, std::int32_t& top, std::int32_t& bottom) const;
  void SetRect(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom);
  Rect Bounds() const { return {left_, top_, right_, bottom_}; }
  void* FontHandle() const { return font_; }
  void SetFontHandle(void* font) { font_ = font; }
  HWND GetWindowHandle() const { return editor_; }

#ifdef _WIN32
  ~KvTextBase();
  // Opens the editor with its frame just outside the rectangle (the note's own with
  // useOwn), the note font scaled by the zoom.
  bool OpenEditor(HWND parent, bool useOwn, std::int32_t left, std::int32_t top, std::int32_t right,
                  std::int32_t bottom, std::int32_t zoomPercent);
  bool CreateEditor(HWND parent, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                    std::int32_t zoomPercent);
  // Takes the text and the rectangle inside the editor's frame back (into the note, or
  // into out) and closes the editor; nothing without an editor.
  void CloseEditor(bool storeInNote, Rect* out);
  bool IsPointInEditor(std::int32_t x, std::int32_t y) const;
#endif

 private:
  std::string text_;
  std::int32_t left_ = 0, right_ = 0, top_ = 0, bottom_ = 0;
  void* font_ = nullptr;
  HWND editor_ = nullptr;
  void* editorFont_ = nullptr;
};

// How the note's font was asked for: what the application file keeps of it.
struct NoteFontSpec {
  std::string face;
  std::int32_t height = -8;   // a character height: negative, at most -8
  std::int32_t weight = 0;
  std::uint8_t italic = 0;
};

class KvTextUI : public ProgramObject {
 public:
  // An empty note for the file readers.
  KvTextUI();
  KvTextUI(ProgramObject* page, std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom,
           std::shared_ptr<FontObject> font, void* fontHandle);
  ~KvTextUI() override { MarkDestroying(); }

  int isA() const override { return kClassTextNote; }
  Program* GetProgram() override;
  Page* GetPage() override;

  KvTextBase& Base() { return base_; }
  const KvTextBase& Base() const { return base_; }
  const std::shared_ptr<FontObject>& Font() const { return font_; }
  void SetFont(std::shared_ptr<FontObject> font, void* handle);
  void GetRect(std::int32_t& left, std::int32_t& right, std::int32_t& top, std::int32_t& bottom) const {
    base_.GetRect(left, right, top, bottom);
  }
  void SetRect(std::int32_t left, std::int32_t right, std::int32_t top, std::int32_t bottom);
  void SetText(const char* text);
  const NoteFontSpec& FontSpec() const { return fontSpec_; }
  // A height above -8 becomes -8, as the font object makes it.
  void SetFontSpec(NoteFontSpec spec);

 private:
  KvTextBase base_;
  NoteFontSpec fontSpec_;
  std::shared_ptr<FontObject> font_;
};

#ifdef _WIN32
// Makes the note's font from its description (a font object under an empty name) and
// gives the note its handle; a font that cannot be made leaves the note without one.
void CreateNoteFont(KvTextUI& note);
// What the application file keeps of a font.
NoteFontSpec NoteFontSpecOf(const FontObject& font);
#endif

// The text on the status line: tabs and line breaks as blanks, on one line.
std::string NoteStatusText(const std::string& text);
// The font height of the editor at a zoom, truncated toward zero.
std::int32_t ZoomedFontHeight(std::int32_t height, std::int32_t zoomPercent);
// The note's rectangle inside an editor window rectangle with frames cx, cy: at least
// 4 cx wide and 4 cy high, widened or lowered from its left or top edge.
Rect NoteRectFromEditor(const Rect& window, std::int32_t cx, std::int32_t cy);

}  // namespace ed
