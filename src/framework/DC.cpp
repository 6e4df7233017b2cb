#include "DC.h"

CDC::~CDC()
{
    if (m_owned)
        DeleteDC(m_hDC);
}

BOOL CDC::CreateCompatibleDC(CDC* other)
{
    m_hDC = ::CreateCompatibleDC(other != nullptr ? other->m_hDC : nullptr);
    m_owned = m_hDC != nullptr;
    return m_owned;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ object)
{
    return ::SelectObject(m_hDC, object);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                 DWORD rop)
{
    return ::BitBlt(m_hDC, x, y, width, height, source->m_hDC, sourceX, sourceY, rop);
}
