// Registry values of every type and size, and random bytes, where the launcher reads text:
// nothing crashes or hangs, and each case gives what the reading rules say (a value over 256
// bytes counts as missing; anything else is taken as its bytes, one trailing zero removed).
#include "../support/FrameFixture.h"
#include "../support/RandomSetup.h"

#include "../../src/app/ButtonColumn.h"

#include <random>

namespace {

struct HostileValue
{
    const char* name;
    DWORD type;
    std::string bytes;
};

std::vector<HostileValue> HostileValues()
{
    std::mt19937 random(20261207); // seeded: every run tries the same bytes
    std::vector<HostileValue> values;
    for (size_t size : {0u, 1u, 255u, 256u, 257u, 4096u}) {
        for (DWORD type : {REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ, REG_BINARY, REG_DWORD}) {
            values.push_back({"random", type, RandomBytes(random, size)});
            values.push_back({"letters", type, std::string(size, 'Q')});
        }
    }
    values.push_back({"inner zeros", REG_SZ, std::string("C:\\\0\0Games\0", 11)});
    values.push_back({"leading zero", REG_SZ, std::string("\0Game.exe\0", 10)});
    values.push_back({"multi string", REG_MULTI_SZ, std::string("C:\\A\0C:\\B\0\0", 12)});
    values.push_back({"dword", REG_DWORD, std::string("\x01\0\0\0", 4)});
    values.push_back({"trailing backslash", REG_SZ, std::string("C:\\Games\\\0", 10)});
    values.push_back({"near MAX_PATH", REG_SZ, "C:\\" + std::string(255, 'd')});
    return values;
}

bool IsStringType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// What ReadRegistryString gives for the value: nothing over 256 bytes, else the bytes less
// one trailing zero. The ANSI registry call ends a string value that lacks its zero with one,
// so such a string of exactly 256 bytes no longer fits the buffer either.
bool Readable(const HostileValue& value, std::string& text)
{
    const size_t size = value.bytes.size();
    if (size > 256 || (size == 256 && IsStringType(value.type) && value.bytes.back() != '\0'))
        return false;
    text = value.bytes;
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return true;
}

using HostileRegistry = FrameFixture;

TEST_F(HostileRegistry, StartUpDecidesTheTopButtonAndCaptionWithoutCrashing)
{
    for (const HostileValue& value : HostileValues()) {
        TestRegistry::Clear();
        TestRegistry::SetRaw(HKEY_LOCAL_MACHINE, kTestGameKey, "Path", value.type, value.bytes);
        TestRegistry::SetRaw(HKEY_LOCAL_MACHINE, kTestGameKey, "AppFile", value.type, value.bytes);
        std::string path;
        const bool play = Readable(value, path) && !path.empty();
        HWND frame = Start();
        ASSERT_NE(frame, nullptr) << value.name;
        EXPECT_EQ(Button(IDC_INSTALL_BTN) == nullptr, play)
            << value.name << " " << value.type << " " << value.bytes.size();
        wchar_t caption[64];
        GetWindowTextW(frame, caption, 64);
        EXPECT_EQ(std::wstring(caption), L"Zentrava: Kelvane 2  v. 0.0.0") << value.name;
        DestroyWindow(frame);
        m_frame = nullptr;
    }
    EXPECT_TRUE(recording.Calls().empty()) << "start-up never shows a message";
}

TEST_F(HostileRegistry, PlayEitherStartsTheValueOrSaysWhy)
{
    for (const HostileValue& value : HostileValues()) {
        TestRegistry::Clear();
        TestRegistry::SetRaw(HKEY_CURRENT_USER, kTestGameKey, "AppFile", value.type, value.bytes);
        HWND frame = Start();
        const size_t before = recording.Calls().size();
        Command(IDC_PLAY_BTN);
        std::string appFile;
        ASSERT_EQ(recording.Calls().size(), before + 1) << value.name;
        const RecordedCall& call = recording.Calls().back();
        // The shell gets the value up to its first zero; an unreadable or empty one leaves
        // the slot empty and brings the no-command box.
        if (Readable(value, appFile) && !appFile.empty() && appFile[0] != '\0') {
            EXPECT_EQ(call.kind, RecordedCall::ShellOpen) << value.name;
            EXPECT_EQ(call.file, testenv::Widen(appFile.c_str(), CP_ACP)) << value.name;
        } else {
            EXPECT_EQ(call.kind, RecordedCall::MessageBox) << value.name;
        }
        DestroyWindow(frame);
        m_frame = nullptr;
        CloseRequested();
    }
}

TEST_F(HostileRegistry, ManualHandsAnyReaderValueToTheShellOrSaysItIsEmpty)
{
    const std::wstring manual = L"support\\Zentrava\u00AE_Kelvane\u2122_II_Manual-EN.pdf";
    disc.WriteFile(manual);
    recording.ShellAnswers(manual, 31);
    Start();
    for (const HostileValue& value : HostileValues()) {
        TestRegistry::Clear();
        TestRegistry::SetRaw(HKEY_LOCAL_MACHINE, kTestReaderKey, "", value.type, value.bytes);
        const size_t before = recording.Calls().size();
        Command(IDC_MANUAL_BTN);
        ASSERT_GE(recording.Calls().size(), before + 2) << value.name;
        const RecordedCall& call = recording.Calls()[before + 1];
        std::string reader;
        if (Readable(value, reader) && !reader.empty() && reader[0] != '\0') {
            EXPECT_EQ(call.kind, RecordedCall::ShellOpen) << value.name;
        } else if (Readable(value, reader)) {
            EXPECT_EQ(call.kind, RecordedCall::MessageBox) << "an empty reader: no command";
        } else {
            // Unreadable: no reader, so the disc's installer folder is searched (none here).
            EXPECT_EQ(call.kind, RecordedCall::MessageBox) << value.name;
        }
    }
}

} // namespace
