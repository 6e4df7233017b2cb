// The Manual button: the PDF manual with its registered program, else Adobe's, else a reader
// installer from the disc.
#include "../app/MainFrame.h"
#include "../framework/Text.h"
#include "../install/GameRegistry.h"
#include "../install/RegistryReader.h"
#include "DiscCheck.h"
#include "DocumentPath.h"

namespace {

constexpr char kReaderKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\AcroRd32.exe";
constexpr char kAcrobatKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Acrobat.exe";
constexpr char kDefaultValue[] = "";

// The document as one argument of the Adobe program's command line.
WideString ReaderParameters(const WideString& document)
{
    if (document.find(L' ') == WideString::npos)
        return L" " + document;
    return L" \"" + document + L"\"";
}

} // namespace

void CMainFrame::OnManual()
{
    const WideString document = LocateDocument(m_manualFile);
    m_commands[SLOT_MANUAL] = {document, WideString()};
    if (RunButtonCommand(SLOT_MANUAL, true) == 0)
        return;
    if (CheckFileOnDisc(document, nullptr, false) != 0)
        return;

    std::string reader;
    if (ReadInEachView([&](REGSAM view) {
            return ReadRegistryString(HKEY_LOCAL_MACHINE, kReaderKey, kDefaultValue, reader,
                                      view) ||
                   ReadRegistryString(HKEY_LOCAL_MACHINE, kAcrobatKey, kDefaultValue, reader, view);
        })) {
        m_commands[SLOT_MANUAL] = {Widen(reader), ReaderParameters(document)};
        RunButtonCommand(SLOT_MANUAL, true);
        return;
    }
    LaunchReaderInstaller();
}
