// The control of the planted-DLL scenario: a DLL planted beside a program that imports it
// statically is loaded (and the program then takes its answer). Under the setting that makes
// Wine look beside the program first, Wine's own system DLLs also take their dependencies from
// there (Windows takes those of known DLLs from the system folder), so VERSION, which Wine's
// startup DLLs import, cannot be checked on the launcher this way: the import table check
// (ShippedFile) covers it.
#include "Scenario.h"

#include <gtest/gtest.h>

namespace {

TEST(PlantedDlls, AStaticImportWouldLoadThem)
{
    World world(LoadTable().words);
    world.Give(L"planted:version; @disc\\version_importer.exe<version_importer; "
               L"run:@disc\\version_importer.exe|");
    EXPECT_TRUE(FileExists(world.Expand(L"@disc\\version.dll.loaded")));
}

} // namespace
