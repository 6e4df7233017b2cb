#include "Scenario.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

constexpr DWORD kOutcomeWait = 5000;
// How long a setup may take to copy its files, or a game to show its window.
constexpr DWORD kSetupWait = 20000;
// How long nothing may happen before "nothing else happened" holds.
constexpr DWORD kQuietWait = 300;
// The pointer comes to rest on a button in three moves, 100 ms apart, and the button lights at
// its first: the rollover must show within this much of the last, far sooner than a hover
// after the system's default 400 ms would.
constexpr DWORD kRolloverWait = 150;
// The registry's longest value: with a document's name, a path past the 260 of MAX_PATH.
constexpr size_t kLongestFolder = 255;
constexpr wchar_t kOverrides[] = L"Software\\Wine\\DllOverrides";
// Where Wine keeps the system's DPI, which a program takes when it starts.
constexpr wchar_t kDesktopSettings[] = L"Control Panel\\Desktop";
// The window's client area at 96 DPI, which the background fills.
constexpr SIZE kClientSize = {635, 395};

const std::map<std::wstring, int> kButtons = {{L"Install", kInstallId}, {L"Play", kPlayId},
                                              {L"Manual", kManualId},   {L"Readme", kReadmeId},
                                              {L"Web", kWebId},         {L"Exit", kExitId}};
const std::map<std::wstring, WORD> kKeys = {
    {L"Tab", VK_TAB},      {L"Up", VK_UP},         {L"Down", VK_DOWN},
    {L"Left", VK_LEFT},    {L"Escape", VK_ESCAPE}, {L"A", 'A'},
    {L"Enter", VK_RETURN}, {L"Space", VK_SPACE},   {L"M", 'M'}};
// The column's place in the window's client area: a 300 x 32 button every 40 pixels, the
// bottom one where Exit always was.
constexpr int kColumnLeft = 171, kBottomRowTop = 346, kRowPitch = 40, kButtonWidth = 300,
              kButtonHeight = 32;
// "PLACE:NAME" names a value of the game's keys; "App Paths\PROGRAM" an Adobe program's.
struct ValuePlace
{
    const wchar_t* prefix;
    HKEY hive;
    std::string key;
    REGSAM view;
};
std::vector<ValuePlace> ValuePlaces()
{
    return {{L"HKLM:", HKEY_LOCAL_MACHINE, GameKey(), 0},
            {L"HKCU:", HKEY_CURRENT_USER, GameKey(), 0},
            {L"WOW:", HKEY_LOCAL_MACHINE, GameKey(true), 0},
            {L"HKLM64:", HKEY_LOCAL_MACHINE, GameKey(), KEY_WOW64_64KEY},
            {L"App Paths\\", HKEY_LOCAL_MACHINE, kAppPaths, 0},
            {L"Uninstall:", HKEY_LOCAL_MACHINE, UninstallKey(), 0},
            {L"Uninstall64:", HKEY_LOCAL_MACHINE, UninstallKey(), KEY_WOW64_64KEY},
            {L"User Uninstall:", HKEY_CURRENT_USER, UninstallKey(), 0}};
}

// Where the test lane's sound device writes what it plays (SOUND_CAPTURE, a host path).
std::wstring SoundCapture()
{
    const char* capture = std::getenv("SOUND_CAPTURE");
    std::wstring path = L"Z:" + testenv::Widen(capture != nullptr ? capture : "/nonexistent");
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// The system's own words for an error, as FormatMessage gives them, without the line's end.
std::wstring SystemText(DWORD error)
{
    wchar_t text[512] = L"";
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, 512, nullptr);
    std::wstring trimmed = text;
    return trimmed.erase(trimmed.find_last_not_of(L"\r\n ") + 1);
}

bool StartsWith(const std::wstring& text, const std::wstring& prefix, std::wstring& rest)
{
    if (text.compare(0, prefix.size(), prefix) != 0)
        return false;
    rest = text.substr(prefix.size());
    return true;
}

std::string Utf8(const std::wstring& text)
{
    return testenv::Narrow(text);
}

std::string ThisLang()
{
    const char* lang = std::getenv("LANG");
    return lang != nullptr ? std::string(lang).substr(0, std::string(lang).find('.')) : "";
}

// What a command line hands its program: all past the program's path (quoted or not) and the
// space after it.
std::wstring ArgumentsOf(const std::wstring& commandLine)
{
    const size_t pathEnd = commandLine.compare(0, 1, L"\"") == 0 ? commandLine.find(L'"', 1) + 1
                                                                 : commandLine.find(L' ');
    if (pathEnd == 0 || pathEnd >= commandLine.size())
        return L"";
    return commandLine.substr(pathEnd + (commandLine[pathEnd] == L' ' ? 1 : 0));
}

// The prefix's Explorer processes but the desktop's (which Wine starts with the first window):
// one for each folder the shell was handed.
std::vector<DWORD> FolderExplorers()
{
    DWORD desktop = 0;
    GetWindowThreadProcessId(GetDesktopWindow(), &desktop);
    std::vector<DWORD> explorers;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry = {sizeof(entry)};
    for (BOOL more = Process32FirstW(snapshot, &entry); more;
         more = Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, L"explorer.exe") == 0 && entry.th32ProcessID != desktop)
            explorers.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return explorers;
}

