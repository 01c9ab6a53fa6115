// A bitmap selected into a memory DC of its own for the length of one operation.
#pragma once

#include "kvbitmap.h"
#include "kvdc.h"

class KvSelectedBitmap {
public:
    explicit KvSelectedBitmap(KvBitmap& bitmap)
    {
        m_dc.CreateCompatibleDC(nullptr);
        m_previous = m_dc.SelectObject(bitmap);
    }
    ~KvSelectedBitmap() { m_dc.SelectObject(*m_previous); }
    KvSelectedBitmap(const KvSelectedBitmap&) = delete;
    KvSelectedBitmap& operator=(const KvSelectedBitmap&) = delete;

    KvDC& dc() { return m_dc; }
    HDC hdc() const { return m_dc.m_hDC; }

private:
    KvDC m_dc;
    KvBitmap* m_previous;
};
