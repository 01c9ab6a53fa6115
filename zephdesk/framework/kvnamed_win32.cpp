#include "kvnamed.h"

#include "foundation/kvmsgbox.h"
#include "kvfontdialog.h"
#include "shellservices.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Shows a message with the shell's message box (the foundation's when no shell is there).
void ShowError(const char* format, const char* name, UINT style)
{
    CString text;
    text.Format(format, name != nullptr ? name : "");
    if (ShellServices* services = KvGetShellServices()) {
        services->UIMessageBox(text, "Error!", style);
        return;
    }
    KvMessageBoxRequest request;
    request.text = text;
    request.caption = "Error!";
    request.style = style;
    KvMessageBox(request);
}

// Finds the first item of that name (names compare case-sensitively).
template <class Items>
auto FindByName(const Items& items, const char* name) -> decltype(items.front().get())
{
    if (name == nullptr)
        return nullptr;
    for (const auto& item : items)
        if (item->GetName() != nullptr && ::lstrcmpA(item->GetName(), name) == 0)
            return item.get();
    return nullptr;
}

}  // namespace

FontObject::FontObject(const char* name, const char* face, int height, int weight, BYTE italic, HDC hdc)
    : m_name(name), m_face(face), m_weight(weight), m_height(KvLimitFontHeight(height)), m_italic(italic)
{
    m_hFont = ::CreateFontA(m_height, 0, 0, 0, weight, italic, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, face);
    Measure(hdc);
}

FontObject::FontObject(const char* name, const FontObject& other)
    : m_name(name), m_face(other.m_face), m_height(other.m_height), m_italic(other.m_italic)
{
    LOGFONTA logFont{};
    if (other.m_hFont != nullptr && ::GetObjectA(other.m_hFont, sizeof logFont, &logFont) != 0) {
        m_hFont = ::CreateFontIndirectA(&logFont);
        m_face = logFont.lfFaceName;
        m_weight = logFont.lfWeight;
    }
    Measure(nullptr);
}

FontObject::~FontObject()
{
    if (m_hFont != nullptr)
        ::DeleteObject(m_hFont);
}

void FontObject::Measure(HDC hdc)
{
    if (m_hFont == nullptr)
        return;
    HWND desktop = ::GetDesktopWindow();
    HDC dc = hdc != nullptr ? hdc : ::GetDC(desktop);
    HGDIOBJ previous = ::SelectObject(dc, m_hFont);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(dc, &metrics);
    SIZE extent{};
    ::GetTextExtentPoint32A(dc, kAlphabet, 52, &extent);
    ::SelectObject(dc, previous);
    if (hdc == nullptr)
        ::ReleaseDC(desktop, dc);
    m_charHeight = metrics.tmHeight - metrics.tmInternalLeading;
    m_internalLeading = metrics.tmInternalLeading;
    m_weight = metrics.tmWeight;
    m_averageWidth = static_cast<unsigned>(extent.cx) / 52u;
}

FontObject* FontObject::Choose(HWND owner) const
{
    LOGFONTA logFont{};
    if (m_hFont != nullptr)
        ::GetObjectA(m_hFont, sizeof logFont, &logFont);
    if (!KvRunFontDialog(owner, logFont))
        return nullptr;
    return new FontObject(m_name, logFont.lfFaceName, logFont.lfHeight, logFont.lfWeight, logFont.lfItalic);
}

BrushObject::BrushObject(const char* name, COLORREF colour)
    : m_hBrush(::CreateSolidBrush(colour)), m_colour(colour), m_name(name)
{
}

BrushObject::~BrushObject()
{
    if (m_hBrush != nullptr)
        ::DeleteObject(m_hBrush);
}

PenObject::PenObject(const char* name, int style, int width, COLORREF colour)
    : m_hPen(::CreatePen(style, width, colour)), m_name(name)
{
}

PenObject::~PenObject()
{
    if (m_hPen != nullptr)
        ::DeleteObject(m_hPen);
}