// The folder window of an Explorer process, once it has made it; null when it makes none in time.
HWND FolderWindowOf(DWORD id)
{
    HWND folder = nullptr;
    WaitUntil([&] {
        while ((folder = FindWindowExW(nullptr, folder, L"ExplorerWClass", nullptr)) != nullptr) {
            DWORD owner = 0;
            GetWindowThreadProcessId(folder, &owner);
            if (owner == id)
                return true;
        }
        return false;
    });
    return folder;
}

// Closes an Explorer process's folder window as a user would; ends the process if it lingers.
void CloseExplorer(DWORD id)
{
    HANDLE explorer = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, id);
    if (explorer == nullptr)
        return;
    if (HWND folder = FolderWindowOf(id))
        PostMessageW(folder, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(explorer, kOutcomeWait) == WAIT_TIMEOUT)
        TerminateProcess(explorer, 0);
    CloseHandle(explorer);
}

// The window of the last focus event a screen reader would have heard of.
HWND g_focused = nullptr;

void CALLBACK RecordFocus(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG, DWORD, DWORD)
{
    if (object == OBJID_CLIENT)
        g_focused = window;
}

} // namespace

std::vector<std::wstring> Split(const std::wstring& text, const std::wstring& separator)
{
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (size_t end; (end = text.find(separator, start)) != std::wstring::npos;
         start = end + separator.size())
        parts.push_back(text.substr(start, end - start));
    parts.push_back(text.substr(start));
    return parts;
}

Table LoadTable()
{
    Table table;
    const wchar_t* const localeWords[] = {L"@title",  L"@pictures", L"@caption", L"@text",
                                          L"@manual", L"@guide",    L"@folder"};
    Placeholders locale;
    std::wstring given, rest;
    for (std::wstring line : Split(testenv::Widen(ReadWholeFile(testenv::scenarios)), L"\n")) {
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        const std::vector<std::wstring> fields = Split(line, L" | ");
        if (line.empty() || line[0] == L'#') {
        } else if (StartsWith(fields[0], L"locale ", rest)) {
            for (size_t i = 1; rest == testenv::Widen(ThisLang()) && i < fields.size(); ++i)
                locale.emplace_back(localeWords[i - 1], fields[i]);
        } else if (line[0] == L'@') {
            // "@WORD/LOCALE = TEXT" is the locale's alone.
            const std::vector<std::wstring> name = Split(line.substr(0, line.find(L" = ")), L"/");
            if (name.size() == 1 || name[1] == testenv::Widen(ThisLang()))
                table.words.emplace_back(name[0], line.substr(line.find(L" = ") + 3));
        } else if (StartsWith(line, L"random ", rest)) {
            table.randomChoices.push_back(Split(rest, L" | "));
        } else if (StartsWith(fields[0], L"scenario ", rest)) {
            table.scenarios.push_back({rest, fields.size() > 1 ? fields[1] : L""});
        } else if (StartsWith(line, L"  given ", rest)) {
            given += (given.empty() ? L"" : L"; ") + rest;
        } else if (StartsWith(line, L"  act", rest) && !table.scenarios.empty()) {
            table.scenarios.back().steps.push_back({given, rest.empty() ? rest : rest.substr(1)});
            given.clear();
        } else if (StartsWith(line, L"  expect ", rest) && !table.scenarios.empty() &&
                   !table.scenarios.back().steps.empty()) {
            table.scenarios.back().steps.back().expect = rest;
        } else {
            ADD_FAILURE() << "cannot read: " << Utf8(line);
        }
    }
    // Every locale the tests run in has its texts.
    EXPECT_EQ(locale.size(), std::size(localeWords)) << "no texts for the locale " << ThisLang();
    table.words.insert(table.words.end(), locale.begin(), locale.end());
    return table;
}

std::wstring ExpandTableWords(const std::wstring& text)
{
    static const Table table = LoadTable();
    return Expand(table.words, text);
}

bool BelongsToThisRun(const Scenario& scenario)
{
    // One scenario alone, by a part of its name, while a failure is looked into.
    const char* only = std::getenv("SCENARIO");
    if (only != nullptr && Utf8(scenario.name).find(only) == std::string::npos)
        return false;
    for (const std::wstring& run : Split(scenario.runs, L" ")) {
        if (run == L"*" || ThisLang().compare(0, run.size(), Utf8(run)) == 0)
            return true;
    }
    return false;
}

World::~World()
{
    // A folder named like a program or a document opens in an Explorer window of its own (the
    // random runs make such folders). Left open, it disturbs the tests after it: Wine stops
    // tracking the pointer, and the launcher of a later run in a Japanese locale opened nothing.
    // The world closes the windows its launcher had opened.
    m_launcher.reset();
    UnhookWinEvent(m_focusHook);
    for (DWORD id : FolderExplorers())
        CloseExplorer(id);
    for (const std::wstring& association : m_associations)
        RemoveAssociation(association);
    for (const std::wstring& dll : m_overrides)
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kOverrides, dll.c_str());
    if (!m_notepad.empty())
        MoveFileExW((m_notepad + L".real").c_str(), m_notepad.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (m_dpi != USER_DEFAULT_SCREEN_DPI)
        SetSystemDpi(USER_DEFAULT_SCREEN_DPI);
    if (m_screenReader)
        SetScreenReader(false);
}

