// Starts an Adobe Reader installer from the disc when no PDF program is installed.
#include "../app/MainFrame.h"
#include "../framework/Text.h"
#include "DiscCheck.h"
#include "GameProfile.h"
#include "InsertDiscMessage.h"

namespace {

constexpr wchar_t kInstallerFolder[] = GAME_READER_FOLDER;
constexpr wchar_t kAllFiles[] = L"*";
// Newer reader first.
constexpr const wchar_t* kInstallerPrefixes[] = {GAME_READER_PREFIXES};
constexpr wchar_t kCountrySeparator[] = L"_";
constexpr wchar_t kExactEnding[] = L".exe";
constexpr wchar_t kAnyCountryEnding[] = L"_*.exe";

} // namespace

void CMainFrame::LaunchReaderInstaller()
{
    std::vector<WideString> names;
    // A disc made for one market carries a single installer: it wins whatever its name.
    bool found = ListFiles(WideString(kInstallerFolder) + kAllFiles, names) == 1;

    // Otherwise an exact language and country match of either version beats any-country ones.
    const WideString language = Widen(m_language);
    const WideString country = Widen(m_country);
    std::vector<WideString> patterns;
    for (const wchar_t* prefix : kInstallerPrefixes)
        patterns.push_back(kInstallerFolder + (prefix + language) + kCountrySeparator + country +
                           kExactEnding);
    for (const wchar_t* prefix : kInstallerPrefixes)
        patterns.push_back(kInstallerFolder + (prefix + language) + kAnyCountryEnding);
    for (size_t i = 0; !found && i < patterns.size(); ++i)
        found = CheckFileOnDisc(patterns[i], &names, true) == 0;

    if (!found) {
        ShowInsertDiscMessage();
        return;
    }
    m_commands[SLOT_MANUAL] = {kInstallerFolder + names.front(), WideString()};
    RunButtonCommand(SLOT_MANUAL, true);
}
