#include "TestEnvironment.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

std::wstring g_launcher;
std::wstring g_shipped;
std::wstring g_programs;
std::wstring g_demoDisc;

std::wstring WindowsPath(const char* argument)
{
    std::wstring path = testenv::Widen(argument, CP_UTF8);
    // Paths from CMake are the host's; Wine shows the host's root as drive Z.
    if (!path.empty() && path[0] == L'/')
        path = L"Z:" + path;
    for (wchar_t& c : path) {
        if (c == L'/')
            c = L'\\';
    }
    return path;
}

bool TakeOption(const char* argument, const char* name, std::wstring& out)
{
    const size_t length = strlen(name);
    if (strncmp(argument, name, length) != 0)
        return false;
    out = WindowsPath(argument + length);
    return true;
}

} // namespace

namespace testenv {

const std::wstring& Launcher()
{
    return g_launcher;
}
const std::wstring& ShippedLauncher()
{
    return g_shipped;
}
const std::wstring& Programs()
{
    return g_programs;
}

const std::wstring& DemoDisc()
{
    return g_demoDisc;
}

std::wstring Widen(const std::string& text, unsigned codePage)
{
    if (text.empty())
        return std::wstring();
    const int length =
        MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

std::string Narrow(const std::wstring& text, unsigned codePage)
{
    if (text.empty())
        return std::string();
    const int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &narrow[0], length,
                        nullptr, nullptr);
    return narrow;
}

} // namespace testenv

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    for (int i = 1; i < argc; ++i) {
        TakeOption(argv[i], "--launcher=", g_launcher) ||
            TakeOption(argv[i], "--shipped=", g_shipped) ||
            TakeOption(argv[i], "--programs=", g_programs) ||
            TakeOption(argv[i], "--disc=", g_demoDisc);
    }
    const int result = RUN_ALL_TESTS();
    // A filter that matches nothing must not pass for a green run.
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        fprintf(stderr, "no test matched the filter\n");
        return 1;
    }
    return result;
}
