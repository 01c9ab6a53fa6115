#include "kvimglst.h"

#include "kvbitmap.h"
#include "kvcheck.h"
#include "kvdc.h"

namespace {

HINSTANCE g_resourceInstance = nullptr;

}  // namespace

KvImageList::~KvImageList()
{
    if (m_hImageList != nullptr)
        ImageList_Destroy(m_hImageList);
}

void KvImageList::SetResourceInstance(HINSTANCE instance)
{
    g_resourceInstance = instance;
}

HINSTANCE KvImageList::GetResourceInstance()
{
    return g_resourceInstance != nullptr ? g_resourceInstance : ::GetModuleHandleA(nullptr);
}

BOOL KvImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

BOOL KvImageList::Load(UINT nBitmapID, int cx, int grow, COLORREF maskColour)
{
    if (!KV_ASSERT((((WORD)(((DWORD)(nBitmapID) >> 16) & 0xFFFF))==0)))
        return FALSE;
    m_hImageList = ImageList_LoadImageA(GetResourceInstance(), MAKEINTRESOURCEA(nBitmapID), cx, grow, maskColour,
                                        IMAGE_BITMAP, 0);
    return KV_ASSERT(m_hImageList!=0);
}

int KvImageList::Add(KvBitmap& image, KvBitmap& mask)
{
    return ImageList_Add(m_hImageList, image.m_hObject, mask.m_hObject);
}

BOOL KvImageList::Draw(int index, KvDC& dc, int x, int y, UINT style)
{
    return ImageList_Draw(m_hImageList, index, dc.m_hDC, x, y, style);
}

COLORREF KvImageList::SetBkColor(COLORREF colour)
{
    return ImageList_SetBkColor(m_hImageList, colour);
}

COLORREF KvImageList::GetBkColor() const
{
    return ImageList_GetBkColor(m_hImageList);
}

BOOL KvImageList::GetImageInfo(int index, IMAGEINFO* info) const
{
    return ImageList_GetImageInfo(m_hImageList, index, info);
}

BOOL KvImageList::Remove(int index)
{
    return ImageList_Remove(m_hImageList, index);
}

int KvImageList::GetImageCount() const
{
    return ImageList_GetImageCount(m_hImageList);
}
