#include "Harness.h"

#include <gtest/gtest.h>

namespace testenv {

std::wstring launcher, shipped, programs, demoDisc, publisherDisc, scenarios;

std::wstring Widen(const std::string& text, unsigned codePage)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(codePage, 0, text.data(),
                                                        static_cast<int>(text.size()), &wide[0],
                                                        static_cast<int>(wide.size()))));
    return wide;
}

std::string Narrow(const std::wstring& text, unsigned codePage)
{
    std::string narrow(text.size() * 4, '\0');
    narrow.resize(static_cast<size_t>(
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &narrow[0],
                            static_cast<int>(narrow.size()), nullptr, nullptr)));
    return narrow;
}

} // namespace testenv

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    const std::pair<const char*, std::wstring*> options[] = {
        {"--launcher=", &testenv::launcher},
        {"--shipped=", &testenv::shipped},
        {"--programs=", &testenv::programs},
        {"--disc=", &testenv::demoDisc},
        {"--publisher-disc=", &testenv::publisherDisc},
        {"--scenarios=", &testenv::scenarios}};
    for (int i = 1; i < argc; ++i) {
        for (const auto& option : options) {
            if (strncmp(argv[i], option.first, strlen(option.first)) != 0)
                continue;
            // Paths from CMake are the host's; Wine shows the host's root as drive Z.
            std::wstring path = testenv::Widen(argv[i] + strlen(option.first));
            for (wchar_t& c : path)
                c = c == L'/' ? L'\\' : c;
            *option.second = path[0] == L'\\' ? L"Z:" + path : path;
        }
    }
    const int result = RUN_ALL_TESTS();
    // A filter that matches nothing must not pass for a green run.
    if (testing::UnitTest::GetInstance()->test_to_run_count() == 0) {
        fprintf(stderr, "no test matched the filter\n");
        return 1;
    }
    return result;
}
