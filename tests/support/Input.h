#pragma once
// Real input, as a keyboard and a mouse give it, and waiting for its effects. Shared by the
// in-process and the GUI tests.
#include <windows.h>

#include <string>

void PressKey(HWND frame, WORD virtualKey);
void MovePointer(POINT screen);
void MouseButton(bool down);
// Presses and releases the left button over the window, then parks the pointer again.
void Click(HWND window);
// The centre of a child window, in screen coordinates.
POINT CentreOf(HWND window);

// Runs the calling thread's messages and lets the other processes catch up.
void Settle(DWORD milliseconds = 300);

// Polls `done` until it holds or the time is up.
template <typename Condition> bool WaitUntil(Condition done, DWORD milliseconds = 5000)
{
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds)
            return false;
        Settle(50);
    }
    return true;
}

// Runs a program with arguments in a folder (the current one when empty) and waits for it;
// its exit code, or -1 when it could not be started.
int RunAndWait(const std::wstring& program, const std::wstring& arguments,
               const std::wstring& folder = std::wstring());
