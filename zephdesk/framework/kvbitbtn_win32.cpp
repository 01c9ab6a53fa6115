#include "kvbitbtn.h"

#include <cstring>

#include "kvdc.h"
#include "kvimglst.h"

namespace {

constexpr char kClassName[] = "BITBUTTON";
constexpr int kTextLimit = 80;
constexpr UINT kStripId = 1001;
constexpr int kCellWidth = 16;
constexpr int kCellHeight = 15;
constexpr COLORREF kStripKey = 0xC0C0C0;

// Set while a push button holds the mouse capture (one for all buttons).
bool g_tracking = false;

bool IsToggle(HWND hwnd)
{
    return (::GetWindowLongA(hwnd, GWL_STYLE) & kBitButtonToggle) != 0;
}

void Notify(HWND hwnd, int code)
{
    const int id = ::GetWindowLongA(hwnd, GWL_ID);
    ::SendMessageA(::GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, code), 0);
}

void Repaint(HWND hwnd)
{
    ::InvalidateRect(hwnd, nullptr, TRUE);
    ::UpdateWindow(hwnd);
}

void SetDown(KvBitButtonState* s, bool down)
{
    s->state = (s->state & ~(kBitButtonUp | kBitButtonDown)) | (down ? kBitButtonDown : kBitButtonUp);
}

bool IsDown(const KvBitButtonState* s)
{
    return (s->state & kBitButtonDown) != 0;
}

void LayoutBitButton(HWND hwnd, KvBitButtonState* s, int share)
{
    const float part = share != 0 ? static_cast<float>(share) * 0.1f : 0.5f;
    RECT r{};
    ::GetClientRect(hwnd, &r);
    ::InflateRect(&r, -2, -2);
    const int width = r.right - r.left;
    s->imageRect = r;
    s->imageRect.right = static_cast<int>(static_cast<float>(r.right) - (1.0f - part) * static_cast<float>(width));
    s->textRect = r;
    s->textRect.left = static_cast<int>(static_cast<float>(r.left) + part * static_cast<float>(width));

    char text[kTextLimit + 1] = "";
    ::GetWindowTextA(hwnd, text, sizeof text);
    HDC hdc = ::GetDC(hwnd);
    HGDIOBJ font = s->font != nullptr ? s->font : ::GetStockObject(SYSTEM_FONT);
    HGDIOBJ previous = ::SelectObject(hdc, font);
    RECT measure{0, 0, s->textRect.right - s->textRect.left, 0};
    ::DrawTextA(hdc, text, -1, &measure, DT_CALCRECT | DT_WORDBREAK);
    ::SelectObject(hdc, previous);
    ::ReleaseDC(hwnd, hdc);
    const int textHeight = measure.bottom - measure.top;
    s->textRect.top += ((s->textRect.bottom - s->textRect.top) - textHeight) / 2;
}

// A toggle button whose image word is a bitmap gets a down picture in which the light
// grey of its palette turns dark grey. An image word that is a picture index makes none.
HBITMAP DeriveToggledImage(std::int32_t image)
{
    HBITMAP source = reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(image));
    BITMAP bm{};
    if (image == 0 || ::GetObjectA(source, sizeof bm, &bm) == 0)
        return nullptr;
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[16];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = bm.bmWidth;
    info.header.biHeight = bm.bmHeight;
    info.header.biPlanes = 1;
    info.header.biBitCount = 4;
    info.header.biCompression = BI_RGB;
    const int stride = ((bm.bmWidth * 4 + 31) / 32) * 4;
    auto* bits = new BYTE[static_cast<size_t>(stride) * bm.bmHeight];
    HDC screen = ::GetDC(nullptr);
    HBITMAP made = nullptr;
    if (::GetDIBits(screen, source, 0, static_cast<UINT>(bm.bmHeight), bits, reinterpret_cast<BITMAPINFO*>(&info),
                    DIB_RGB_COLORS) != 0) {
        auto lightGrey = [](BYTE v) { return v == 191 || v == 192; };
        for (RGBQUAD& colour : info.colours) {
            if (lightGrey(colour.rgbBlue) && lightGrey(colour.rgbGreen) && lightGrey(colour.rgbRed)) {
                colour.rgbBlue = colour.rgbGreen = colour.rgbRed = 0x80;
                break;
            }
        }
        made = ::CreateDIBitmap(screen, &info.header, CBM_INIT, bits, reinterpret_cast<BITMAPINFO*>(&info),
                                DIB_RGB_COLORS);
    }
    ::ReleaseDC(nullptr, screen);
    delete[] bits;
    return made;
}

