// Starts an Adobe Reader installer from the disc when no PDF program is installed.
#include "../app/MainFrame.h"
#include "DiscCheck.h"
#include "InsertDiscMessage.h"

namespace {

constexpr char kInstallerFolder[] = "support\\adobe\\";
constexpr char kAllFiles[] = "*";
// Newer reader first.
constexpr const char* kInstallerPrefixes[] = {"AdbeRdr934_", "AdbeRdr930_"};
constexpr char kCountrySeparator[] = "_";
constexpr char kExactEnding[] = ".exe";
constexpr char kAnyCountryEnding[] = "_*.exe";

} // namespace

void CMainFrame::LaunchReaderInstaller()
{
    std::vector<std::string> names;
    // A disc made for one market carries a single installer: it wins whatever its name.
    bool found = ListFiles(std::string(kInstallerFolder) + kAllFiles, names) == 1;

    // Otherwise an exact language and country match of either version beats any-country ones.
    std::vector<std::string> patterns;
    for (const char* prefix : kInstallerPrefixes)
        patterns.push_back(kInstallerFolder + (prefix + m_language) + kCountrySeparator +
                           m_country + kExactEnding);
    for (const char* prefix : kInstallerPrefixes)
        patterns.push_back(kInstallerFolder + (prefix + m_language) + kAnyCountryEnding);
    for (size_t i = 0; !found && i < patterns.size(); ++i)
        found = CheckFileOnDisc(patterns[i], &names, true) == 0;

    if (!found) {
        ShowInsertDiscMessage();
        return;
    }
    m_commands[SLOT_MANUAL] = {kInstallerFolder + names.front(), std::string()};
    RunButtonCommand(SLOT_MANUAL, true);
}
