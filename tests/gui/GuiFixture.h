#pragma once
// A launcher started on a scratch disc with the game's keys cleared, and what it should show.
#include "../support/Driver.h"
#include "../support/Scratch.h"
#include "../support/Screen.h"
#include "../support/TestEnvironment.h"
#include "../support/TestRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>

constexpr int kExitId = 134, kPlayId = 135, kWebId = 136, kManualId = 137, kReadmeId = 138,
              kInstallId = 139;
constexpr int kColumn[] = {kInstallId, kManualId, kReadmeId, kWebId, kExitId};
const wchar_t* const kBaseNames[] = {L"IDB_INSTALL_BTN", L"IDB_MANUAL_BTN", L"IDB_README_BTN",
                                     L"IDB_WEB_BTN", L"IDB_EXIT_BTN"};

// The picture language the launcher should use in this run's locale.
inline std::wstring PictureLanguage()
{
    const std::string lang = std::getenv("LANG") != nullptr ? std::getenv("LANG") : "";
    for (const char* own : {"de", "en", "es", "fr", "it", "pl", "ru"}) {
        if (lang.compare(0, 2, own) == 0)
            return testenv::Widen(lang.substr(0, 2), CP_ACP);
    }
    return L"EN";
}

inline std::wstring Upper(std::wstring text)
{
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(towupper(c));
    return text;
}

// What a recorder stand-in was started with.
struct RecordedRun
{
    std::wstring commandLine;
    std::wstring folder;
};

class GuiFixture : public testing::Test
{
protected:
    // A recorder placed at `relative` in `folder`; returns its full path.
    static std::wstring PlaceRecorder(const ScratchFolder& folder, const std::wstring& relative)
    {
        folder.CopyIn(testenv::Programs() + L"\\recorder.exe", relative);
        return folder / relative;
    }

    // The recorder's last run, waiting for it to appear.
    static bool LastRun(const std::wstring& program, RecordedRun& run, DWORD wait = 5000)
    {
        const std::wstring log = program + L".log";
        if (!WaitUntil([&] { return FileExists(log); }, wait))
            return false;
        Settle(200);
        const std::string bytes = ReadWholeFile(log);
        std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2);
        std::vector<std::wstring> lines;
        for (size_t start = 0, end; (end = text.find(L'\n', start)) != std::wstring::npos;
             start = end + 1)
            lines.push_back(text.substr(start, end - start));
        if (lines.size() < 2)
            return false;
        run = {lines[lines.size() - 2], lines.back()};
        return true;
    }

    // How many pixels of the button's region differ from its picture in the given state.
    int ButtonDiffers(LauncherProcess& launcher, int slot, const wchar_t* state,
                      const wchar_t* base = nullptr)
    {
        HWND button = launcher.Child(kColumn[slot]);
        if (slot == 0 && button == nullptr)
            button = launcher.Child(kPlayId, true);
        RECT rect;
        GetClientRect(button, &rect);
        const std::wstring name = std::wstring(base != nullptr ? base : kBaseNames[slot]) + L"_" +
                                  state + L"_" + Upper(PictureLanguage());
        return DifferentPixels(CaptureClient(button, rect), LoadLauncherBitmap(name.c_str()));
    }

    // The slots whose buttons show their rollover picture.
    std::vector<int> LitSlots(LauncherProcess& launcher)
    {
        std::vector<int> lit;
        for (int slot = 0; slot < 5; ++slot) {
            if (ButtonDiffers(launcher, slot, L"ROLLOVER") == 0)
                lit.push_back(slot);
            else
                EXPECT_EQ(ButtonDiffers(launcher, slot, L"UP"), 0) << "slot " << slot;
        }
        return lit;
    }

    TestRegistry registry;
    ScratchFolder disc;
};
