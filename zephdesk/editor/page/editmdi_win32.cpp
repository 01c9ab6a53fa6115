#include "editor/page/editmdi_win32.h"

#include <algorithm>

#include "editor/canvas/page.h"
#include "editor/canvas/program.h"
#include "editor/canvas/vavurorezo.h"
#include "editor/page/closerules.h"
#include "editor/page/pageservices.h"
#include "editor/support/editorhost.h"
#include "foundation/kvvifpath.h"
#include "framework/kvmainfr.h"
#include "owl/mdiclient.h"

namespace ed {
namespace {

// The close check's questions, answered by the designer for this window's program.
class WindowCloseServices : public PageCloseServices {
 public:
  WindowCloseServices(PageServices& services, Program& program, HWND owner)
      : services_(services), program_(program), owner_(owner) {}
  bool HasApplication() override { return services_.HasApplication(); }
  bool ProgramModified() override { return program_.IsModified(); }
  SaveAnswer AskSave(const std::string& fileTitle) override {
    switch (services_.AskSaveChanges(owner_, fileTitle)) {
      case IDYES:
        return SaveAnswer::kYes;
      case IDNO:
        return SaveAnswer::kNo;
      default:
        return SaveAnswer::kCancel;
    }
  }
  int SaveApplication() override { return services_.SaveApplication(program_); }
  void CloseApplication() override { services_.CloseApplication(program_); }

 private:
  PageServices& services_;
  Program& program_;
  HWND owner_;
};

}  // namespace

// ---- EditMDI ----------------------------------------------------------------------------

DEFINE_RESPONSE_TABLE(EditMDI, UIMDIChild)
  EV_WM_MDIACTIVATE,
  EV_MESSAGE(kMsgPageRemoved, EvPageRemoved),
END_RESPONSE_TABLE;

EditMDI::EditMDI(TMDIClient& client, EditWindows& windows, Program& program, Page* page, const char* title)
    : UIMDIChild(client, title, FindLayoutGroup(kLayoutPage)),
      windows_(windows),
      program_(program),
      page_(page),
      number_(program.PageWindows() + 1) {
  const LayoutGroup* group = Group();
  for (int i = 0; group != nullptr && i < group->count; ++i) {
    if (group->entries[i].type == kPanePageCanvas)
      new EditChild(this, &group->entries[i], program, page, windows.Services());
  }
}

// The window count is kept whether or not the frame still exists, so that the program's
// last window always deletes the program.
EditMDI::~EditMDI() {
  program_.SetPageWindows(program_.PageWindows() - 1);
  const bool last = program_.PageWindows() <= 0;
  if (last) {
    if (windows_.CurrentProgram() == &program_) windows_.SetCurrent(nullptr, nullptr);
    // The panes go before the program they show.
    while (TWindow* child = GetFirstChild()) delete child;
  }
  windows_.RemoveEditWindow(this);
  if (last) delete &program_;
}

EditChild* EditMDI::Canvas() const { return dynamic_cast<EditChild*>(FindChildOfType(kPanePageCanvas)); }

void EditMDI::BringToFront() { windows_.ActivateEditWindow(this); }

bool EditMDI::CanClose() {
  if (windows_.Services().IsFrameClosing()) windows_.ActivateEditWindow(this);
  WindowCloseServices services(windows_.Services(), program_, HWindow);
  return CanClosePageWindow(services, program_.GetFileName(), program_.PageWindows());
}

void EditMDI::UpdateAll(UIObject* object, int kind, int scope) {
  auto* programObject = dynamic_cast<ProgramObject*>(object);
  if (programObject == nullptr || page_ == nullptr) return;
  if (object == page_) {
    if (kind == 3) {
      // The page goes: nothing may read it any more, and the window closes unasked once
      // the removal is over.
      if (EditChild* canvas = Canvas()) canvas->Canvas().ForgetPage();
      page_ = nullptr;
      PostMessage(kMsgPageRemoved);
    } else {
      BuildAll();
    }
    return;
  }
  if (programObject->GetPage() != page_) return;
  UIMDIChild::UpdateAll(object, kind, scope);
}

LRESULT EditMDI::EvPageRemoved(WPARAM, LPARAM) {
  Destroy();
  delete this;
  return 0;
}

void EditMDI::EvMDIActivate(HWND activated, HWND deactivated) {
  DefaultProcessing();
  if (activated == HWindow) {
    program_.Activate();
    if (page_ != nullptr) page_->Activate();
    windows_.SetCurrent(&program_, page_);
  } else if (deactivated != HWindow) {
    program_.Host().MessageBoxRes(kMsgUnknownMDIWindow, kBoxIconExclamation);
  }
  program_.Host().UpdateCommandStates();
}

void EditMDI::OnPageRemoved(std::int32_t number) { number_ = NumberAfterClose(number_, number); }

// ---- EditWindows ------------------------------------------------------------------------

EditWindows::EditWindows(TMDIClient& client, PageServices& services) : client_(client), services_(services) {
  // The frame's image drag scrolls the canvas that runs it (a point of its parent).
  KvMainFrame::SetAutoScrollAtEdge([](void* page, int x, int y) {
    auto* canvas = static_cast<EditChild*>(page);
    if (canvas == nullptr || canvas->HWindow == nullptr) return;
    POINT p{x, y};
    ::MapWindowPoints(::GetParent(canvas->HWindow), canvas->HWindow, &p, 1);
    canvas->AutoScrollAtEdge({p.x, p.y});
  });
}

EditWindows::~EditWindows() {
  KvMainFrame::SetAutoScrollAtEdge(nullptr);
  // Windows still open belong to the client, which deletes them; they must not reach this
  // list any more.
  for (EditMDI* window : std::vector<EditMDI*>(windows_)) {
    window->Destroy();
    delete window;
  }
}

EditChild* EditWindows::CreateEditWindow(Program& program, Page* page) {
  const std::string title = PageWindowCaption(program.GetFileName(), false);
  auto* window = new EditMDI(client_, *this, program, page, title.c_str());
  window->Attr.Style |= WS_MAXIMIZE;
  if (!window->Create()) {
    delete window;
    return nullptr;
  }
  windows_.push_back(window);
  program.SetPageWindows(program.PageWindows() + 1);
  window->BuildAll();
  UpdateChildCaptions();
  return window->Canvas();
}

EditMDI* EditWindows::FindEditWindow(const Page* page) const {
  for (EditMDI* window : windows_) {
    if (window->GetPage() == page) return window;
  }
  return nullptr;
}

void EditWindows::ActivateEditWindow(EditMDI* window) {
  if (window == nullptr || window->HWindow == nullptr) return;
  ::SendMessageA(client_.HWindow, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->HWindow), 0);
  EditChild* canvas = window->Canvas();
  if (canvas == nullptr) {
    window->GetProgram().Host().MessageBoxRes(19, kBoxIconExclamation);
    window->GetProgram().Host().Beep(kBoxIconExclamation);
    return;
  }
  if (canvas->HWindow != nullptr) ::SetFocus(canvas->HWindow);
}

