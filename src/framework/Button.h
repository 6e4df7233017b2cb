#pragma once
// A push button of the system "BUTTON" class. An owner-drawn button paints in DrawItem, which
// its parent's WM_DRAWITEM reaches by reflection.
#include "Wnd.h"

class CButton : public CWnd
{
public:
    BOOL Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);

    virtual void DrawItem(LPDRAWITEMSTRUCT item);

protected:
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam) override;
};
