// Check disc: every file of the disc read against the list the build signed into the launcher.
#include "../app/MainFrame.h"
#include "../framework/MessageBox.h"
#include "CheckProgress.h"
#include "CheckVerdict.h"
#include "DocumentPath.h"

namespace {

constexpr wchar_t kNoList[] = L"This launcher was not made with its disc, so it has no list of "
                              L"the disc's files to check them against.";
constexpr wchar_t kDamagedList[] = L"The launcher's list of the disc's files cannot be read: the "
                                   L"launcher itself is damaged. Replace the disc.";

} // namespace

void CMainFrame::OnVerify(const MenuEntry&)
{
    CheckDisc();
}

LRESULT CMainFrame::OnCheckDiscAsked(WPARAM, LPARAM)
{
    CheckDisc();
    return 0;
}

void CMainFrame::CheckDisc()
{
    DiscManifest files;
    if (!LoadDiscManifest(files)) {
        AfxMessageBox(HasDiscManifest() ? kDamagedList : kNoList);
        return;
    }
    // Destroyed last: a cancelled check ends its read while the verdict shows.
    CDiscVerifier verifier(files, OnDisc(WideString()));
    const DWORD started = GetTickCount();
    const bool finished = ShowCheckProgress(m_hWnd, verifier, files);
    const VerifyProgress progress = verifier.Progress();
    const CheckOutcome outcome = {verifier.Findings(),
                                  !finished,
                                  progress.file,
                                  progress.bytesDone,
                                  GetTickCount() - started,
                                  verifier.ComparesContent()};
    ShowVerdict(m_hWnd, VerdictText(files, outcome));
}
