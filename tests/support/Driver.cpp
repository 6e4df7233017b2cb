#include "Driver.h"

#include "TestEnvironment.h"

#include <psapi.h>

#include <cstdio>

namespace {

constexpr DWORD kStartTimeout = 15000;
constexpr int kStartAttempts = 2;
// Wine's message box: the text and icon controls.
constexpr int kMessageTextId = 0xFFFF;
constexpr int kMessageIconId = 0x0440;

struct WindowSearch
{
    DWORD processId;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    wchar_t className[64];
    GetClassNameW(window, className, 64);
    if (processId == search->processId && wcscmp(className, search->className) == 0 &&
        IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className)
{
    WindowSearch search = {processId, className, nullptr};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

LauncherProcess::LauncherProcess(const std::wstring& folder)
    : LauncherProcess(folder, testenv::Launcher())
{}

LauncherProcess::LauncherProcess(const std::wstring& folder, const std::wstring& program)
{
    // An emulated start can hang before its window appears: one more try, said on the log.
    for (int attempt = 1; attempt <= kStartAttempts; ++attempt) {
        if (Start(folder, program))
            break;
        fprintf(stderr, "start %d of %d of %ls showed no window within %lu ms\n", attempt,
                kStartAttempts, program.c_str(), kStartTimeout);
        End();
    }
    // Let the first paint finish and give the window the keyboard.
    Settle(500);
    SetForegroundWindow(m_frame);
}

bool LauncherProcess::Start(const std::wstring& folder, const std::wstring& program)
{
    // Park the pointer where no button is: Wine hovers whatever opens under it.
    MovePointer({2, 2});
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &m_process))
        return false;
    return WaitUntil(
        [this] {
            return (m_frame = FindProcessWindow(m_process.dwProcessId, L"CFrameWnd")) != nullptr;
        },
        kStartTimeout);
}

void LauncherProcess::End()
{
    if (m_process.hProcess == nullptr)
        return;
    if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.hProcess, 1);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
    m_process = {};
}

LauncherProcess::~LauncherProcess()
{
    End();
}

HWND LauncherProcess::Child(int id, bool second) const
{
    for (HWND child = GetWindow(m_frame, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) {
            if (!second)
                return child;
            second = false;
        }
    }
    return nullptr;
}

bool LauncherProcess::HasExited(DWORD waitMilliseconds)
{
    return WaitForSingleObject(m_process.hProcess, waitMilliseconds) == WAIT_OBJECT_0;
}

DWORD LauncherProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.hProcess, &code);
    return code;
}

SIZE_T LauncherProcess::WorkingSet() const
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(m_process.hProcess, &counters, sizeof(counters));
    return counters.WorkingSetSize;
}

HWND LauncherProcess::WaitForMessageBox(DWORD milliseconds) const
{
    HWND box = nullptr;
    WaitUntil(
        [&] { return (box = FindProcessWindow(m_process.dwProcessId, L"#32770")) != nullptr; },
        milliseconds);
    return box;
}

MessageBoxContent ReadMessageBox(HWND box)
{
    MessageBoxContent content;
    wchar_t text[512];
    GetWindowTextW(box, text, 512);
    content.caption = text;
    GetDlgItemTextW(box, kMessageTextId, text, 512);
    content.text = text;
    // Wine keeps the icon control when there is no icon; it then holds none.
    HWND icon = GetDlgItem(box, kMessageIconId);
    content.hasIcon = icon != nullptr && SendMessageW(icon, STM_GETICON, 0, 0) != 0;
    return content;
}

void PressOk(HWND box)
{
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}
