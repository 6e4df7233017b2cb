// Where the game is installed and which version, read once while the window is built.
#include "../app/MainFrame.h"
#include "GameRegistry.h"
#include "RegistryReader.h"
#include "VersionReader.h"

namespace {

constexpr char kUnknownVersion[] = "0.0.0";

// Each value picks its key by itself: the plain key first, then the 64-bit Windows form, then the
// key of a 64-bit setup.
void ReadGameValue(const char* valueName, std::string& out)
{
    if (!ReadRegistryString(HKEY_LOCAL_MACHINE, kGameKey, valueName, out) &&
        !ReadRegistryString(HKEY_LOCAL_MACHINE, kGameKeyWow64, valueName, out))
        ReadRegistryString(HKEY_LOCAL_MACHINE, kGameKey, valueName, out, KEY_WOW64_64KEY);
}

} // namespace

void CMainFrame::LookupInstallation()
{
    ReadGameValue(kPathValue, m_installPath);
    ReadGameValue(kAppFileValue, m_appFile);
    const char* versionFile = m_appFile.empty() ? kDefaultAppFile : m_appFile.c_str();
    const char* version = GetFileVersionString(versionFile);
    m_version = version != nullptr ? version : kUnknownVersion;
}
