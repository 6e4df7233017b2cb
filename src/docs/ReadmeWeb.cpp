// The Readme button (the troubleshooting guide) and the Web button.
#include "../app/MainFrame.h"
#include "DiscCheck.h"
#include "DocumentPath.h"

namespace {

constexpr char kWebAddress[] = "https://www.example.com/zentrava-kelvane-2/";
// Started with the guide as its parameter when no program is registered for rich text.
constexpr char kTextViewer[] = "notepad.exe ";

constexpr char kGuideEnglish[] = "support\\Zentrava\x99_Kelvane\x99_II_Troubleshooting_Guide.rtf";

struct GuideEntry
{
    const char* language;
    const char* path;
};

constexpr GuideEntry kGuides[] = {
    {"fr", "support\\Zentrava\x99_Kelvane\x99_II_Troubleshooting_Guide-FR.rtf"},
    {"it", "support\\Zentrava\x99_Kelvane\x99_II_Troubleshooting_Guide-IT.rtf"},
    {"de", "support\\Zentrava\x99_Kelvane\x99_II_Troubleshooting_Guide-DE.rtf"},
    {"es", "support\\Zentrava\x99_Kelvane\x99_II_Troubleshooting_Guide-SP.rtf"},
};

std::string SelectGuideFile(const std::string& language)
{
    for (const GuideEntry& entry : kGuides) {
        if (language == entry.language)
            return entry.path;
    }
    return kGuideEnglish;
}

} // namespace

void CMainFrame::OnReadme()
{
    const std::string guide = LocateDocument(SelectGuideFile(m_language));
    if (CheckFileOnDisc(guide, nullptr, false) != 0)
        return;
    m_commands[SLOT_README] = {guide, std::string()};
    if (RunButtonCommand(SLOT_README, true) != 0) {
        m_commands[SLOT_README] = {kTextViewer, guide};
        RunButtonCommand(SLOT_README, true);
    }
}

void CMainFrame::OnWeb()
{
    m_commands[SLOT_WEB] = {kWebAddress, std::string()};
    RunButtonCommand(SLOT_WEB, true);
}
