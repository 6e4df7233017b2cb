// The launcher's process and windows, and real input as a keyboard and a mouse give it.
#include "Harness.h"

#include <cstdio>

namespace {

constexpr DWORD kStartTimeout = 15000;
constexpr int kStartAttempts = 2;
// Wine's message box: the text and icon controls.
constexpr int kMessageTextId = 0xFFFF, kMessageIconId = 0x0440;

// Where the pointer was last put.
POINT g_pointer = kParkedPointer;

void Send(INPUT input)
{
    SendInput(1, &input, sizeof(INPUT));
    Settle();
}

// Every pointer input names its place: a button too, since Wine can take the X server's echo of
// an earlier move after a later one and then holds the pointer where it was, and a press sent
// alone would land there (on the button pointed at before).
void SendPointer(DWORD flags)
{
    INPUT input = {INPUT_MOUSE};
    input.mi.dx = MulDiv(g_pointer.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(g_pointer.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
}

} // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className)
{
    HWND window = nullptr;
    for (DWORD owner = 0; (window = FindWindowExW(nullptr, window, className, nullptr));) {
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window))
            break;
    }
    return window;
}

std::wstring TextOf(HWND window)
{
    // Asked as a screen reader asks: GetWindowText gives only the caption of another
    // process's window, never an edit control's text.
    std::wstring text(static_cast<size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(
        SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]))));
    return text;
}

LauncherProcess::LauncherProcess(const std::wstring& folder, const std::wstring& program,
                                 const std::wstring& arguments)
{
    // An emulated start can hang before its window appears: one more try, said on the log.
    for (int attempt = 1; attempt <= kStartAttempts && !Start(folder, program, arguments);
         ++attempt) {
        fprintf(stderr, "start %d of %d of %ls showed no window within %lu ms\n", attempt,
                kStartAttempts, program.c_str(), kStartTimeout);
        End();
    }
    // Let the first paint finish and give the window the keyboard, or the window the launcher
    // shows over its own the moment it starts (/verify's).
    WaitForInputIdle(m_process.hProcess, kStartTimeout);
    Settle();
    HWND over = FindProcessWindow(m_process.dwProcessId, L"#32770");
    SetForegroundWindow(over != nullptr ? over : m_frame);
}

bool LauncherProcess::Start(const std::wstring& folder, const std::wstring& program,
                            const std::wstring& arguments)
{
    // Park the pointer where no button is: Wine hovers whatever opens under it.
    MovePointer(kParkedPointer);
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup = {sizeof(startup)};
    return CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &m_process) &&
           WaitUntil(
               [this] {
                   return (m_frame = FindProcessWindow(m_process.dwProcessId, L"CFrameWnd"));
               },
               kStartTimeout);
}

void LauncherProcess::End()
{
    if (m_process.hProcess != nullptr && !HasExited(0)) {
        TerminateProcess(m_process.hProcess, 1);
        HasExited(5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
    m_process = {};
}

LauncherProcess::~LauncherProcess()
{
    End();
}

std::wstring LauncherProcess::Caption() const
{
    return TextOf(m_frame);
}

bool LauncherProcess::HasExited(DWORD waitMilliseconds)
{
    return WaitForSingleObject(m_process.hProcess, waitMilliseconds) == WAIT_OBJECT_0;
}

HWND LauncherProcess::WaitForMessageBox(DWORD milliseconds) const
{
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindProcessWindow(m_process.dwProcessId, L"#32770")); },
              milliseconds);
    return box;
}

void SetScreenReader(bool running)
{
    SystemParametersInfoW(SPI_SETSCREENREADER, running, nullptr,
                          SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

MessageBoxContent Answer(HWND box)
{
    // Wine keeps the icon control when there is no icon; it then holds none.
    HWND icon = GetDlgItem(box, kMessageIconId);
    const MessageBoxContent content = {
        TextOf(box), TextOf(GetDlgItem(box, kMessageTextId)),
        icon != nullptr && SendMessageW(icon, STM_GETICON, 0, 0) != 0, GetWindow(box, GW_OWNER)};
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    WaitUntil([&] { return !IsWindow(box); });
    return content;
}

void PressKey(HWND frame, WORD virtualKey, bool shift, int downs)
{
    SetForegroundWindow(frame);
    INPUT key = {INPUT_KEYBOARD}, shiftKey = {INPUT_KEYBOARD};
    shiftKey.ki.wVk = VK_SHIFT;
    key.ki.wVk = virtualKey;
    if (shift)
        Send(shiftKey);
    while (downs-- > 0)
        Send(key);
    key.ki.dwFlags = shiftKey.ki.dwFlags = KEYEVENTF_KEYUP;
    Send(key);
    if (shift)
        Send(shiftKey);
}

void MovePointer(POINT screen)
{
    g_pointer = screen;
    SendPointer(0);
}

void MouseButton(bool down)
{
    SendPointer(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
}

// Wine may replay a synthetic move late, from where the pointer was before, and the button
// under it then loses its hover at once; the moves that follow bring it back, as a mouse's do.
void PointAt(HWND window, int moves)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    while (moves-- > 0)
        MovePointer({(rect.left + rect.right) / 2 - 4 * moves, (rect.top + rect.bottom) / 2});
}

void Click(HWND window)
{
    PointAt(window, 1);
    MouseButton(true);
    MouseButton(false);
    MovePointer(kParkedPointer);
}

void Settle(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(10);
    } while (GetTickCount() - start < milliseconds);
}

int RunAndWait(const std::wstring& program, const std::wstring& arguments,
               const std::wstring& folder)
{
    std::wstring commandLine = L"\"" + program + L"\" " + arguments;
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, 20000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
