// DLLs named like system DLLs, lying beside the launcher, are never loaded.
//
// Wine prefers its own DLLs, where Windows takes a file in the program's folder first; asking
// Wine for files first makes it behave as Windows does. Under that setting Wine's own system
// DLLs also take their dependencies from the program's folder (Windows takes those of known
// DLLs from the system folder), so VERSION, which Wine's startup DLLs import, cannot be
// checked this way here: the import table check (check_shipped_exe.py) covers it.
#include "GuiFixture.h"

namespace {

const wchar_t kOverrides[] = L"Software\\Wine\\DllOverrides";

class PlantedDlls : public GuiFixture
{
protected:
    void Plant(const wchar_t* dll)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, kOverrides, dll, REG_SZ, L"native,builtin",
                        sizeof(L"native,builtin"));
        disc.CopyIn(testenv::Programs() + L"\\planted.dll", std::wstring(dll) + L".dll");
        m_planted.push_back(dll);
    }
    ~PlantedDlls() override
    {
        for (const wchar_t* dll : m_planted)
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kOverrides, dll);
    }

    bool Loaded(const wchar_t* dll) const
    {
        return FileExists(disc / (std::wstring(dll) + L".dll.loaded"));
    }

private:
    std::vector<const wchar_t*> m_planted;
};

TEST_F(PlantedDlls, AStaticImportWouldLoadThem)
{
    Plant(L"version");
    disc.CopyIn(testenv::Programs() + L"\\version_importer.exe", L"version_importer.exe");
    ASSERT_NE(RunAndWait(disc / L"version_importer.exe", L"", disc.Path()), -1);
    EXPECT_TRUE(Loaded(L"version"));
}

TEST_F(PlantedDlls, TheLauncherLoadsOnlyTheSystemsCommonControls)
{
    Plant(L"comctl32");
    disc.CopyIn(testenv::Launcher(), L"launcher.exe");
    disc.CopyIn(testenv::Programs() + L"\\stub_one_translation.exe", L"bin\\Tarvok2.exe");
    LauncherProcess launcher(disc.Path(), disc / L"launcher.exe");
    ASSERT_NE(launcher.Frame(), nullptr);
    wchar_t caption[128];
    GetWindowTextW(launcher.Frame(), caption, 128);
    EXPECT_EQ(std::wstring(caption), L"Zentrava: Kelvane 2  v. 1.2.3 beta")
        << "the system's VERSION read the game's version";
    MovePointer(CentreOf(launcher.Child(kManualId)));
    EXPECT_TRUE(WaitUntil([&] { return ButtonDiffers(launcher, 1, L"ROLLOVER") == 0; }))
        << "the system's COMCTL32 tracked the pointer";
    MovePointer({2, 2});
    EXPECT_FALSE(Loaded(L"comctl32"));
}

} // namespace
