#pragma once
// Registry values for one test: every key the test touches under the game's and Adobe's keys
// is removed before and after it, so that cases never see each other's values.
#include <windows.h>

#include <string>

constexpr char kTestGameKey[] = "Software\\Halvorn\\Zentrava Kelvane 2";
constexpr char kTestGameKeyWow64[] = "Software\\Wow6432Node\\Halvorn\\Zentrava Kelvane 2";
constexpr char kTestReaderKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\AcroRd32.exe";
constexpr char kTestAcrobatKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Acrobat.exe";

class TestRegistry
{
public:
    TestRegistry() { Clear(); }
    ~TestRegistry() { Clear(); }
    TestRegistry(const TestRegistry&) = delete;
    TestRegistry& operator=(const TestRegistry&) = delete;

    // A string value stored with its terminating zero, as installers store them.
    static void SetString(HKEY hive, const char* key, const char* name, const std::string& value);
    static void SetRaw(HKEY hive, const char* key, const char* name, DWORD type,
                       const std::string& bytes);
    static void Clear();
};

// A file association for the shell's "open": extension or protocol to a program.
void AssociateWith(const std::wstring& extensionOrProtocol, const std::wstring& program);
void RemoveAssociation(const std::wstring& extensionOrProtocol);