void World::SetSystemDpi(DWORD dpi)
{
    m_dpi = dpi;
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopSettings, L"LogPixels", REG_DWORD, &dpi,
                    sizeof(dpi));
}

void World::Run(const Scenario& scenario)
{
    for (size_t i = 0; i < scenario.steps.size(); ++i) {
        SCOPED_TRACE(Utf8(scenario.name) + ", step " + std::to_string(i + 1));
        Give(scenario.steps[i].given);
        Act(scenario.steps[i].act);
        Expect(scenario.steps[i].expect);
    }
}

World::World(const Placeholders& words)
    : m_words(words),
      m_focusHook(SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, &RecordFocus, 0,
                                  0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS))
{
    g_focused = nullptr;
    wchar_t system[MAX_PATH], programFiles[MAX_PATH] = L"";
    GetSystemDirectoryW(system, MAX_PATH);
    SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, programFiles);
    m_words.insert(m_words.end(), {{L"@disc", m_disc.Path()},
                                   {L"@install", m_install.Path()},
                                   {L"@other", m_other.Path()},
                                   {L"@long", m_other.PathOfLength(kLongestFolder)},
                                   {L"@programs", testenv::programs},
                                   {L"@demo", testenv::demoDisc},
                                   {L"@publisher-disc", testenv::publisherDisc},
                                   {L"@program-files", programFiles},
                                   {L"@system", system},
                                   {L"@notepad", std::wstring(system) + L"\\notepad.exe"}});
    // The launcher lies on its disc, as it ships.
    CopyIn(testenv::launcher, m_program);
}

std::wstring World::Expand(std::wstring text) const
{
    return ::Expand(m_words, text);
}

std::wstring Expand(const Placeholders& words, std::wstring text)
{
    // Words may use words: replaced until nothing changes.
    for (std::wstring before; before != text;) {
        before = text;
        for (const auto& word : words) {
            for (size_t at = text.find(word.first); at != std::wstring::npos;
                 at = text.find(word.first, at + word.second.size()))
                text.replace(at, word.first.size(), word.second);
        }
    }
    return text;
}

void World::Give(const std::wstring& items)
{
    for (const std::wstring& item : Split(Expand(items), L"; ")) {
        const size_t arrow = item.find(L'>'), equals = item.find(L'=');
        std::wstring rest;
        if (item.empty()) {
        } else if (item == L"notepad") {
            // Notepad stands in the system folder: a recorder takes its place in this
            // disposable prefix, and Wine is told to run that file rather than its builtin one.
            m_notepad = Expand(L"@notepad");
            MoveFileExW(m_notepad.c_str(), (m_notepad + L".real").c_str(),
                        MOVEFILE_REPLACE_EXISTING);
            Place(m_notepad + L"*");
            Override(L"notepad.exe", L"native");
        } else if (item == L"read-only") {
            m_readOnly = true;
        } else if (item == L"screen-reader") {
            SetScreenReader(m_screenReader = true);
        } else if (StartsWith(item, L"start:", rest)) {
            m_start = rest;
        } else if (StartsWith(item, L"disc:", rest)) {
            m_start = rest;
            m_program = rest + L"\\launcher.exe";
        } else if (StartsWith(item, L"switch:", rest)) {
            m_arguments = rest;
        } else if (Damage(item)) {
        } else if (StartsWith(item, L"planted:", rest)) {
            // Wine prefers its own DLLs, where Windows takes a file beside the program first:
            // asked for files first, Wine behaves as Windows does.
            Override(rest, L"native,builtin");
            CopyIn(testenv::programs + L"\\planted.dll", m_disc / rest + L".dll");
        } else if (StartsWith(item, L"scale:", rest)) {
            SetSystemDpi(USER_DEFAULT_SCREEN_DPI * std::stoul(rest) / 100);
        } else if (item == L"restart") {
            m_launcher.reset();
        } else if (StartsWith(item, L"run:", rest)) {
            std::vector<std::wstring> command = Split(rest, L"|");
            command.resize(2); // no arguments
            EXPECT_EQ(RunAndWait(command[0], command[1], m_disc.Path()), 0) << Utf8(item);
        } else if (arrow != std::wstring::npos) {
            const std::wstring program = item.substr(arrow + 1);
            m_associations.push_back(item.substr(0, arrow));
            if (program == L"none") {
                RemoveAssociation(m_associations.back());
            } else {
                Place(program + L"*");
                AssociateWith(m_associations.back(), program);
            }
        } else if (equals != std::wstring::npos && item.find(L":\\") > equals) {
            // "\0" in a value stands for a zero byte.
            std::wstring value = item.substr(equals + 1);
            for (size_t zero; (zero = value.find(L"\\0")) != std::wstring::npos;)
                value.replace(zero, 2, 1, L'\0');
            SetValue(item.substr(0, equals),
                     value.find(L'%') != std::wstring::npos ? REG_EXPAND_SZ : REG_SZ,
                     testenv::Narrow(value, CP_ACP) + '\0');
        } else {
            Place(item);
        }
    }
}

