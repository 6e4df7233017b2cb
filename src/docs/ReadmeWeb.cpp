// The Readme button (the troubleshooting guide) and the Web button.
#include "../app/Language.h"
#include "../app/MainFrame.h"
#include "DiscCheck.h"
#include "DocumentPath.h"
#include "GameProfile.h"

namespace {

constexpr wchar_t kWebAddress[] = GAME_WEB_ADDRESS;
// Started with the guide as its parameter when no program is registered for rich text.
constexpr wchar_t kTextViewer[] = L"notepad.exe ";

constexpr char kGuideEnglish[] = GAME_GUIDE_DEFAULT;

constexpr LanguageEntry kGuides[] = {GAME_GUIDES};

} // namespace

void CMainFrame::OnReadme()
{
    const WideString guide = LocateDocument(LookupByLanguage(kGuides, m_language, kGuideEnglish));
    if (CheckFileOnDisc(guide, nullptr, false) != 0)
        return;
    m_commands[SLOT_README] = {guide, WideString()};
    if (RunButtonCommand(SLOT_README, true) != 0) {
        m_commands[SLOT_README] = {kTextViewer, guide};
        RunButtonCommand(SLOT_README, true);
    }
}

void CMainFrame::OnWeb()
{
    m_commands[SLOT_WEB] = {kWebAddress, WideString()};
    RunButtonCommand(SLOT_WEB, true);
}
