// The note's in-place editor and the comment dialog.
#include <windows.h>

#include "canvas_fixture.h"

#include <cstdio>
#include <string>

#include "owl/testing/dialog_driver.h"
#include "editor/file/programfile.h"
#include "editor/notes/commentdlg.h"
#include "framework/kvnamed.h"
#include "editor/notes/textnote.h"
#include "editor/notes/textnoteobject.h"

namespace ed::test {
namespace {

class NotesTest : public CanvasTest {
 protected:
  NotesTest() {
    parent = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), nullptr);
    LOGFONTA lf{};
    lf.lfHeight = 16;
    lstrcpyA(lf.lfFaceName, "Arial");
    font = ::CreateFontIndirectA(&lf);
    note = new KvTextUI(main, 50, 150, 40, 100, nullptr, font);
    main->AddTextNote(note);
  }
  ~NotesTest() override {
    note->Base().CloseEditor(false, nullptr);
    ::DestroyWindow(parent);
    ::DeleteObject(font);
  }
  RECT EditorRect() {
    RECT r;
    ::GetWindowRect(note->Base().GetWindowHandle(), &r);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  HWND parent;
  HFONT font;
  KvTextUI* note;
};

TEST_F(NotesTest, TheEditorLiesOverTheNotesFrame) {
  EXPECT_EQ(note->Base().GetWindowHandle(), nullptr);
  EXPECT_FALSE(note->Base().IsPointInEditor(60, 50));
  ASSERT_TRUE(note->Base().OpenEditor(parent, true, 0, 0, 0, 0, 100));
  const int cx = ::GetSystemMetrics(SM_CXFRAME), cy = ::GetSystemMetrics(SM_CYFRAME);
  const RECT r = EditorRect();
  EXPECT_EQ(r.left, 50 - cx);
  EXPECT_EQ(r.top, 40 - cy);
  EXPECT_EQ(r.right, 150 + cx);
  EXPECT_EQ(r.bottom, 100 + cy);
  EXPECT_TRUE(note->Base().IsPointInEditor(60, 50));
  EXPECT_FALSE(note->Base().IsPointInEditor(300, 250));
  // Closing gives the note's rectangle back unchanged, and the typed text.
  ::SetWindowTextA(note->Base().GetWindowHandle(), "Typed");
  note->Base().CloseEditor(true, nullptr);
  EXPECT_EQ(note->Base().Text(), "Typed");
  EXPECT_EQ(note->Base().Bounds(), (Rect{50, 40, 150, 100}));
  EXPECT_EQ(note->Base().GetWindowHandle(), nullptr);
}

TEST_F(NotesTest, TheEditorFontFollowsTheZoom) {
  struct Case {
    int height, zoom, expected;
  } cases[] = {{16, 50, 8}, {10, 35, 3}};
  for (const Case& c : cases) {
    LOGFONTA lf{};
    lf.lfHeight = c.height;
    lstrcpyA(lf.lfFaceName, "Arial");
    HFONT f = ::CreateFontIndirectA(&lf);
    note->Base().SetFontHandle(f);
    ASSERT_TRUE(note->Base().OpenEditor(parent, true, 0, 0, 0, 0, c.zoom));
    auto used = reinterpret_cast<HFONT>(::SendMessageA(note->Base().GetWindowHandle(), WM_GETFONT, 0, 0));
    LOGFONTA got{};
    ASSERT_NE(::GetObjectA(used, sizeof got, &got), 0);
    EXPECT_EQ(got.lfHeight, c.expected);
    note->Base().CloseEditor(false, nullptr);
    ::DeleteObject(f);
  }
}

TEST_F(NotesTest, TextLimitAndNarrowEditor) {
  ASSERT_TRUE(note->Base().OpenEditor(parent, true, 0, 0, 0, 0, 100));
  HWND edit = note->Base().GetWindowHandle();
  EXPECT_EQ(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 2048);
  const std::string longText(3000, 'x');
  ::SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(longText.c_str()));
  EXPECT_LE(::GetWindowTextLengthA(edit), 2048);
  // Edited down to a window 1 pixel wide and high.
  ::MoveWindow(edit, 70, 60, 1, 1, TRUE);
  Rect out;
  note->Base().CloseEditor(false, &out);
  const int cx = ::GetSystemMetrics(SM_CXFRAME), cy = ::GetSystemMetrics(SM_CYFRAME);
  EXPECT_EQ(out.Width(), 4 * cx);
  EXPECT_EQ(out.Height(), 4 * cy);
  EXPECT_EQ(out.left, 70 + cx);
  EXPECT_EQ(note->Base().Bounds(), (Rect{50, 40, 150, 100}));   // not stored in the note
}

