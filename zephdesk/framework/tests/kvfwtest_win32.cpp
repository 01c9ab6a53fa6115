#include "kvfwtest_win32.h"

#include <commctrl.h>

#include <fstream>

#include "foundation/kvassert.h"
#include "framework/kvbeep.h"
#include "framework/kvbitbtn.h"
#include "framework/kvimglst.h"

void EnsureFrameworkReady()
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    BitButtonInit();
    RegisterBitButtonClass();
    CreateGlobalImageLists();
}

FakeShell::FakeShell() : instance(::GetModuleHandleA(nullptr)), m_previous(KvGetShellServices())
{
    KvSetShellServices(this);
}

FakeShell::~FakeShell()
{
    KvSetShellServices(m_previous);
}

bool FakeShell::IsCommandEnabled(UINT id)
{
    for (UINT disabled : disabledCommands)
        if (disabled == id)
            return false;
    return true;
}

int FakeShell::UIMessageBox(const char* text, const char* caption, UINT style)
{
    boxes.push_back({text, caption, style});
    return IDOK;
}

BeepRecorder::BeepRecorder()
{
    KvSetBeepHook([this](UINT) { ++m_count; });
}

BeepRecorder::~BeepRecorder()
{
    KvSetBeepHook(nullptr);
}

RecordingPresenter::RecordingPresenter() : m_previous(&KvGetMessagePresenter())
{
    KvSetMessagePresenter(this);
}

RecordingPresenter::~RecordingPresenter()
{
    KvSetMessagePresenter(m_previous == &KvPlatformMessagePresenter() ? nullptr : m_previous);
}

int RecordingPresenter::Show(const KvMessageBoxRequest& request)
{
    texts.push_back(request.text);
    return KvDefaultButtonOf(request.style);
}

AssertionCounter::AssertionCounter() : m_start(KvAssertFailureCount()) {}

int AssertionCounter::Failed() const
{
    return KvAssertFailureCount() - m_start;
}

HostWindow::HostWindow(int width, int height, DWORD style, DWORD exStyle)
{
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &HostWindow::Proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
        wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = "KvTestHost";
        ::RegisterClassA(&wc);
        registered = true;
    }
    m_hwnd = ::CreateWindowExA(exStyle, "KvTestHost", "Framework test", style, 20, 20, width, height, nullptr, nullptr,
                               ::GetModuleHandleA(nullptr), this);
}

HostWindow::~HostWindow()
{
    if (::IsWindow(m_hwnd))
        ::DestroyWindow(m_hwnd);
}

LRESULT CALLBACK HostWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    auto* self = reinterpret_cast<HostWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self != nullptr && (msg == WM_COMMAND || (msg >= WM_USER && msg < 0x8000)))
        self->received.push_back({msg, wParam, lParam, ::GetCapture()});
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

std::vector<HostWindow::Received> HostWindow::Of(UINT msg) const
{
    std::vector<Received> found;
    for (const Received& r : received)
        if (r.msg == msg)
            found.push_back(r);
    return found;
}

TestFrame::TestFrame() : manager(&mainFrame), m_frame(900, 640, WS_OVERLAPPEDWINDOW | WS_VISIBLE, WS_EX_TOPMOST)
{
    EnsureFrameworkReady();
    RECT area{};
    ::GetClientRect(m_frame.hwnd(), &area);
    m_client = ::CreateWindowExA(WS_EX_CLIENTEDGE, "KvTestHost", "client", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 213,
                                 0, area.right - 213, area.bottom, m_frame.hwnd(), nullptr, ::GetModuleHandleA(nullptr),
                                 nullptr);
    mainFrame.m_hWnd = m_frame.hwnd();
    mainFrame.m_hWndMDIClient = m_client;
    mainFrame.m_pPaletteManager = &manager;
    shell.mainFrame = &mainFrame;
}

TestFrame::~TestFrame()
{
    manager.DestroyPalette();
}

RECT TestFrame::ClientRectInFrame() const
{
    RECT rect{};
    ::GetWindowRect(m_client, &rect);
    ::MapWindowPoints(nullptr, m_frame.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    const COLORREF colour = ::GetPixel(dc, x, y);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    return colour;
}

HBITMAP SolidBitmap(int width, int height, COLORREF colour)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    HBRUSH brush = ::CreateSolidBrush(colour);
    RECT all{0, 0, width, height};
    ::FillRect(dc, &all, brush);
    ::DeleteObject(brush);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    return bitmap;
}

void SaveFrameworkPicture(HWND window, const std::string& name)
{
    RECT box{};
    ::GetWindowRect(window, &box);
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (width <= 0 || height <= 0)
        return;
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Rows of 32-bit pixels need no padding; the file keeps them bottom-up.
    BITMAPINFOHEADER header{sizeof header, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<char> pixels(static_cast<size_t>(width) * height * 4);
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP shot = ::CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = ::SelectObject(memory, shot);
    ::BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
    ::SelectObject(memory, previous);
    ::GetDIBits(memory, shot, 0, static_cast<UINT>(height), pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
                DIB_RGB_COLORS);
    ::DeleteObject(shot);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof header};
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    ::CreateDirectoryA("screenshots", nullptr);
    std::ofstream out("screenshots\\" + name + ".bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}
