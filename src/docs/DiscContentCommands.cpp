// The menu's other documents, its addresses and the disc's folders.
#include "../app/MainFrame.h"
#include "DiscCheck.h"
#include "DocumentPath.h"
#include "InsertDiscMessage.h"

void CMainFrame::OnDocument(const MenuEntry& entry)
{
    const WideString name = TextFor(entry.targets, m_language);
    // The disc's copy first: it is the one that came with this disc.
    for (const WideString& path : {OnDisc(name), InInstallation(name)}) {
        if (!path.empty() && CheckFileOnDisc(path, nullptr, true) == 0) {
            RunMenuCommand({path, WideString()}, ShowInsertDiscMessage);
            return;
        }
    }
    ShowInsertDiscMessage();
}

void CMainFrame::OnLink(const MenuEntry& entry)
{
    RunMenuCommand({TextFor(entry.targets, m_language), WideString()}, ShowInsertDiscMessage);
}

void CMainFrame::OnExplore(const MenuEntry& entry)
{
    const WideString folder = OnDisc(TextFor(entry.targets, m_language));
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        ShowInsertDiscMessage();
        return;
    }
    RunMenuCommand({folder, WideString()}, ShowInsertDiscMessage);
}
