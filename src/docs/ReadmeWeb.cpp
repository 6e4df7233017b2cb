// The Readme button (the troubleshooting guide) and the Web button.
#include "../app/Language.h"
#include "../app/MainFrame.h"
#include "DiscCheck.h"
#include "DocumentPath.h"

namespace {

constexpr wchar_t kWebAddress[] = L"https://www.example.com/zentrava-kelvane-2/";
// Started with the guide as its parameter when no program is registered for rich text.
constexpr wchar_t kTextViewer[] = L"notepad.exe ";

constexpr char kGuideEnglish[] = "support\\Zentrava\x99_Kelvane\x99_II_Troubleshooting_Guide.rtf";

constexpr LanguageEntry kGuides[] = {
    {"fr", "support\\Zentrava\x99_Kelvane\x99_II_Troubleshooting_Guide-FR.rtf"},
    {"it", "support\\Zentrava\x99_Kelvane\x99_II_Troubleshooting_Guide-IT.rtf"},
    {"de", "support\\Zentrava\x99_Kelvane\x99_II_Troubleshooting_Guide-DE.rtf"},
    {"es", "support\\Zentrava\x99_Kelvane\x99_II_Troubleshooting_Guide-SP.rtf"},
};

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