BitmapObject::BitmapObject(const char* name) : m_name(name)
{
    ShellServices* services = KvGetShellServices();
    HBITMAP bitmap = ::LoadBitmapA(KvProgramInstance(), name);
    if (bitmap == nullptr && services != nullptr && services->GetBitmapModule() != nullptr)
        bitmap = ::LoadBitmapA(services->GetBitmapModule(), name);
    if (bitmap == nullptr) {
        ShowError("Error loading bitmap %s", name, MB_OK);
        return;
    }
    m_slots[0].bitmap = bitmap;
    BITMAP bm{};
    if (::GetObjectA(bitmap, sizeof bm, &bm) == 0) {
        ShowError("Can not access bitmap for icon %s", name, MB_ICONEXCLAMATION);
        return;
    }
    m_slots[0].width = bm.bmWidth;
    m_slots[0].height = bm.bmHeight;
}

BitmapObject::~BitmapObject()
{
    for (Slot& slot : m_slots)
        if (slot.bitmap != nullptr)
            ::DeleteObject(slot.bitmap);
}

HBITMAP BitmapObject::GetBitmap(int width, int height)
{
    for (const Slot& slot : m_slots)
        if (slot.bitmap != nullptr && slot.width == width && slot.height == height)
            return slot.bitmap;
    if (m_slots[0].bitmap == nullptr)
        return nullptr;
    // The scaled copies are replaced in rotation: 1, 2, 3, 4, 1, ...
    m_lastScaled = m_lastScaled >= 4 ? 1 : m_lastScaled + 1;
    Slot& slot = m_slots[m_lastScaled];
    if (slot.bitmap != nullptr)
        ::DeleteObject(slot.bitmap);
    slot = Slot{};

    HDC source = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previousSource = ::SelectObject(source, m_slots[0].bitmap);
    HBITMAP scaled = ::CreateCompatibleBitmap(source, width, height);
    HDC target = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previousTarget = ::SelectObject(target, scaled);
    ::StretchBlt(target, 0, 0, width, height, source, 0, 0, m_slots[0].width, m_slots[0].height, SRCCOPY);
    ::SelectObject(target, previousTarget);
    ::SelectObject(source, previousSource);
    ::DeleteDC(target);
    ::DeleteDC(source);
    slot = Slot{scaled, width, height};
    return scaled;
}

Fonts::Fonts(const KvFontEntry* table)
{
    for (const KvFontEntry* entry = table; entry != nullptr && entry->face != nullptr; ++entry) {
        auto font = std::make_unique<FontObject>(entry->name, entry->face, entry->height, entry->weight, 0);
        if (font->GetFont() == nullptr)
            ShowError("Unable to create font %s", entry->name, MB_ICONEXCLAMATION);
        m_items.push_back(std::move(font));
    }
}

void Fonts::Add(FontObject* font, BOOL replace)
{
    if (font == nullptr)
        return;
    if (replace) {
        for (auto it = m_items.begin(); it != m_items.end(); ++it) {
            if (::lstrcmpA((*it)->GetName(), font->GetName()) == 0) {
                m_items.erase(it);
                break;
            }
        }
    }
    m_items.emplace_back(font);
}

FontObject* Fonts::Find(const char* name) const
{
    return FindByName(m_items, name);
}

Brushes::Brushes(const KvBrushEntry* table)
{
    for (const KvBrushEntry* entry = table; entry != nullptr && entry->name != nullptr; ++entry) {
        auto brush = std::make_unique<BrushObject>(entry->name, entry->colour);
        if (brush->GetBrush() == nullptr)
            ShowError("Unable to create brush %s", entry->name, MB_ICONEXCLAMATION);
        m_items.push_back(std::move(brush));
    }
}

BrushObject* Brushes::Find(const char* name) const
{
    return FindByName(m_items, name);
}

Pens::Pens(const KvPenEntry* table)
{
    for (const KvPenEntry* entry = table; entry != nullptr && entry->name != nullptr; ++entry) {
        auto pen = std::make_unique<PenObject>(entry->name, entry->style, entry->width, entry->colour);
        if (pen->GetPen() == nullptr)
            ShowError("Unable to create pen %s", entry->name, MB_ICONEXCLAMATION);
        m_items.push_back(std::move(pen));
    }
}

PenObject* Pens::Find(const char* name) const
{
    return FindByName(m_items, name);
}

BitmapObject* Icons::Get(const char* name)
{
    if (BitmapObject* found = FindByName(m_items, name))
        return found;
    m_items.push_back(std::make_unique<BitmapObject>(name));
    return m_items.back().get();
}
