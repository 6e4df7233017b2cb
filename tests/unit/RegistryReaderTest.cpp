#include "../../src/install/RegistryReader.h"
#include "../support/TestRegistry.h"

#include <gtest/gtest.h>

namespace {

constexpr char kKey[] = "Software\\Halvorn\\Zentrava Kelvane 2";

struct RawCase
{
    const char* name;
    DWORD type;
    std::string stored;
    bool read;
    std::string expected;
};

TEST(ReadRegistryString, TakesTheStoredBytesWithOneTerminatorRemoved)
{
    TestRegistry registry;
    const std::string zero(1, '\0');
    const RawCase cases[] = {
        {"no terminator", REG_SZ, "C:\\Games", true, "C:\\Games"},
        {"one terminator", REG_SZ, "C:\\Games" + zero, true, "C:\\Games"},
        {"two terminators", REG_SZ, "C:\\Games" + zero + zero, true, "C:\\Games" + zero},
        {"inner zero", REG_BINARY, "ab" + zero + "cd", true, "ab" + zero + "cd"},
        {"unexpanded", REG_EXPAND_SZ, "%TEMP%\\x" + zero, true, "%TEMP%\\x"},
        {"dword", REG_DWORD, std::string("\x01\x02\x03\x04", 4), true, "\x01\x02\x03\x04"},
        {"empty", REG_SZ, "", true, ""},
        {"256 bytes", REG_BINARY, std::string(256, 'a'), true, std::string(256, 'a')},
        {"255 bytes and zero", REG_SZ, std::string(255, 'b') + zero, true, std::string(255, 'b')},
        {"257 bytes", REG_BINARY, std::string(257, 'a'), false, ""},
        {"4096 bytes", REG_BINARY, std::string(4096, 'a'), false, ""},
    };
    for (const RawCase& c : cases) {
        TestRegistry::SetRaw(HKEY_LOCAL_MACHINE, kKey, c.name, c.type, c.stored);
        std::string out = "stale";
        EXPECT_EQ(ReadRegistryString(HKEY_LOCAL_MACHINE, kKey, c.name, out), c.read) << c.name;
        EXPECT_EQ(out, c.expected) << c.name;
    }
}

TEST(ReadRegistryString, MissingKeyOrValueReadsNothing)
{
    TestRegistry registry;
    std::string out = "stale";
    EXPECT_FALSE(ReadRegistryString(HKEY_LOCAL_MACHINE, kKey, "Path", out));
    EXPECT_EQ(out, "");

    TestRegistry::SetString(HKEY_CURRENT_USER, kKey, "Path", "C:\\User");
    out = "stale";
    EXPECT_FALSE(ReadRegistryString(HKEY_LOCAL_MACHINE, kKey, "Path", out));
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, kKey, "AppFile", out) == false);
    EXPECT_EQ(out, "");
    EXPECT_TRUE(ReadRegistryString(HKEY_CURRENT_USER, kKey, "Path", out));
    EXPECT_EQ(out, "C:\\User");
}

} // namespace
