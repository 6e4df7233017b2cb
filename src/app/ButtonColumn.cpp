// The column of rollover buttons the game's menu shows, made as the last step of the window's
// construction.
#include "../docs/DiscManifest.h"
#include "GameMenu.h"
#include "GameProfile.h"
#include "MainFrame.h"

namespace {

constexpr int kColumnLeft = 171;
constexpr int kBottomRowTop = 346;
constexpr int kRowPitch = 40;
constexpr int kButtonWidth = 300;
constexpr int kButtonHeight = 32;
constexpr RECT kDescriptionArea = GAME_DESCRIPTION_AREA;

} // namespace

RECT ColumnButtonRect(int slot, int count)
{
    const int top = kBottomRowTop - kRowPitch * (count - 1 - slot);
    return {kColumnLeft, top, kColumnLeft + kButtonWidth, top + kButtonHeight};
}

void CMainFrame::CreateButtonColumn()
{
    // Decided once: the menu shows the buttons of the installed game when one is registered.
    m_state = m_installPath.empty() ? STATE_NOT_INSTALLED : STATE_INSTALLED;
    for (size_t index = 0; index < kGameMenuSize && m_buttonCount < kMaxColumnButtons; ++index) {
        const ButtonFace& face = kGameMenu[index].faces[m_state];
        // Check disc heads the column, so that the others keep their rows without it.
        if (face.pictures == nullptr ||
            (kGameMenu[index].action == ACTION_VERIFY && !HasDiscManifest()))
            continue;
        const int slot = m_buttonCount++;
        m_entries[slot] = &kGameMenu[index];
        m_buttons[slot] = new CRolloverBitmapButton;
        m_buttons[slot]->Create(nullptr, kOwnerDrawButtonStyle, RECT{}, this,
                                CommandIdOf(index, m_state));
        m_buttons[slot]->SetDpi(m_dpi);
        m_buttons[slot]->LoadBitmapSet(face.pictures, m_language.c_str());
        // Never drawn: screen readers say it.
        ::SetWindowTextW(m_buttons[slot]->GetSafeHwnd(), TextFor(face.names, m_language));
        m_buttons[slot]->SetListener(this);
    }
    CreateDescriptionArea();
    PlaceChildren();
}

void CMainFrame::CreateDescriptionArea()
{
    if (!IsRectEmpty(&kDescriptionArea)) {
        m_description.Create(this, GAME_DESCRIPTION_COLOUR);
        m_description.SetDpi(m_dpi);
    }
}

void CMainFrame::ShowLitDescription()
{
    if (m_description.GetSafeHwnd() == nullptr)
        return;
    // The selection's, while it shows: lit, or keeping the focus the pointer gave it.
    const wchar_t* text = L"";
    if (m_selected != -1 && (m_buttons[m_selected]->IsHovered() ||
                             ::GetFocus() == m_buttons[m_selected]->GetSafeHwnd()))
        text = TextFor(m_entries[m_selected]->faces[m_state].descriptions, m_language);
    m_description.SetText(text);
}

void CMainFrame::PlaceColumn()
{
    for (int slot = 0; slot < m_buttonCount; ++slot)
        PlaceChild(*m_buttons[slot], ColumnButtonRect(slot, m_buttonCount));
    if (m_description.GetSafeHwnd() != nullptr)
        PlaceChild(m_description, kDescriptionArea);
}

int CMainFrame::SlotOf(const CWnd* button) const
{
    for (int slot = 0; slot < m_buttonCount; ++slot) {
        if (m_buttons[slot] == button)
            return slot;
    }
    return -1;
}
