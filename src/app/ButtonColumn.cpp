// The column of five rollover buttons, made as the last step of the window's construction.
#include "Language.h"
#include "MainFrame.h"

namespace {

constexpr int kColumnLeft = 171;
constexpr int kColumnTop = 186;
constexpr int kRowPitch = 40;
constexpr int kButtonWidth = 300;
constexpr int kButtonHeight = 32;

struct SlotButton
{
    UINT id;
    const char* baseName;
};

constexpr SlotButton kPlay = {IDC_PLAY_BTN, "IDB_PLAY_BTN"};
constexpr SlotButton kInstall = {IDC_INSTALL_BTN, "IDB_INSTALL_BTN"};
constexpr SlotButton kFixedSlots[] = {
    {IDC_MANUAL_BTN, "IDB_MANUAL_BTN"},
    {IDC_README_BTN, "IDB_README_BTN"},
    {IDC_WEB_BTN, "IDB_WEB_BTN"},
    {IDC_EXIT_BTN, "IDB_EXIT_BTN"},
};

} // namespace

RECT ColumnButtonRect(int slot)
{
    const int top = kColumnTop + kRowPitch * slot;
    return {kColumnLeft, top, kColumnLeft + kButtonWidth, top + kButtonHeight};
}

void CMainFrame::CreateButtonColumn()
{
    for (int slot = 0; slot < SLOT_COUNT; ++slot) {
        // The top place is decided once: Play when an installation is registered.
        const SlotButton& entry = slot == SLOT_LAUNCH ? (m_installPath.empty() ? kInstall : kPlay)
                                                      : kFixedSlots[slot - 1];
        m_buttons[slot] = new CRolloverBitmapButton;
        m_buttons[slot]->Create(nullptr, kOwnerDrawButtonStyle,
                                ScaleToDpi(ColumnButtonRect(slot), m_dpi), this, entry.id);
        m_buttons[slot]->SetDpi(m_dpi);
        m_buttons[slot]->LoadBitmapSet(entry.baseName, m_language.c_str());
        // Never drawn: screen readers say it.
        ::SetWindowTextW(m_buttons[slot]->GetSafeHwnd(), GetButtonName(m_language, entry.id));
        m_buttons[slot]->SetListener(this);
    }
    PlaceChildren();
}
