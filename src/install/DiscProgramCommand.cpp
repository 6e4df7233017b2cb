// A program of the disc the menu lists (a prerequisite's setup, a tool), started from its own
// folder, as its maker expects.
#include "../app/MainFrame.h"
#include "../docs/DiscCheck.h"
#include "../docs/DocumentPath.h"
#include "../docs/InsertDiscMessage.h"

void CMainFrame::OnDiscProgram(const MenuEntry& entry)
{
    const WideString program = OnDisc(TextFor(entry.targets, m_language));
    if (CheckFileOnDisc(program, nullptr, false) != 0)
        return;
    const size_t slash = program.find_last_of(L'\\');
    const WideString folder = slash == WideString::npos ? WideString() : program.substr(0, slash);
    if (RunMenuCommand({program, entry.parameters, folder}, ShowInsertDiscMessage) &&
        entry.closesLauncher)
        RequestClose();
}