// "changed:PATH" (one byte), "cut:PATH" (to half its size), "removed:PATH" and "folder:PATH"
// (a folder in its place): a disc damaged as a scratch or a bad copy damages one.
bool World::Damage(const std::wstring& item)
{
    const size_t colon = item.find(L':');
    const std::wstring how = item.substr(0, colon == std::wstring::npos ? 0 : colon),
                       path = item.substr(colon + 1);
    if (how != L"changed" && how != L"cut" && how != L"removed" && how != L"folder")
        return false;
    std::string content = ReadWholeFile(path);
    EXPECT_FALSE(content.empty()) << Utf8(item);
    if (how == L"changed")
        content[content.size() / 2] ^= 1;
    content.resize(how == L"cut" ? content.size() / 2 : content.size());
    DeleteFileW(path.c_str());
    if (how != L"removed")
        WriteFile(how == L"folder" ? path + L"\\" : path, content);
    return true;
}

void World::Override(const std::wstring& dll, const wchar_t* setting)
{
    m_overrides.push_back(dll);
    RegSetKeyValueW(HKEY_CURRENT_USER, kOverrides, dll.c_str(), REG_SZ, setting,
                    static_cast<DWORD>((wcslen(setting) + 1) * sizeof(wchar_t)));
}

void World::SetValue(const std::wstring& name, DWORD type, const std::string& bytes)
{
    std::wstring value;
    for (const auto& place : ValuePlaces()) {
        if (StartsWith(name, place.prefix, value)) {
            const bool appPath = place.prefix[0] == L'A';
            TestRegistry::Set(place.hive, place.key + (appPath ? Utf8(value) : std::string()),
                              appPath ? std::string() : Utf8(value), type, bytes, place.view);
            return;
        }
    }
    ADD_FAILURE() << "no such value: " << Utf8(name);
}

// A file, ending "*" for a recorder and "~" for hidden; a folder, ending "\"; "NAME#N" for N
// files NAME0 to NAME(N-1); "PATH<PROGRAM" for a copy of one of the test programs.
void World::Place(std::wstring path)
{
    bool recorder = false, hidden = false;
    for (; path.back() == L'*' || path.back() == L'~'; path.pop_back())
        (path.back() == L'*' ? recorder : hidden) = true;
    const size_t many = path.find(L'#'), program = path.find(L'<');
    if (many != std::wstring::npos) {
        for (int i = std::stoi(path.substr(many + 1)); i-- > 0;)
            WriteFile(path.substr(0, many) + std::to_wstring(i));
    } else if (program != std::wstring::npos || recorder) {
        const std::wstring source = recorder ? L"recorder" : path.substr(program + 1);
        path = path.substr(0, program);
        const bool named = source.find(L'.') != std::wstring::npos; // planted.dll
        CopyIn(testenv::programs + L"\\" + source + (named ? L"" : L".exe"), path);
        if (recorder)
            m_recorders.push_back(path);
    } else {
        WriteFile(path);
    }
    if (hidden)
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
}

LauncherProcess& World::Launcher()
{
    if (m_launcher == nullptr) {
        if (m_readOnly)
            m_disc.MakeReadOnly();
        m_launcher = std::make_unique<LauncherProcess>(m_start.empty() ? m_disc.Path() : m_start,
                                                       m_program, m_arguments);
    }
    return *m_launcher;
}

HWND World::Button(const std::wstring& name)
{
    const auto id = kButtons.find(name);
    HWND button = id != kButtons.end() ? Launcher().Child(id->second) : nullptr;
    const std::vector<ColumnFace> column = Column();
    for (size_t slot = 0; slot < column.size() && button == nullptr; ++slot) {
        if (column[slot].id == name)
            button = ColumnButton(static_cast<int>(slot));
    }
    // Check disc, which a disc's launcher alone shows, heads the column the table gives.
    if (button == nullptr && name == L"verify")
        button = ChildAt(Scaled(kColumnLeft), Scaled(RowTop(-1, ColumnSize())));
    EXPECT_NE(button, nullptr) << "no button " << Utf8(name);
    return button;
}

