#include "editor/frame/iconbox.h"

#include <cstdio>
#include <cstring>

#include "foundation/kvflthnd.h"
#include "foundation/kvstrtab.h"
#include "framework/kvbitbtn.h"
#include "framework/kvnamed.h"
#include "framework/kvtoolbr.h"
#include "framework/shellservices.h"

namespace ed {

DEFINE_RESPONSE_TABLE(IconBoxChild, TWindow)
  EV_WM_MOUSEMOVE,
END_RESPONSE_TABLE;

namespace {

constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | 0x2;
// The picture fills the whole button (tenths of its width).
constexpr std::int32_t kPictureShare = 10;
constexpr int kHintSize = 128;

const KvBrushEntry* FindBrush(const char* name) {
  for (const KvBrushEntry* entry = kKvBrushTable; entry->name; ++entry)
    if (std::strcmp(entry->name, name) == 0) return entry;
  return nullptr;
}

const KvPenEntry* FindPen(const char* name) {
  for (const KvPenEntry* entry = kKvPenTable; entry->name; ++entry)
    if (std::strcmp(entry->name, name) == 0) return entry;
  return nullptr;
}

void ReportChildFailure(int kind) {
  if (ShellServices* shell = KvGetShellServices()) {
    char format[kHintSize] = "";
    if (KvGetStringTable().Load(kTextCannotCreateChild, format, sizeof format) == 0) return;
    char text[kHintSize + 16];
    std::snprintf(text, sizeof text, format, kind);
    shell->UIMessageBox(text, nullptr, MB_OK | MB_ICONEXCLAMATION);
  }
}

}  // namespace

IconBoxChild::IconBoxChild(TWindow* parent, const IconBoxTable& table, StatusTextSink status)
    : TWindow(parent), table_(table), status_(std::move(status)), toolBar_(std::make_unique<KvToolBar>()) {
  Attr.Style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  if (const KvPenEntry* pen = FindPen("divider"))
    divider_ = std::make_unique<PenObject>(pen->name, pen->style, pen->width, pen->colour);
  RegisterBitButtonClass();
}

IconBoxChild::~IconBoxChild() = default;

void IconBoxChild::GetWindowClass(WNDCLASSA& wndClass) {
  TWindow::GetWindowClass(wndClass);
  // The class keeps its brush for the life of the process.
  static HBRUSH background = nullptr;
  if (!background) {
    const KvBrushEntry* brush = FindBrush("iconbox_background");
    background = ::CreateSolidBrush(brush ? brush->colour : ::GetSysColor(COLOR_BTNFACE));
  }
  wndClass.hbrBackground = background;
}

void IconBoxChild::SetupWindow() {
  TWindow::SetupWindow();
  toolBar_->SetOwner(HWindow);
  CreateButtons();
}

void IconBoxChild::CreateButtons() {
  struct Context {
    IconBoxChild* box;
  } context{this};
  LayOutIconBox(table_, [](const IconBoxPlace& place, void* data) {
    IconBoxChild* box = static_cast<Context*>(data)->box;
    const IconBoxEntry& entry = *place.entry;
    if (entry.kind == kIconBoxSeparator) return;
    if (entry.kind != kIconBoxButton) {
      ReportChildFailure(entry.kind);
      return;
    }
    KvBitButtonCreate record{place.image, 0, kPictureShare};
    HWND button = ::CreateWindowExA(0, "BITBUTTON", "", kButtonStyle, place.x, place.y, entry.width, entry.height,
                                    box->HWindow, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(entry.command)),
                                    ::GetModuleHandleA(nullptr), &record);
    if (!button) ReportChildFailure(entry.kind);
  }, &context);
}

void IconBoxChild::Paint(HDC dc, bool, RECT&) {
  RECT client{};
  GetClientRect(client);
  const int width = client.right, height = client.bottom;
  HGDIOBJ old = ::SelectObject(dc, divider_ ? static_cast<HGDIOBJ>(divider_->GetPen()) : ::GetStockObject(BLACK_PEN));
  ::MoveToEx(dc, 0, height, nullptr);
  ::LineTo(dc, width, height);
  ::MoveToEx(dc, 1, 0, nullptr);
  ::LineTo(dc, width - 2, 0);
  ::SelectObject(dc, ::GetStockObject(WHITE_PEN));
  ::MoveToEx(dc, 1, 1, nullptr);
  ::LineTo(dc, width - 2, 1);
  ::SelectObject(dc, old);
}

void IconBoxChild::ShowBox(bool show) {
  shown_ = show;
  ::ShowWindow(HWindow, show ? SW_SHOW : SW_HIDE);
  if (Parent && Parent->HWindow) ::SendMessageA(Parent->HWindow, kMsgFrameLayOut, 0, 0);
}

void IconBoxChild::Layout(RECT& rect) {
  if (!shown_) return;
  ::SetWindowPos(HWindow, nullptr, rect.left, rect.top, rect.right - rect.left, table_.boxHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  rect.top += table_.boxHeight;
}

LRESULT IconBoxChild::EvCommand(UINT id, HWND hWndCtl, UINT notifyCode) {
  if (!hWndCtl) return TWindow::EvCommand(id, hWndCtl, notifyCode);
  if (notifyCode == kBitButtonHover) {
    char hint[kHintSize] = "";
    if (KvGetStringTable().Load(id, hint, sizeof hint) > 0 && status_) status_(hint);
    return 0;
  }
  return Parent && Parent->HWindow ? ::SendMessageA(Parent->HWindow, WM_COMMAND, MAKEWPARAM(id, 1), 0) : 0;
}

void IconBoxChild::EvMouseMove(UINT, const TPoint&) {
  if (status_) status_("");
}

}  // namespace ed