bool EditWindows::ShowOpenProgram(const std::string& path) {
  const std::string title = ProgramFileTitle(path);
  for (EditMDI* window : windows_) {
    Program& program = window->GetProgram();
    if (!kvvif::EqualsNoCase(ProgramFileTitle(program.GetFileName()), title)) continue;
    SetCurrent(&program, page_);
    Page* main = program.FindPage("Main");
    if (EditMDI* mainWindow = main != nullptr ? FindEditWindow(main) : nullptr) mainWindow->BringToFront();
    return true;
  }
  return false;
}

void EditWindows::RemoveEditWindow(EditMDI* window) {
  auto it = std::find(windows_.begin(), windows_.end(), window);
  if (it == windows_.end()) return;
  windows_.erase(it);
  for (EditMDI* other : windows_) {
    if (&other->GetProgram() == &window->GetProgram()) other->OnPageRemoved(window->Number());
  }
  UpdateChildCaptions();
}

void EditWindows::SetCurrent(Program* program, Page* page) {
  const bool changed = program != program_;
  program_ = program;
  page_ = page;
  if (changed && listener_) listener_(program);
}

bool EditWindows::DescribePage(HWND child, bool& hasCanvas, std::int32_t& zoom) {
  for (EditMDI* window : windows_) {
    if (window->HWindow != child) continue;
    EditChild* canvas = window->Canvas();
    hasCanvas = canvas != nullptr;
    zoom = canvas != nullptr ? canvas->GetZoom().percent : 0;
    return true;
  }
  return false;
}

EditChild* EditWindows::CanvasOf(HWND child) const {
  for (EditMDI* window : windows_) {
    if (window->HWindow == child) return window->Canvas();
  }
  return nullptr;
}

bool EditWindows::DescribeSelection(HWND child, PageSelectionFacts& facts) {
  EditChild* canvas = CanvasOf(child);
  if (canvas == nullptr) return false;
  const PageCanvas& pane = canvas->Canvas();
  facts = PageSelectionFacts{};
  facts.count = pane.SelectionCount();
  facts.noteEditing = pane.Mode() == kMouseNoteEditing;
  if (const UIObject* first = pane.FirstSelected()) {
    switch (first->isA()) {
      case kClassVavurOrezo:
        facts.kind = SelectionKind::Block;
        break;
      case kClassTextNote:
        facts.kind = SelectionKind::Note;
        break;
      case kClassGoto:
        facts.kind = SelectionKind::Line;
        break;
      default:
        break;
    }
  }
  return true;
}

VavurOrezo* EditWindows::FirstSelectedBlock(HWND child) {
  EditChild* canvas = CanvasOf(child);
  UIObject* first = canvas != nullptr ? canvas->Canvas().FirstSelected() : nullptr;
  return first != nullptr && first->isA() == kClassVavurOrezo ? static_cast<VavurOrezo*>(first) : nullptr;
}

void EditWindows::EndSelectionMode(HWND child) {
  for (EditMDI* window : windows_) {
    EditChild* canvas = window->HWindow == child ? window->Canvas() : nullptr;
    if (canvas != nullptr && canvas->Canvas().Mode() == kMouseNoteEditing) canvas->ResetMode();
  }
}

void EditWindows::NotifyChildren(void* object, int kind, int scope) {
  for (EditMDI* window : std::vector<EditMDI*>(windows_)) {
    if (std::find(windows_.begin(), windows_.end(), window) == windows_.end()) continue;
    window->UpdateAll(static_cast<UIObject*>(static_cast<ProgramObject*>(object)), kind, scope);
  }
}

void EditWindows::UpdateChildCaptions() {
  for (EditMDI* window : windows_) {
    const Program& program = window->GetProgram();
    window->SetCaption(PageWindowCaption(program.GetFileName(), program.IsModified()).c_str());
    if (window->HWindow != nullptr) ::SetWindowTextA(window->HWindow, window->GetCaption());
  }
}

}  // namespace ed