void World::Act(const std::wstring& actions)
{
    // What the launcher plays from here on, the opening sound of a launcher started now too.
    DeleteFileW(SoundCapture().c_str());
    HWND frame = Launcher().Frame();
    m_pointedAtButton = false;
    for (const std::wstring& word : Split(actions, L" ")) {
        std::wstring target;
        if (word.empty()) {
        } else if (StartsWith(word, L"point:", target) || StartsWith(word, L"hold:", target)) {
            m_pointedAtButton = true;
            PointAt(Button(target));
            if (word[0] == L'h')
                MouseButton(true);
        } else if (word == L"release") {
            MouseButton(false);
        } else if (word == L"away") {
            // Until the button has heard of the leave: what it shows then is what stays.
            MovePointer(kParkedPointer);
            Settle(kQuietWait);
        } else if (word == L"Cancel") {
            // Escape, the key of the Cancel button of the window the launcher shows over its own.
            HWND window = nullptr;
            EXPECT_TRUE(WaitUntil([&] {
                return (window = FindProcessWindow(GetProcessId(Launcher().Process()), L"#32770"));
            }));
            PressKey(window, VK_ESCAPE);
        } else if (word == L"CloseBox") {
            // The close box is the caption's last button, at its right end.
            TITLEBARINFO title = {sizeof(title)};
            GetTitleBarInfo(frame, &title);
            const RECT& bar = title.rcTitleBar;
            MovePointer({bar.right - (bar.bottom - bar.top) / 2 - 1, (bar.top + bar.bottom) / 2});
            MouseButton(true);
            MouseButton(false);
        } else if (const auto key = kKeys.find(Split(Split(word, L"*")[0], L"+").back());
                   key != kKeys.end()) {
            // "Shift+KEY" holds Shift; "KEY*N" holds the key down for N presses of its repeat.
            const std::vector<std::wstring> held = Split(word, L"*");
            PressKey(frame, key->second, StartsWith(word, L"Shift+", target),
                     held.size() > 1 ? std::stoi(held[1]) : 1);
        } else if (HWND button = Button(word)) {
            Click(button);
        }
    }
}

// The column the launcher chose at start-up: the installed game's when Install is not there.
std::vector<ColumnFace> World::Column()
{
    const bool installed = Launcher().Child(kInstallId) == nullptr;
    std::vector<ColumnFace> column;
    for (const std::wstring& face :
         Split(Expand(installed ? L"@column-installed" : L"@column-not-installed"), L" ")) {
        const std::vector<std::wstring> parts = Split(face, L":");
        column.push_back({parts[0], parts[1]});
    }
    return column;
}

// "none", the slots' digits ("24") or the buttons' ids ("manual,exit").
std::set<int> World::Slots(const std::wstring& words)
{
    std::set<int> slots;
    if (words.find_first_not_of(L"0123456789") == std::wstring::npos) {
        for (wchar_t digit : words)
            slots.insert(digit - L'0');
        return slots;
    }
    const std::vector<ColumnFace> column = Column();
    for (const std::wstring& id :
         words == L"none" ? std::vector<std::wstring>() : Split(words, L",")) {
        const auto face = std::find_if(column.begin(), column.end(),
                                       [&](const ColumnFace& face) { return face.id == id; });
        EXPECT_NE(face, column.end()) << "no button " << Utf8(id);
        slots.insert(static_cast<int>(face - column.begin()));
    }
    return slots;
}

int World::RowTop(int slot, int count)
{
    return kBottomRowTop - kRowPitch * (count - 1 - slot);
}

bool World::Shows(int slot, const wchar_t* state)
{
    return Unlike(slot, state) == 0;
}

// The up picture with a focus rectangle: a dotted line inside its edges, nothing else changed.
bool World::ShowsFocusCue(int slot)
{
    const int changed = Unlike(slot, L"UP");
    return changed > 0 && changed <= Scaled(2 * (kButtonWidth + kButtonHeight));
}

// How many pixels of the slot's place in the column differ from its picture in the state.
int World::Unlike(int slot, const wchar_t* state)
{
    const std::vector<ColumnFace> column = Column();
    const ColumnFace& face = column[slot];
    const std::wstring picture =
        face.pictures + L"_" + state + L"_" + Expand(L"@" + face.id + L".pictures");
    const int top = RowTop(slot, static_cast<int>(column.size()));
    return Differing({kColumnLeft, top, kColumnLeft + kButtonWidth, top + kButtonHeight}, picture,
                     {0, 0}, {kButtonWidth, kButtonHeight});
}

// The length at the launcher's DPI, rounded to the nearest pixel.
int World::Scaled(int length) const
{
    return MulDiv(length, static_cast<int>(m_dpi), USER_DEFAULT_SCREEN_DPI);
}

// PixelsDiffering at the launcher's DPI: the rectangle (within the client area), the origin and
// the picture's size are given at 96 DPI, and above it the picture's large one is shown.
int World::Differing(const RECT& rect, std::wstring picture, POINT origin, SIZE size)
{
    if (m_dpi > USER_DEFAULT_SCREEN_DPI)
        picture = LargestBitmap(picture);
    HWND frame = Launcher().Frame();
    RECT client,
        scaled = {Scaled(rect.left), Scaled(rect.top), Scaled(rect.right), Scaled(rect.bottom)};
    GetClientRect(frame, &client);
    IntersectRect(&scaled, &scaled, &client);
    return PixelsDiffering(frame, scaled, picture.c_str(), {Scaled(origin.x), Scaled(origin.y)},
                           {Scaled(size.cx), Scaled(size.cy)});
}

std::set<int> World::LitSlots()
{
    std::set<int> lit;
    for (int slot = 0, count = ColumnSize(); slot < count; ++slot) {
        if (Shows(slot, L"ROLLOVER"))
            lit.insert(slot);
    }
    return lit;
}

