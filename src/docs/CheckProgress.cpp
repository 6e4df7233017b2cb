#include "CheckProgress.h"

#include "../../res/resource.h"
#include "../framework/SystemLibrary.h"
#include "CheckVerdict.h"

namespace {

constexpr UINT WM_CHECK_DONE = WM_APP + 1;
constexpr UINT_PTR kRefreshTimer = 1;
// Four times a second: more often, the window's repaints took a tenth of a core from the
// check under Wine.
constexpr UINT kRefreshMilliseconds = 250;
constexpr int kBarSteps = 1000;
// Below this the speed says little.
constexpr DWORD kFirstEstimate = 1000;

struct ProgressWindow
{
    CDiscVerifier& verifier;
    const DiscManifest& files;
    DWORD started;
    size_t shownFile;
};

WideString StatusText(const ProgressWindow& window, ULONGLONG done, DWORD elapsed)
{
    const ULONGLONG total = window.verifier.TotalBytes();
    WideString text = Megabytes(done) + L" of " + Megabytes(total) + L" MB";
    if (elapsed < kFirstEstimate || done == 0)
        return text;
    const ULONGLONG perSecond = done * 1000 / elapsed;
    const ULONGLONG secondsLeft = (total - done) / (perSecond == 0 ? 1 : perSecond);
    return text + L", " + Megabytes(perSecond) + L" MB/s, about " +
           (secondsLeft < 60 ? Decimal(secondsLeft) + L" s" : Decimal(secondsLeft / 60) + L" min") +
           L" left";
}

void Refresh(HWND dialog, ProgressWindow& window)
{
    const VerifyProgress progress = window.verifier.Progress();
    if (progress.file < window.files.size() && progress.file != window.shownFile) {
        window.shownFile = progress.file;
        SetDlgItemTextW(dialog, IDC_CHECK_FILE, window.files[progress.file].path.c_str());
    }
    const ULONGLONG total = window.verifier.TotalBytes();
    const WPARAM step =
        total == 0 ? kBarSteps : static_cast<WPARAM>(progress.bytesDone * kBarSteps / total);
    SendDlgItemMessageW(dialog, IDC_CHECK_BAR, PBM_SETPOS, step, 0);
    SetDlgItemTextW(
        dialog, IDC_CHECK_STATUS,
        StatusText(window, progress.bytesDone, GetTickCount() - window.started).c_str());
}

INT_PTR CALLBACK ProgressProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* window = reinterpret_cast<ProgressWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        window = reinterpret_cast<ProgressWindow*>(lParam);
        SendDlgItemMessageW(dialog, IDC_CHECK_BAR, PBM_SETRANGE32, 0, kBarSteps);
        window->started = GetTickCount();
        Refresh(dialog, *window);
        if (!window->verifier.Start(dialog, WM_CHECK_DONE))
            EndDialog(dialog, FALSE);
        SetTimer(dialog, kRefreshTimer, kRefreshMilliseconds, nullptr);
        return TRUE;
    case WM_TIMER:
        Refresh(dialog, *window);
        return TRUE;
    case WM_CHECK_DONE:
        EndDialog(dialog, TRUE);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDCANCEL)
            return FALSE;
        window->verifier.Cancel();
        EndDialog(dialog, FALSE);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

bool ShowCheckProgress(HWND owner, CDiscVerifier& verifier, const DiscManifest& files)
{
    comctl32::InitCommonControls(ICC_PROGRESS_CLASS);
    ProgressWindow window{verifier, files, 0, files.size()};
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CHECK_PROGRESS), owner,
                           ProgressProc, reinterpret_cast<LPARAM>(&window)) == TRUE;
}
