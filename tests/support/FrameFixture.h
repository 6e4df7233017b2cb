#pragma once
// A launcher window built in this process, with the shell and message boxes recorded, the
// game's registry keys cleared and a scratch disc as the current folder.
#include "../../src/app/MainFrame.h"
#include "../../src/framework/WinApp.h"
#include "Recording.h"
#include "Scratch.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"

#include <gtest/gtest.h>

class FrameFixture : public testing::Test
{
protected:
    FrameFixture() : m_folder(disc.Path()) {}

    ~FrameFixture() override
    {
        if (m_frame != nullptr)
            DestroyWindow(m_frame);
        app.m_pMainWnd = nullptr;
        // Drop what the frame posted to itself (close requests) and the quit it asked for.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    // Builds the window as the launcher does at start-up.
    HWND Start()
    {
        auto* frame = new CMainFrame;
        app.m_pMainWnd = frame;
        m_frame = frame->GetSafeHwnd();
        return m_frame;
    }

    void Command(int id) { SendMessageW(m_frame, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Key(UINT key) { SendMessageW(m_frame, WM_KEYDOWN, key, 0); }

    // Whether the frame asked to be closed (a posted SC_CLOSE), taking the request out.
    bool CloseRequested()
    {
        MSG msg;
        bool requested = false;
        while (PeekMessageW(&msg, m_frame, WM_SYSCOMMAND, WM_SYSCOMMAND, PM_REMOVE))
            requested |= msg.wParam == SC_CLOSE && msg.lParam == 0;
        return requested;
    }

    HWND Button(int id) const { return GetDlgItem(m_frame, id); }

    std::string DiscPath(const std::wstring& relative) const
    {
        return testenv::Narrow(disc / relative, CP_ACP);
    }

    CWinApp app;
    TestRegistry registry;
    ScratchFolder disc;
    Recording recording;
    HWND m_frame = nullptr;

private:
    CurrentFolder m_folder;
};