void World::Expect(const std::wstring& outcome)
{
    LauncherProcess& launcher = Launcher();
    bool closes = false;
    std::set<std::wstring> ran;
    for (const std::wstring& clause : Split(Expand(outcome), L"; ")) {
        std::wstring rest;
        if (StartsWith(clause, L"ran ", rest)) {
            ExpectRun(rest);
            ran.insert(Split(rest, L"|")[0]);
        } else if (StartsWith(clause, L"box ", rest)) {
            ExpectBox(rest);
        } else if (clause == L"closes") {
            closes = true;
        } else if (StartsWith(clause, L"lit ", rest) || StartsWith(clause, L"pressed ", rest) ||
                   StartsWith(clause, L"cued ", rest)) {
            const std::set<int> expected = Slots(rest);
            const auto shown = [&] {
                if (clause[0] == L'l')
                    return LitSlots() == expected;
                return clause[0] == L'c' ? ShowsFocusCue(*expected.begin())
                                         : Shows(*expected.begin(), L"DOWN");
            };
            EXPECT_TRUE(WaitUntil(shown, m_pointedAtButton ? kRolloverWait : kOutcomeWait))
                << Utf8(clause);
            for (int slot = 0, count = ColumnSize(); slot < count; ++slot)
                EXPECT_TRUE(expected.count(slot) != 0 || Shows(slot, L"UP")) << "slot " << slot;
        } else if (clause == L"names") {
            ExpectNames();
        } else if (StartsWith(clause, L"focus ", rest)) {
            // Heard by a screen reader, and the keyboard's real focus.
            HWND button = ColumnButton(*Slots(rest).begin());
            GUITHREADINFO thread = {sizeof(thread)};
            EXPECT_TRUE(WaitUntil([&] {
                return g_focused == button &&
                       GetGUIThreadInfo(GetWindowThreadProcessId(launcher.Frame(), nullptr),
                                        &thread) &&
                       thread.hwndFocus == button;
            })) << Utf8(clause);
        } else if (StartsWith(clause, L"caption ", rest)) {
            EXPECT_EQ(Utf8(launcher.Caption()), Utf8(rest));
        } else if (StartsWith(clause, L"top ", rest)) {
            EXPECT_EQ(launcher.Child(kInstallId) != nullptr, rest == L"Install") << Utf8(clause);
            EXPECT_TRUE(Shows(0, L"UP")) << Utf8(clause);
        } else if (clause == L"look") {
            ExpectLook();
        } else if (StartsWith(clause, L"file ", rest)) {
            EXPECT_TRUE(WaitUntil([&] { return FileExists(rest); }, kSetupWait)) << Utf8(clause);
        } else if (StartsWith(clause, L"no-file ", rest)) {
            EXPECT_TRUE(WaitUntil([&] { return !FileExists(rest); }, kSetupWait)) << Utf8(clause);
        } else if (StartsWith(clause, L"description ", rest)) {
            ExpectDescription(rest);
        } else if (StartsWith(clause, L"sound ", rest)) {
            ExpectSound(rest);
        } else if (StartsWith(clause, L"explorer ", rest)) {
            ExpectExplorer(rest);
        } else if (StartsWith(clause, L"gone ", rest)) {
            EXPECT_TRUE(WaitUntil([&] { return !FindWindowW(rest.c_str(), nullptr); }, kSetupWait))
                << Utf8(clause);
        } else if (StartsWith(clause, L"window ", rest)) {
            ExpectWindow(rest);
        } else if (clause != L"nothing") {
            ADD_FAILURE() << "no such outcome: " << Utf8(clause);
        }
    }
    // What the outcome does not name must not happen.
    if (closes) {
        EXPECT_TRUE(launcher.HasExited(kOutcomeWait)) << "the launcher stayed open";
    } else {
        if (HWND box = launcher.WaitForMessageBox(kQuietWait))
            ADD_FAILURE() << "an unexpected message box: " << Utf8(Answer(box).text);
        EXPECT_FALSE(launcher.HasExited(0)) << "the launcher closed";
    }
    for (const std::wstring& recorder : m_recorders) {
        const std::wstring log = recorder + L".log";
        EXPECT_TRUE(ran.count(recorder) != 0 || !FileExists(log)) << Utf8(recorder) << " ran";
        DeleteFileW(log.c_str());
    }
}

// "PROGRAM|ARGUMENTS|FOLDER": the recorder ran once, with exactly those arguments (none when
// left out), in the folder (any when left out or empty). The run is counted once: its log goes,
// also for a recorder the world did not place (one on a disc it starts from).
void World::ExpectRun(const std::wstring& what)
{
    const std::vector<std::wstring> parts = Split(what, L"|");
    const std::wstring log = parts[0] + L".log";
    ASSERT_TRUE(WaitUntil([&] { return FileExists(log); })) << Utf8(parts[0]) << " did not run";
    Settle(200);
    const std::string bytes = ReadWholeFile(log);
    DeleteFileW(log.c_str());
    const std::vector<std::wstring> lines = Split(
        std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / 2), L"\n");
    ASSERT_EQ(lines.size(), 3u) << Utf8(parts[0]) << " ran more than once";
    EXPECT_EQ(Utf8(ArgumentsOf(lines[0])), Utf8(parts.size() < 2 ? L"" : parts[1]))
        << "the command line " << Utf8(lines[0]);
    if (parts.size() > 2 && !parts[2].empty())
        EXPECT_EQ(Utf8(lines[1]), Utf8(parts[2]));
}