void FillPart(HDC hdc, int left, int top, int right, int bottom, int stockBrush)
{
    RECT part{left, top, right, bottom};
    ::FillRect(hdc, &part, static_cast<HBRUSH>(::GetStockObject(stockBrush)));
}

void Paint(HWND hwnd, KvBitButtonState* s)
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(hwnd, &ps);
    RECT c{};
    ::GetClientRect(hwnd, &c);
    const bool down = IsDown(s);
    const bool toggle = IsToggle(hwnd);
    int offset = 0;
    if (!down) {
        FillPart(hdc, c.right - 1, c.top, c.right, c.bottom, BLACK_BRUSH);
        FillPart(hdc, c.left, c.bottom - 1, c.right, c.bottom, BLACK_BRUSH);
        FillPart(hdc, c.right - 2, c.top, c.right - 1, c.bottom - 1, GRAY_BRUSH);
        FillPart(hdc, c.left, c.bottom - 2, c.right - 1, c.bottom - 1, GRAY_BRUSH);
        FillPart(hdc, c.left, c.top, c.left + 1, c.bottom - 1, WHITE_BRUSH);
        FillPart(hdc, c.left, c.top, c.right - 1, c.top + 1, WHITE_BRUSH);
    } else if (toggle) {
        FillPart(hdc, c.left, c.top, c.right, c.bottom, GRAY_BRUSH);
        FillPart(hdc, c.left, c.top, c.left + 2, c.bottom, BLACK_BRUSH);
        FillPart(hdc, c.left, c.top, c.right, c.top + 2, BLACK_BRUSH);
        FillPart(hdc, c.right - 1, c.top + 1, c.right, c.bottom, WHITE_BRUSH);
        FillPart(hdc, c.left + 1, c.bottom - 1, c.right, c.bottom, WHITE_BRUSH);
        offset = 1;
    } else {
        FillPart(hdc, c.right - 2, c.top, c.right, c.bottom, WHITE_BRUSH);
        FillPart(hdc, c.left, c.bottom - 2, c.right, c.bottom, WHITE_BRUSH);
        FillPart(hdc, c.left, c.top, c.left + 1, c.bottom - 1, GRAY_BRUSH);
        FillPart(hdc, c.left, c.top, c.right - 1, c.top + 1, GRAY_BRUSH);
        offset = 2;
    }

    if (s->font != nullptr) {
        char text[kTextLimit + 1] = "";
        ::GetWindowTextA(hwnd, text, sizeof text);
        RECT place = s->textRect;
        ::OffsetRect(&place, offset, offset);
        HGDIOBJ previous = ::SelectObject(hdc, s->font);
        ::SetBkMode(hdc, TRANSPARENT);
        ::SetTextColor(hdc, RGB(0, 0, 0));
        ::DrawTextA(hdc, text, -1, &place, DT_NOCLIP);
        ::SelectObject(hdc, previous);
    }

    RECT place = s->imageRect;
    ::OffsetRect(&place, offset, offset);
    const int x = place.left + (place.right - place.left - kCellWidth) / 2;
    const int y = place.top + (place.bottom - place.top - kCellHeight) / 2;
    KvDC dc(hdc);
    if (down && toggle && s->toggledImage != nullptr) {
        HDC memory = ::CreateCompatibleDC(hdc);
        HGDIOBJ previous = ::SelectObject(memory, s->toggledImage);
        BITMAP bm{};
        ::GetObjectA(s->toggledImage, sizeof bm, &bm);
        ::BitBlt(hdc, place.left + (place.right - place.left - bm.bmWidth) / 2,
                 place.top + (place.bottom - place.top - bm.bmHeight) / 2, bm.bmWidth, bm.bmHeight, memory, 0, 0,
                 SRCCOPY);
        ::SelectObject(memory, previous);
        ::DeleteDC(memory);
    } else {
        KvImageListEx strip;
        if (strip.Load(kStripId, kCellWidth, 10, kStripKey)) {
            if (s->state & kBitButtonDisabled)
                strip.DrawEx(dc, s->image, x, y, ILD_TRANSPARENT, kKvExGrey | kKvExRimDown | kKvExRimRight);
            else
                strip.Draw(s->image, dc, x, y, ILD_TRANSPARENT);
        }
    }
    ::EndPaint(hwnd, &ps);
}

