#pragma once
// Where the programs under test are, as given on the test command line.
#include <string>

namespace testenv {

// The launcher build that runs here (Windows path).
const std::wstring& Launcher();
// The PE32 launcher that ships, whose resources are read back.
const std::wstring& ShippedLauncher();
// The folder of the recorder and the version stubs.
const std::wstring& Programs();
// The demo disc laid out from the build under test.
const std::wstring& DemoDisc();

std::wstring Widen(const std::string& text, unsigned codePage);
std::string Narrow(const std::wstring& text, unsigned codePage);

} // namespace testenv
