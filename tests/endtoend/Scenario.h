#pragma once
// The end-to-end tests' table (launcher.scenarios): each scenario is what the registry, the
// disc and the shell hold, what the player does and what the launcher must do in answer, and
// World gives its words their meaning against the real launcher process.
#include "../harness/Harness.h"

#include <memory>
#include <set>
#include <utility>
#include <vector>

using Placeholders = std::vector<std::pair<std::wstring, std::wstring>>;

// A button of the column: its id in the game's menu and its pictures' base name.
struct ColumnFace
{
    std::wstring id, pictures;
};

struct Step
{
    std::wstring given, act, expect;
};

struct Scenario
{
    std::wstring name, runs; // runs: the LANG prefixes of the runs it belongs to, or "*"
    std::vector<Step> steps;
};

struct Table
{
    std::vector<Scenario> scenarios;
    std::vector<std::vector<std::wstring>> randomChoices;
    Placeholders words; // the shorthands and this run's locale texts
};

// The table, with this run's locale; a failure says what could not be read.
Table LoadTable();
bool BelongsToThisRun(const Scenario& scenario);
std::vector<std::wstring> Split(const std::wstring& text, const std::wstring& separator);
// TEXT with the words replaced by their meanings, until none is left.
std::wstring Expand(const Placeholders& words, std::wstring text);
// TEXT with this run's table words: for the tests that need a few of them outside a scenario.
std::wstring ExpandTableWords(const std::wstring& text);

// A scratch disc (the launcher's current folder), an installation folder and another folder,
// the game's registry keys cleared, and the launcher started on first use.
class World
{
public:
    // The table's words, and the paths of this world's folders.
    explicit World(const Placeholders& words);
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    void Run(const Scenario& scenario);
    // Items of a step's "given", separated by "; ".
    void Give(const std::wstring& items);
    // A registry value ("HKLM:Path", "App Paths\AcroRd32.exe") of any type and bytes.
    void SetValue(const std::wstring& name, DWORD type, const std::string& bytes);
    LauncherProcess& Launcher();
    void Act(const std::wstring& actions);
    void Expect(const std::wstring& outcome);
    std::wstring Expand(std::wstring text) const;
    // Whether the box is one of the launcher's own, text and icon.
    bool IsLauncherMessage(const MessageBoxContent& box) const;

private:
    void Place(std::wstring path);
    bool Damage(const std::wstring& item);
    // Sets Wine's load order for the DLL or program until the world ends.
    void Override(const std::wstring& dll, const wchar_t* setting);
    HWND Button(const std::wstring& name);
    // Sets the DPI the launchers started from now on take.
    void SetSystemDpi(DWORD dpi);
    int Scaled(int length) const;
    int Differing(const RECT& rect, std::wstring picture, POINT origin, SIZE size);
    std::vector<ColumnFace> Column();
    int ColumnSize() { return static_cast<int>(Column().size()); }
    static int RowTop(int slot, int count);
    std::set<int> Slots(const std::wstring& words);
    bool Shows(int slot, const wchar_t* state);
    bool ShowsFocusCue(int slot);
    int Unlike(int slot, const wchar_t* state);
    std::set<int> LitSlots();
    HWND ChildAt(int left, int top);
    HWND ColumnButton(int slot);
    void ExpectNames();
    void ExpectRun(const std::wstring& what);
    MessageBoxContent LauncherBox(const std::wstring& kind) const;
    void ExpectBox(const std::wstring& kind);
    void ExpectWindow(const std::wstring& what);
    void ExpectLook();
    void ExpectDescription(const std::wstring& what);
    void ExpectSound(const std::wstring& what);
    void ExpectExplorer(const std::wstring& folder);

    ScratchFolder m_disc, m_install, m_other;
    Placeholders m_words;
    HWINEVENTHOOK m_focusHook;
    TestRegistry m_registry;
    std::vector<std::wstring> m_recorders, m_associations;
    std::wstring m_start, m_notepad, m_program = m_disc / L"launcher.exe", m_arguments;
    std::vector<std::wstring> m_overrides;
    bool m_readOnly = false;
    bool m_screenReader = false;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    bool m_pointedAtButton = false; // by the last act
    std::unique_ptr<LauncherProcess> m_launcher;
};
