#pragma once
// The launcher window. Its constructor does all of the program's set-up; afterwards it only
// answers its buttons and keys.
#include "../button/RolloverBitmapButton.h"
#include "../framework/FrameWnd.h"
#include "../framework/Picture.h"
#include "../framework/Text.h"
#include "ButtonColumn.h"
#include "ButtonCommand.h"
#include "DescriptionArea.h"
#include "GameLogo.h"
#include "GameMenu.h"
#include "Sounds.h"

#include <string>

// Posted to the window to check the disc as soon as it shows (the command line's /verify).
constexpr UINT WM_CHECK_DISC = WM_APP + 10;

class CMainFrame : public CFrameWnd, public ButtonEventsListner
{
public:
    CMainFrame();
    ~CMainFrame() override;

    void OnButtonHover(CRolloverBitmapButton* button) override;
    void OnButtonLeave(CRolloverBitmapButton* button) override;

    // Hands the slot's command to the shell: 0 when it started, 1 when nothing did.
    int RunButtonCommand(int slot, bool quiet);
    int RunCommand(const ButtonCommand& command, bool quiet);
    // The shell's start of a command, owned by the launcher's window: ERROR_SUCCESS or why not.
    DWORD StartCommand(const ButtonCommand& command);
    // A menu button's command: true when it started; else says why, unless the player said No
    // or cancelled, with sayMissing for a file or folder that is not there.
    bool RunMenuCommand(const ButtonCommand& command, void (*sayMissing)());

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    int OnCreate(LPCREATESTRUCTW cs);
    void OnKeyDown(UINT virtualKey, UINT repeatCount, UINT flags);
    void OnSetFocus(CWnd* previous);
    void OnPlay();
    void OnInstall();
    void OnManual();
    void OnReadme();
    void OnWeb();
    void OnExit();
    void OnMenuCommand(UINT id);
    void OnUninstall(const MenuEntry& entry);
    void OnDiscProgram(const MenuEntry& entry);
    void OnDocument(const MenuEntry& entry);
    void OnLink(const MenuEntry& entry);
    void OnExplore(const MenuEntry& entry);
    void OnVerify(const MenuEntry& entry);
    // Asked for by the command line's /verify, once the window shows.
    LRESULT OnCheckDiscAsked(WPARAM, LPARAM);
    BOOL OnEraseBkgnd(CDC* dc);
    HBRUSH OnCtlColor(CDC* dc, CWnd* control, UINT kind);
    LRESULT OnNcCreate(WPARAM wParam, LPARAM createStruct);
    LRESULT OnGetDpiScaledSize(WPARAM dpi, LPARAM size);
    LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggestedRect);
    LRESULT OnSystemLookChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM timer, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    struct ActionKind;
    static const ActionKind& KindOf(MenuAction action);
    static UINT CommandIdOf(size_t index, GameState state);
    void LookupInstallation();
    // Where the window of these styles lies at its DPI, centred.
    RECT WindowRectAtDpi(DWORD style, DWORD exStyle) const;
    // The window's outer size at the DPI: the fixed 635 x 416 at 96, above it the size whose
    // client area is the layout's scaled.
    static SIZE WindowSizeAtDpi(UINT dpi, DWORD style, DWORD exStyle);
    SIZE WindowSizeAtDpi(UINT dpi) const;
    void FitWindowToDpi();
    // Sizes the window so that its client area is the scaled layout's, whatever the frame
    // around it turned out to be.
    void FitClientArea();
    void LoadBackground();
    void CreateLogo();
    void LoadLogo();
    void CreateButtonColumn();
    void CreateDescriptionArea();
    // The lit button's description, or none.
    void ShowLitDescription();
    // The button's place in the column, or -1.
    int SlotOf(const CWnd* button) const;
    void PlaceChildren();
    void PlaceChild(CWnd& child, const RECT& rect);
    void PlaceColumn();
    void SelectNextButton();
    void SelectPreviousButton();
    void MoveSelection(int step);
    void SetButtonHover(int slot, bool hover);
    void FocusSelectedButton();
    void ActivateSelectedButton();
    int SetWorkingDirectory(const std::string& path);
    void LaunchReaderInstaller();
    void RequestClose();
    void CheckDisc();

    // The column, top to bottom, and the menu entry of each button.
    CRolloverBitmapButton* m_buttons[kMaxColumnButtons] = {};
    const MenuEntry* m_entries[kMaxColumnButtons] = {};
    int m_buttonCount = 0;
    GameState m_state = STATE_NOT_INSTALLED;
    // The command slots of today's five (ButtonSlot).
    ButtonCommand m_commands[SLOT_COUNT];
    UINT m_dpi = kDesignDpi;
    CPicture m_background;
    WideString m_title;
    std::string m_language;
    std::string m_country;
    std::string m_appFile;
    std::string m_installPath;
    std::string m_version;
    std::string m_manualFile;
    int m_selected = -1;
    CGameLogo m_logo;
    CDescriptionArea m_description;
    CSounds m_sounds;
};
