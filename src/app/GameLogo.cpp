#include "GameLogo.h"

#include "../framework/HighContrast.h"

void CGameLogo::DrawItem(LPDRAWITEMSTRUCT item)
{
    if (IsHighContrastOn())
        DrawWindowTextPlainly(*item, COLOR_WINDOWTEXT, COLOR_WINDOW, false, m_dpi);
    else
        CBitmapButton::DrawItem(item);
}
