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

class GuiFixture : public testing::Test
{
protected:
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
