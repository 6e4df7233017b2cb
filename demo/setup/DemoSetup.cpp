// The demo disc's setup. It copies the game and its documents from the disc into a folder
// under Program Files, one file a step with a progress bar, and registers the installation
// where the launcher looks for it, and (when the game's menu has Uninstall) itself as the
// game's uninstaller. "/uninstall" removes all of it again, without a window.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "GameProfile.h"

namespace {

constexpr wchar_t kGameKey[] = GAME_REGISTRY_KEY_W;
// Under Program Files, named as the key is under Software.
constexpr wchar_t kInstallFolder[] = GAME_INSTALL_FOLDER_W;
constexpr wchar_t kGameFile[] = GAME_DEFAULT_APP_FILE_W;
constexpr wchar_t kPayload[] = L"payload\\";
constexpr wchar_t kUninstallKey[] = GAME_UNINSTALL_KEY_W;
constexpr wchar_t kUninstallKeys[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
// Registered unquoted, as many setups do: a path with spaces and an argument, which Windows
// (and the launcher) split by the file that exists.
constexpr wchar_t kUninstaller[] = L"\\uninstall.exe";
constexpr wchar_t kUninstallArgument[] = L" /uninstall";
constexpr wchar_t kTitle[] = L"Installing the demo";
constexpr UINT_PTR kStepTimer = 1;
constexpr UINT kStepMilliseconds = 120;
constexpr UINT kCloseMilliseconds = 900;
constexpr int kProgressId = 100;
constexpr int kStatusId = 101;

struct CopyStep
{
    std::wstring from;
    std::wstring to;
};

struct Installation
{
    std::wstring disc;   // with a trailing backslash
    std::wstring folder; // no trailing backslash
    std::vector<CopyStep> steps;
    size_t done = 0;
    bool failed = false;
};

Installation g_install;

std::wstring ProgramFolder()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring InstallFolder()
{
    wchar_t programFiles[MAX_PATH] = L"C:\\Program Files";
    SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, programFiles);
    return std::wstring(programFiles) + kInstallFolder;
}

// Everything under FROM, folders included: the disc's payload holds the game and every manual
// and guide, so that Play, Manual and Readme find them once installed.
void PlanCopies(const std::wstring& from, const std::wstring& to, std::vector<CopyStep>& steps)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((from + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            steps.push_back({from + name, to + name});
        else if (name != L"." && name != L"..")
            PlanCopies(from + name + L"\\", to + name + L"\\", steps);
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

bool MakeFoldersFor(const std::wstring& file)
{
    for (size_t slash = file.find(L'\\', 3); slash != std::wstring::npos;
         slash = file.find(L'\\', slash + 1)) {
        const std::wstring folder = file.substr(0, slash);
        if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    return true;
}

bool SetString(HKEY key, const wchar_t* name, const std::wstring& value)
{
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) ==
           ERROR_SUCCESS;
}

bool RegisterUninstaller(const std::wstring& folder)
{
    if (kUninstallKey[0] == L'\0')
        return true;
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::wstring uninstaller = folder + kUninstaller;
    HKEY key = nullptr;
    if (!CopyFileW(self, uninstaller.c_str(), FALSE) ||
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(kUninstallKeys) + kUninstallKey).c_str(),
                        0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool written = SetString(key, L"DisplayName", GAME_TITLE_DEFAULT) &&
                         SetString(key, L"UninstallString", uninstaller + kUninstallArgument);
    RegCloseKey(key);
    return written;
}

bool Register(const std::wstring& folder)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    // The launcher reads the executable's version from AppFile as it stands: a full path.
    const bool written = SetString(key, GAME_PATH_VALUE_W, folder) &&
                         SetString(key, GAME_APP_FILE_VALUE_W, folder + L"\\" + kGameFile);
    RegCloseKey(key);
    return written && RegisterUninstaller(folder);
}

void RemoveTree(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path + L"\\" + name);
            else
                DeleteFileW((path + L"\\" + name).c_str());
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

bool DeleteKey(const wchar_t* key)
{
    const LSTATUS status = RegDeleteTreeW(HKEY_LOCAL_MACHINE, key);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

// A program cannot delete its own file while it runs: the uninstaller registered in the game's
// folder hands the work to a copy of itself in the temporary folder, which Windows deletes at
// the next start.
std::wstring TemporaryFolder()
{
    wchar_t temporary[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temporary);
    return temporary;
}

bool HandOverToTemporaryCopy(const std::wstring& self)
{
    const std::wstring copy = TemporaryFolder() + L"uninstall-demo.exe";
    std::wstring commandLine = L"\"" + copy + L"\"" + kUninstallArgument;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CopyFileW(self.c_str(), copy.c_str(), FALSE) ||
        !CreateProcessW(copy.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        TemporaryFolder().c_str(), &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

int Uninstall()
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (ProgramFolder() == InstallFolder() + L"\\" && HandOverToTemporaryCopy(self))
        return 0;
    if (ProgramFolder() == TemporaryFolder())
        MoveFileExW(self, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    RemoveTree(InstallFolder());
    const bool game = DeleteKey(kGameKey);
    const bool uninstaller = kUninstallKey[0] == L'\0' ||
                             DeleteKey((std::wstring(kUninstallKeys) + kUninstallKey).c_str());
    return game && uninstaller ? 0 : 1;
}

void SetStatus(HWND window, const std::wstring& text)
{
    SetDlgItemTextW(window, kStatusId, text.c_str());
}

// One file a tick, so that the progress is seen; the registration is the last step.
void Step(HWND window)
{
    Installation& install = g_install;
    if (install.done < install.steps.size()) {
        const CopyStep& step = install.steps[install.done];
        const std::wstring name = step.to.substr(step.to.find_last_of(L'\\') + 1);
        SetStatus(window, L"Copying " + name);
        if (!MakeFoldersFor(step.to) || !CopyFileW(step.from.c_str(), step.to.c_str(), FALSE)) {
            install.failed = true;
            KillTimer(window, kStepTimer);
            MessageBoxW(window, (L"Could not copy " + step.from).c_str(), kTitle,
                        MB_OK | MB_ICONERROR);
            DestroyWindow(window);
            return;
        }
        ++install.done;
        SendDlgItemMessageW(window, kProgressId, PBM_SETPOS, install.done, 0);
        return;
    }
    KillTimer(window, kStepTimer);
    if (!Register(install.folder)) {
        install.failed = true;
        MessageBoxW(window, L"Could not register the installation.", kTitle, MB_OK | MB_ICONERROR);
        DestroyWindow(window);
        return;
    }
    SetStatus(window, L"Installed in " + install.folder);
    SetTimer(window, kStepTimer + 1, kCloseMilliseconds, nullptr);
}

void CreateControls(HWND window)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    CreateWindowW(L"STATIC", L"Preparing", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP, 16, 16, 400,
                  20, window, reinterpret_cast<HMENU>(kStatusId), instance, nullptr);
    HWND progress = CreateWindowW(PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 16, 44, 400, 20,
                                  window, reinterpret_cast<HMENU>(kProgressId), instance, nullptr);
    SendMessageW(progress, PBM_SETRANGE32, 0, static_cast<LPARAM>(g_install.steps.size()));
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendDlgItemMessageW(window, kStatusId, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
}

LRESULT CALLBACK SetupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        CreateControls(window);
        SetTimer(window, kStepTimer, kStepMilliseconds, nullptr);
        return 0;
    case WM_TIMER:
        if (wParam == kStepTimer)
            Step(window);
        else
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(g_install.failed ? 1 : 0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

int Install(HINSTANCE instance, int show)
{
    g_install.disc = ProgramFolder();
    g_install.folder = InstallFolder();
    PlanCopies(g_install.disc + kPayload, g_install.folder + L"\\", g_install.steps);

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &SetupProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"DemoSetup";
    RegisterClassW(&wc);
    const int width = 448, height = 120;
    HWND window = CreateWindowW(wc.lpszClassName, kTitle, WS_CAPTION | WS_SYSMENU,
                                (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR commandLine, int show)
{
    // "/NORESTART", which the launcher passes, asks for what this setup never does anyway.
    if (wcsstr(commandLine, L"/uninstall") != nullptr)
        return Uninstall();
    return Install(instance, show);
}
