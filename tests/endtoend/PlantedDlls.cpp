// DLLs named like system DLLs, lying beside the launcher, are never loaded.
//
// Wine prefers its own DLLs, where Windows takes a file in the program's folder first; asking
// Wine for files first makes it behave as Windows does. Under that setting Wine's own system
// DLLs also take their dependencies from the program's folder (Windows takes those of known
// DLLs from the system folder), so VERSION, which Wine's startup DLLs import, cannot be
// checked this way here: the import table check (ShippedFile) covers it.
#include "Scenario.h"

#include <gtest/gtest.h>

namespace {

const wchar_t kOverrides[] = L"Software\\Wine\\DllOverrides";

// Plants the DLL in the folder and asks Wine to prefer it; it leaves "NAME.dll.loaded" there
// once loaded.
struct PlantedDll
{
    PlantedDll(const ScratchFolder& folder, const wchar_t* name) : name(name)
    {
        RegSetKeyValueW(HKEY_CURRENT_USER, kOverrides, name, REG_SZ, L"native,builtin",
                        sizeof(L"native,builtin"));
        CopyIn(testenv::programs + L"\\planted.dll", folder / name + L".dll");
    }
    ~PlantedDll() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kOverrides, name); }
    const wchar_t* name;
};

TEST(PlantedDlls, AStaticImportWouldLoadThem)
{
    ScratchFolder folder;
    const PlantedDll version(folder, L"version");
    CopyIn(testenv::programs + L"\\version_importer.exe", folder / L"version_importer.exe");
    ASSERT_NE(RunAndWait(folder / L"version_importer.exe", L"", folder.Path()), -1);
    EXPECT_TRUE(FileExists(folder / L"version.dll.loaded"));
}

TEST(PlantedDlls, TheLauncherLoadsOnlyTheSystemsCommonControls)
{
    TestRegistry registry;
    ScratchFolder folder;
    const PlantedDll comctl32(folder, L"comctl32");
    CopyIn(testenv::launcher, folder / L"launcher.exe");
    CopyIn(testenv::programs + L"\\stub_one_translation.exe",
           folder / ExpandTableWords(L"@default-game"));
    LauncherProcess launcher(folder.Path(), folder / L"launcher.exe");
    EXPECT_EQ(launcher.Caption(), ExpandTableWords(L"@title  v. 1.2.3 beta"))
        << "the system's VERSION read the game's version";
    HWND manual = launcher.Child(kManualId);
    RECT rect = {};
    GetClientRect(manual, &rect);
    PointAt(manual);
    EXPECT_TRUE(WaitUntil([&] {
        return PixelsDiffering(manual, rect, L"IDB_MANUAL_BTN_ROLLOVER_EN") == 0;
    })) << "the system's COMCTL32 tracked the pointer";
    MovePointer(kParkedPointer);
    EXPECT_FALSE(FileExists(folder / L"comctl32.dll.loaded"));
}

} // namespace