bool Inside(HWND hwnd, LPARAM lParam)
{
    RECT c{};
    ::GetClientRect(hwnd, &c);
    const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return ::PtInRect(&c, p) != 0;
}

}  // namespace

BOOL BitButtonInit()
{
    return TRUE;
}

BOOL RegisterBitButtonClass()
{
    WNDCLASSA existing{};
    if (::GetClassInfoA(::GetModuleHandleA(nullptr), kClassName, &existing))
        return TRUE;
    WNDCLASSA wc{};
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &BitButtonWndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 2;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return ::RegisterClassA(&wc) != 0;
}

KvBitButtonState* GetBitButtonState(HWND button)
{
    if (::GetWindowLongPtrA(button, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&BitButtonWndProc))
        return nullptr;
    return reinterpret_cast<KvBitButtonState*>(::GetWindowLongPtrA(button, GWLP_USERDATA));
}

LRESULT CALLBACK BitButtonWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* s = reinterpret_cast<KvBitButtonState*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (LOWORD(msg)) {
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<CREATESTRUCTA*>(lParam);
        KvBitButtonCreate record{};
        if (cs->lpCreateParams != nullptr)
            std::memcpy(&record, cs->lpCreateParams, sizeof record);
        s = static_cast<KvBitButtonState*>(::LocalAlloc(LPTR, sizeof(KvBitButtonState)));
        if (s == nullptr)
            return -1;
        s->state = kBitButtonUp;
        s->image = record.image;
        s->font = reinterpret_cast<HFONT>(static_cast<INT_PTR>(record.font));
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(s));
        LayoutBitButton(hwnd, s, record.share);
        if (cs->style & kBitButtonToggle)
            s->toggledImage = DeriveToggledImage(record.image);
        break;
    }
    case WM_DESTROY:
        if (s != nullptr) {
            if (s->toggledImage != nullptr)
                ::DeleteObject(s->toggledImage);
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            ::LocalFree(s);
        }
        break;
    case WM_PAINT:
        if (s == nullptr)
            break;
        Paint(hwnd, s);
        return 0;
    case BM_GETSTATE:
        return s != nullptr && IsDown(s) ? 1 : 0;
    case BM_SETSTATE:
        if (s == nullptr)
            return 1;
        if ((wParam != 0) == IsDown(s))
            return 1;
        SetDown(s, wParam != 0);
        Repaint(hwnd);
        return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (s == nullptr || (s->state & kBitButtonDisabled))
            break;
        if (!IsToggle(hwnd)) {
            SetDown(s, true);
            Repaint(hwnd);
            g_tracking = true;
            ::SetCapture(hwnd);
        } else if (IsDown(s)) {
            SetDown(s, false);
            Repaint(hwnd);
            Notify(hwnd, kBitButtonToggledUp);
        } else {
            SetDown(s, true);
            Repaint(hwnd);
            Notify(hwnd, kBitButtonToggledDown);
        }
        break;
    case WM_MOUSEMOVE:
        if (s == nullptr)
            break;
        if (g_tracking) {
            if (!(s->state & kBitButtonDisabled) && ::GetCapture() == hwnd) {
                const bool inside = Inside(hwnd, lParam);
                if (inside != IsDown(s)) {
                    SetDown(s, inside);
                    Repaint(hwnd);
                }
            }
        } else {
            Notify(hwnd, kBitButtonHover);
        }
        break;
    case WM_LBUTTONUP:
        if (s == nullptr || !g_tracking || ::GetCapture() != hwnd || (s->state & kBitButtonDisabled))
            break;
        if (IsDown(s)) {
            SetDown(s, false);
            Repaint(hwnd);
        }
        g_tracking = false;
        ::ReleaseCapture();
        if (Inside(hwnd, lParam))
            Notify(hwnd, kBitButtonClicked);
        break;
    case WM_CAPTURECHANGED:
        // The capture went elsewhere while a press was tracked: the press ends unclicked.
        if (s != nullptr && g_tracking && reinterpret_cast<HWND>(lParam) != hwnd) {
            g_tracking = false;
            if (IsDown(s)) {
                SetDown(s, false);
                Repaint(hwnd);
            }
        }
        break;
    default:
        break;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}