// The launcher's child window whose top-left corner is at the place of its client area.
HWND World::ChildAt(int left, int top)
{
    HWND frame = Launcher().Frame();
    for (HWND child = GetWindow(frame, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(HWND_DESKTOP, frame, reinterpret_cast<POINT*>(&rect), 2);
        if (rect.left == left && rect.top == top)
            return child;
    }
    return nullptr;
}

HWND World::ColumnButton(int slot)
{
    return ChildAt(Scaled(kColumnLeft), Scaled(RowTop(slot, ColumnSize())));
}

// The logo is named by the title and each button by its label, in its pictures' language.
void World::ExpectNames()
{
    EXPECT_EQ(Utf8(TextOf(ChildAt(0, 0))), Utf8(Expand(L"@title"))) << "the logo";
    const std::vector<ColumnFace> column = Column();
    for (size_t slot = 0; slot < column.size(); ++slot)
        EXPECT_EQ(Utf8(TextOf(ColumnButton(static_cast<int>(slot)))),
                  Utf8(Expand(L"@" + column[slot].id + L".name")))
            << "slot " << slot;
}

// "insert-disc" (the locale's texts, no icon), "no-command", "no-uninstaller" (its text in the
// locale), "no-folder PATH" or "system ERROR NAME" (the name, then the system's text for the
// error) (the application's caption and the exclamation icon).
MessageBoxContent World::LauncherBox(const std::wstring& kind) const
{
    std::wstring path;
    if (kind == L"insert-disc")
        return {Expand(L"@caption"), Expand(L"@text"), false};
    if (StartsWith(kind, L"no-folder ", path))
        return {Expand(L"@app-title"), Expand(L"@no-folder\n") + path, true};
    if (StartsWith(kind, L"system ", path)) {
        const size_t space = path.find(L' ');
        return {Expand(L"@app-title"),
                path.substr(space + 1) + L"\n\n" + SystemText(std::stoul(path.substr(0, space))),
                true};
    }
    return {Expand(L"@app-title"), Expand(L"@" + kind), true};
}

// Every box is owned by the launcher's window.
void World::ExpectBox(const std::wstring& kind)
{
    HWND box = Launcher().WaitForMessageBox(kOutcomeWait);
    ASSERT_NE(box, nullptr) << "no message box";
    const MessageBoxContent shown = Answer(box), expected = LauncherBox(kind);
    EXPECT_EQ(shown.owner, Launcher().Frame()) << "owned by the launcher's window";
    EXPECT_EQ(Utf8(shown.caption), Utf8(expected.caption));
    EXPECT_EQ(Utf8(shown.text), Utf8(expected.text));
    EXPECT_EQ(shown.hasIcon, expected.hasIcon) << "the exclamation icon";
}

// "ID": the button's description is the area's text, drawn over the background; "none": the
// area is empty and shows the background alone.
void World::ExpectDescription(const std::wstring& what)
{
    HWND frame = Launcher().Frame();
    HWND area = FindWindowExW(frame, nullptr, L"Static", nullptr);
    ASSERT_NE(area, nullptr) << "no description area";
    const std::vector<std::wstring> edges = Split(Expand(L"@description-area"), L" ");
    const RECT rect = {std::stoi(edges[0]), std::stoi(edges[1]), std::stoi(edges[2]),
                       std::stoi(edges[3])};
    const std::wstring text = what == L"none" ? L"" : Expand(L"@" + what + L".description");
    EXPECT_TRUE(WaitUntil([&] {
        return TextOf(area) == text &&
               (Differing(rect, L"#131", {rect.left, rect.top}, kClientSize) == 0) == text.empty();
    })) << "description "
        << Utf8(what) << ", shown: " << Utf8(TextOf(area));
}

// "hover", "press", "opening": the lane's sound device has played that sound's samples, and
// nothing but silence after them; "none": nothing was played.
void World::ExpectSound(const std::wstring& what)
{
    ASSERT_NE(std::getenv("SOUND_CAPTURE"), nullptr) << "this lane captures no sound";
    if (what == L"none") {
        Settle(kQuietWait);
        EXPECT_FALSE(FileExists(SoundCapture())) << "a sound played";
        return;
    }
    const std::string wave = ReadWholeFile(Expand(L"@sound-" + what));
    const size_t data = wave.find("data");
    ASSERT_NE(data, std::string::npos) << "no samples in " << Utf8(what);
    const std::string samples = wave.substr(data + 8);
    // Wine's driver may pad the end with a period of silence (16-bit zeros) when the machine is
    // busy; another sound after this one would not be silent.
    const auto playedAlone = [&] {
        const std::string played = ReadWholeFile(SoundCapture());
        return played.compare(0, samples.size(), samples) == 0 &&
               played.find_first_not_of('\0', samples.size()) == std::string::npos;
    };
    EXPECT_TRUE(WaitUntil(playedAlone)) << "the " << Utf8(what) << " sound did not play; played "
                                        << ReadWholeFile(SoundCapture()).size() << " bytes";
}

// An Explorer window shows the folder: its title is the folder's name.
void World::ExpectExplorer(const std::wstring& folder)
{
    const std::wstring path = folder.substr(0, folder.find_last_not_of(L'\\') + 1);
    const std::wstring name = path.substr(path.rfind(L'\\') + 1);
    EXPECT_TRUE(WaitUntil(
        [&] {
            for (DWORD id : FolderExplorers()) {
                wchar_t title[MAX_PATH] = L"";
                GetWindowTextW(FolderWindowOf(id), title, MAX_PATH);
                if (name == title)
                    return true;
            }
            return false;
        },
        kSetupWait))
        << "no Explorer window of " << Utf8(folder);
}

// "CLASS|TEXT": a window of the class shows the text in its first child; it is then closed.
void World::ExpectWindow(const std::wstring& what)
{
    std::vector<std::wstring> parts = Split(what, L"|");
    parts.resize(std::max<size_t>(parts.size(), 2)); // any text
    const auto showsAll = [&](HWND window) {
        const std::wstring text = TextOf(GetWindow(window, GW_CHILD));
        return IsWindowVisible(window) &&
               std::all_of(parts.begin() + 1, parts.end(), [&](const std::wstring& part) {
                   return text.find(part) != std::wstring::npos;
               });
    };
    HWND window = nullptr;
    EXPECT_TRUE(WaitUntil(
        [&] {
            for (window = FindWindowW(parts[0].c_str(), nullptr);
                 window != nullptr && !showsAll(window);)
                window = FindWindowExW(nullptr, window, parts[0].c_str(), nullptr);
            return window != nullptr;
        },
        kSetupWait))
        << Utf8(what)
        << "; shown: " << Utf8(TextOf(GetWindow(FindWindowW(parts[0].c_str(), nullptr), GW_CHILD)));
    if (window != nullptr) {
        PostMessageW(window, WM_CLOSE, 0, 0);
        WaitUntil([&] { return !IsWindow(window); });
    }
}

bool World::IsLauncherMessage(const MessageBoxContent& box) const
{
    // The folder's message names the folder after its text.
    const size_t folderAt = std::min(box.text.size(), LauncherBox(L"no-folder ").text.size());
    for (const std::wstring& kind :
         {std::wstring(L"insert-disc"), std::wstring(L"no-command"),
          std::wstring(L"no-uninstaller"), L"no-folder " + box.text.substr(folderAt)}) {
        const MessageBoxContent expected = LauncherBox(kind);
        if (box.caption == expected.caption && box.text == expected.text &&
            box.hasIcon == expected.hasIcon)
            return true;
    }
    return false;
}

// A fixed captioned window centred on the tests' desktop, at 96 DPI 635 x 416 and above it
// sized to show the whole background scaled; the logo at the top left, the background where no
// child covers it, and the column's up pictures.
void World::ExpectLook()
{
    HWND frame = Launcher().Frame();
    const LONG fixed = WS_POPUP | WS_CAPTION | WS_MINIMIZEBOX | WS_SYSMENU;
    EXPECT_EQ(GetWindowLongW(frame, GWL_STYLE) & (fixed | WS_MAXIMIZEBOX | WS_THICKFRAME), fixed);
    EXPECT_TRUE(GetWindowLongW(frame, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT window = {}, client = {}, desktop = {};
    GetWindowRect(frame, &window);
    GetClientRect(frame, &client);
    GetClientRect(GetDesktopWindow(), &desktop);
    const SIZE size = {window.right - window.left, window.bottom - window.top};
    EXPECT_EQ(window.left, (desktop.right - size.cx) / 2) << "centred";
    EXPECT_EQ(window.top, (desktop.bottom - size.cy) / 2) << "centred";
    if (m_dpi == USER_DEFAULT_SCREEN_DPI)
        EXPECT_EQ(size.cx * 1000 + size.cy, 635416) << "635 x 416";
    else
        EXPECT_EQ(client.right * 1000 + client.bottom,
                  Scaled(kClientSize.cx) * 1000 + Scaled(kClientSize.cy))
            << "the whole background";
    const std::wstring logo = Expand(L"IDB_GAME_LOGO_@pictures");
    EXPECT_TRUE(WaitUntil([&] {
        return Differing({0, 0, 130, 116}, logo, {0, 0}, {130, 116}) == 0;
    })) << "the logo";
    EXPECT_EQ(Differing({480, 0, kClientSize.cx, kClientSize.cy}, L"#131", {480, 0}, kClientSize),
              0)
        << "the background";
    for (int slot = 0, count = ColumnSize(); slot < count; ++slot)
        EXPECT_TRUE(Shows(slot, L"UP")) << "slot " << slot;
}
