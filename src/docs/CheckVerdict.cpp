#include "CheckVerdict.h"

#include "../../res/resource.h"
#include "../framework/MessageBox.h"
#include "../framework/SystemLibrary.h"

namespace {

constexpr ULONGLONG kMegabyte = 1024 * 1024;
constexpr ULONGLONG kGigabyte = 1024 * kMegabyte;
constexpr wchar_t kLineBreak[] = L"\r\n";
constexpr wchar_t kSavedName[] = L"Disc check.txt";
constexpr BYTE kUtf8Mark[] = {0xEF, 0xBB, 0xBF};

WideString Tenths(ULONGLONG value, ULONGLONG unit)
{
    const ULONGLONG tenths = (value * 10 + unit / 2) / unit;
    return Decimal(tenths / 10) + L"." + Decimal(tenths % 10);
}

WideString SizeText(ULONGLONG bytes)
{
    return bytes >= kGigabyte ? Tenths(bytes, kGigabyte) + L" GB" : Megabytes(bytes) + L" MB";
}

WideString DurationText(DWORD milliseconds)
{
    const DWORD seconds = milliseconds / 1000;
    if (seconds < 60)
        return Tenths(milliseconds, 1000) + L" s";
    return Decimal(seconds / 60) + L" min " + Decimal(seconds % 60) + L" s";
}

// What was wrong with the file, and what the player can do.
WideString FindingText(const Finding& finding, const ManifestFile& file)
{
    switch (finding.kind) {
    case FINDING_UNREADABLE:
        return L"unreadable at byte " + Decimal(finding.at) + L": clean the disc and try again";
    case FINDING_DIFFERENT:
        return L"different content: replace the disc";
    case FINDING_MISSING:
        return L"missing";
    case FINDING_FOLDER:
        return L"a folder stands where the file should be";
    case FINDING_WRONG_SIZE:
        return L"wrong size: " + Decimal(finding.at) + L" bytes, should be " + Decimal(file.size);
    }
    return WideString();
}

WideString Summary(const DiscManifest& files, const CheckOutcome& outcome)
{
    const WideString all = Decimal(files.size());
    if (outcome.cancelled)
        return L"The check was cancelled after " + Decimal(outcome.filesChecked) + L" of " + all +
               L" files." + (outcome.findings.empty() ? L" No damage was found so far." : L"");
    if (outcome.findings.empty())
        return L"All " + all + L" files are intact (" + SizeText(outcome.bytes) + L" in " +
               DurationText(outcome.milliseconds) + L").";
    return Decimal(outcome.findings.size()) + L" of " + all + L" files are damaged:";
}

void CopyToClipboard(HWND window, const WideString& text)
{
    const size_t size = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr || !OpenClipboard(window)) {
        if (memory != nullptr)
            GlobalFree(memory);
        return;
    }
    CopyMemory(GlobalLock(memory), text.c_str(), size);
    GlobalUnlock(memory);
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr)
        GlobalFree(memory);
    CloseClipboard();
}

bool WriteUtf8(const wchar_t* path, const WideString& text)
{
    const int length = static_cast<int>(text.size());
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), length, nullptr, 0, nullptr, nullptr);
    std::vector<char> bytes(kUtf8Mark, kUtf8Mark + sizeof(kUtf8Mark));
    bytes.resize(sizeof(kUtf8Mark) + static_cast<size_t>(size));
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), length, bytes.data() + sizeof(kUtf8Mark), size,
                        nullptr, nullptr);
    HANDLE file =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL wrote =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return CloseHandle(file) && wrote && written == bytes.size();
}

void SaveAsText(HWND window, const WideString& text)
{
    wchar_t path[MAX_PATH];
    lstrcpyW(path, kSavedName);
    OPENFILENAMEW save = {};
    save.lStructSize = sizeof(save);
    save.hwndOwner = window;
    save.lpstrFilter = L"Text files (*.txt)\0*.txt\0";
    save.lpstrFile = path;
    save.nMaxFile = MAX_PATH;
    save.lpstrDefExt = L"txt";
    save.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!comdlg32::GetSaveFileNameW(&save))
        return;
    if (!WriteUtf8(path, text))
        MessageBoxW(window, (L"The result could not be saved to " + WideString(path)).c_str(),
                    L"Check disc", MB_OK | MB_ICONEXCLAMATION);
}

INT_PTR CALLBACK VerdictProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        SetDlgItemTextW(dialog, IDC_VERDICT_TEXT,
                        reinterpret_cast<const WideString*>(lParam)->c_str());
        // Not the text, whose focus would select it all.
        SetFocus(GetDlgItem(dialog, IDOK));
        return FALSE;
    case WM_COMMAND: {
        const auto& text =
            *reinterpret_cast<const WideString*>(GetWindowLongPtrW(dialog, DWLP_USER));
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        case IDC_VERDICT_COPY:
            CopyToClipboard(dialog, text);
            return TRUE;
        case IDC_VERDICT_SAVE:
            SaveAsText(dialog, text);
            return TRUE;
        default:
            return FALSE;
        }
    }
    default:
        return FALSE;
    }
}

} // namespace

WideString Decimal(ULONGLONG value)
{
    wchar_t digits[24];
    wchar_t* at = digits + 23;
    *at = L'\0';
    do {
        *--at = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value != 0);
    return at;
}

WideString Megabytes(ULONGLONG bytes)
{
    return Tenths(bytes, kMegabyte);
}

WideString VerdictText(const DiscManifest& files, const CheckOutcome& outcome)
{
    WideString text;
    if (!outcome.comparedContent)
        text = L"This Windows cannot compute SHA-256 (Windows XP can from Service Pack 3 on): "
               L"only the files' sizes and readability were checked.\r\n\r\n";
    text += Summary(files, outcome);
    if (outcome.cancelled && !outcome.findings.empty())
        text += L" Damaged so far:";
    for (const Finding& finding : outcome.findings)
        text += kLineBreak + files[finding.file].path + L": " +
                FindingText(finding, files[finding.file]);
    return text;
}

void ShowVerdict(HWND owner, const WideString& verdict)
{
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_CHECK_VERDICT), owner,
                    VerdictProc, reinterpret_cast<LPARAM>(&verdict));
}
