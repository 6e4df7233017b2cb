#pragma once
// Drives the launcher as a player would: starts it, finds its windows, types, moves and
// presses the real pointer, reads and answers its message boxes. Shared by every GUI test.
#include "Input.h"

#include <windows.h>

#include <string>
#include <vector>

class LauncherProcess
{
public:
    // Starts the launcher with `folder` as its current folder and waits for its window.
    explicit LauncherProcess(const std::wstring& folder);
    // Another program with a frame window, driven the same way (the leak check's control).
    LauncherProcess(const std::wstring& folder, const std::wstring& program);
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;

    HWND Frame() const { return m_frame; }
    // The child with the control id; the second one carrying it when `second` is set.
    HWND Child(int id, bool second = false) const;
    bool HasExited(DWORD waitMilliseconds);
    // The exit code once it has exited, STILL_ACTIVE before.
    DWORD ExitCode() const;
    // The working set as the platform reports it: it grows with every GDI or USER object and
    // allocation the process keeps.
    SIZE_T WorkingSet() const;
    // The process's message box, waiting up to the given time; null when none appears.
    HWND WaitForMessageBox(DWORD milliseconds) const;

private:
    // Starts the program and waits for its frame; false when none appeared in time.
    bool Start(const std::wstring& folder, const std::wstring& program);
    void End();

    PROCESS_INFORMATION m_process = {};
    HWND m_frame = nullptr;
};

struct MessageBoxContent
{
    std::wstring caption;
    std::wstring text;
    bool hasIcon = false;
};

MessageBoxContent ReadMessageBox(HWND box);
void PressOk(HWND box);
