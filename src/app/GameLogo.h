#pragma once
// The game's logo in the window's top-left corner. In high contrast it is the game's title in
// the system's window colours.
#include "../framework/BitmapButton.h"

class CGameLogo : public CBitmapButton
{
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override;
};