TEST_F(NotesTest, TheStatusTextIsOneLine) {
  note->SetText("Call the\r\nhelp\tdesk");
  KvTextDObj drawn(nullptr, note);
  EXPECT_EQ(drawn.GetStatusText(), "Call the  help desk");
  EXPECT_EQ(drawn.GetLayer(), 0);
  EXPECT_EQ(drawn.isA(), 314);
}

TEST_F(NotesTest, CommentDialogDoneKeepsAtMost32766CharactersAndCancelNothing) {
  main->SetComment("Old");
  program->ClearModified();
  {
    DialogDriver driver([](HWND dialog) { PostClick(dialog, IDCANCEL); });
    ::SetLastError(0);
    EXPECT_EQ(EditPageComment(parent, *main), 0);
    EXPECT_TRUE(driver.Ran());
  }
  EXPECT_EQ(main->Comment(), "Old");
  EXPECT_FALSE(program->IsModified());

  const std::string huge(40000, 'c');
  std::string caption;
  {
    DialogDriver driver([&](HWND dialog) {
      char text[64] = {};
      ::GetWindowTextA(dialog, text, sizeof text);
      caption = text;
      HWND edit = ::GetDlgItem(dialog, 101);
      ::SendMessageA(edit, EM_LIMITTEXT, 0, 0);   // allow more than the dialog's limit
      ::SetWindowTextA(edit, huge.c_str());
      PostClick(dialog, IDOK);
    });
    EXPECT_EQ(EditPageComment(parent, *main), 1);
  }
  EXPECT_EQ(caption, "SuperBlock Comment");
  EXPECT_EQ(main->Comment().size(), 32766u);
  EXPECT_TRUE(program->IsModified());

  {
    DialogDriver driver([&](HWND dialog) {
      char text[64] = {};
      ::GetWindowTextA(dialog, text, sizeof text);
      caption = text;
      EXPECT_EQ(ControlText(dialog, 101), "");
      ::SetDlgItemTextA(dialog, 101, "About the program");
      PostClick(dialog, IDOK);
    });
    EXPECT_EQ(EditProgramComment(parent, *program), 1);
  }
  EXPECT_EQ(caption, "Program Comment");
  EXPECT_EQ(program->Comment(), "About the program");
}

// A note read from a file draws with a font made from the face, height, weight and italic
// flag the file keeps; a height above -8 is made -8.
TEST_F(NotesTest, NotesReadFromAFileGetTheirFonts) {
  struct Case {
    NoteFontSpec saved;
    LONG height;
  } cases[] = {{{"Courier New", -14, 700, 1}, -14}, {{"Arial", -8, 400, 0}, -8}, {{"Arial", 12, 400, 0}, -8}};
  const std::string path = ::testing::TempDir() + "notes_fonts.ed";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.saved.face + " " + std::to_string(c.saved.height));
    note->SetText("Hours, holidays");
    note->SetFontSpec(c.saved);
    ASSERT_EQ(ProgramFile::Save(path, *program, nullptr, ""), 1);
    host.onMakeNoteFont = [](KvTextUI& read) { CreateNoteFont(read); };
    std::unique_ptr<Program> loaded = ProgramFile::Load(path, nullptr, host, model, &imports);
    host.onMakeNoteFont = nullptr;
    ASSERT_NE(loaded, nullptr);
    Page* page = loaded->FindPage("Main");
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->Notes().size(), 1u);
    const KvTextUI& read = *page->Notes().front();
    ASSERT_NE(read.Font(), nullptr);
    EXPECT_STREQ(read.Font()->GetName(), "");
    ASSERT_NE(read.Base().FontHandle(), nullptr);
    EXPECT_EQ(read.Base().FontHandle(), read.Font()->GetFont());
    LOGFONTA lf{};
    ASSERT_NE(::GetObjectA(static_cast<HFONT>(read.Base().FontHandle()), sizeof lf, &lf), 0);
    EXPECT_STREQ(lf.lfFaceName, c.saved.face.c_str());
    EXPECT_EQ(lf.lfHeight, c.height);
    EXPECT_EQ(lf.lfWeight, c.saved.weight);
    EXPECT_EQ(lf.lfItalic, c.saved.italic);
    EXPECT_EQ(read.FontSpec().height, c.height);
  }
  std::remove(path.c_str());
  std::remove((path.substr(0, path.size() - 3) + ".BAK").c_str());
}

// A placed note copies the named font; the file keeps that copy's description.
TEST_F(NotesTest, APlacedNotesFontIsDescribedForTheFile) {
  FontObject named("default_textnotes", "Times New Roman", -18, 700, 1);
  FontObject copy("", named);
  const NoteFontSpec spec = NoteFontSpecOf(copy);
  EXPECT_EQ(spec.face, "Times New Roman");
  EXPECT_EQ(spec.height, -18);
  EXPECT_EQ(spec.weight, 700);
  EXPECT_EQ(spec.italic, 1);
}

}  // namespace
}  // namespace ed::test
