#pragma once
// A device context: either borrowed from a paint request (left alone at the end) or a memory
// context this object created and deletes.
#include <windows.h>

class CDC
{
public:
    CDC() = default;
    explicit CDC(HDC borrowed) : m_hDC(borrowed) {}
    ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL CreateCompatibleDC(CDC* other);
    HGDIOBJ SelectObject(HGDIOBJ object);
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                DWORD rop);

    HDC GetSafeHdc() const { return m_hDC; }

private:
    HDC m_hDC = nullptr;
    bool m_owned = false;
};
