#pragma once
// The one harness of the tests: where the programs under test are, scratch folders, the
// registry as a test leaves it, and the launcher driven as a player would, by the real keyboard
// and pointer, its message boxes read and answered and its pictures compared with the screen.
#include <windows.h>

#include <string>

namespace testenv {
// Windows paths from the test command line: the launcher the end-to-end tests start, the PE32
// that ships, the stand-in programs and stubs, the demo disc, a publisher's disc read back from
// its image, and the scenario table.
extern std::wstring launcher, shipped, programs, demoDisc, publisherDisc, scenarios;
std::wstring Widen(const std::string& text, unsigned codePage = CP_UTF8);
std::string Narrow(const std::wstring& text, unsigned codePage = CP_UTF8);
} // namespace testenv

// A fresh folder under the temporary folder, removed with everything in it at the end.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::wstring& Path() const { return m_path; }
    std::wstring operator/(const std::wstring& relative) const { return m_path + L"\\" + relative; }
    // A path inside the folder of exactly `length` characters, in 100-character steps.
    std::wstring PathOfLength(size_t length) const;
    // Everything in the folder and the folder itself, as on a disc.
    void MakeReadOnly() const;

private:
    std::wstring m_path;
};

// Creates the file, and the folders on its way; a path ending in "\" is a folder.
void WriteFile(const std::wstring& path, const std::string& content = "x");
void CopyIn(const std::wstring& source, const std::wstring& path);
std::string ReadWholeFile(const std::wstring& path);
bool FileExists(const std::wstring& path);

// A shorthand of the end-to-end table ("@game-key"): the game's names come from its profile.
std::wstring TableWord(const std::wstring& word);
// The game's registry key, as 32-bit programs see it on 64-bit Windows when WOW64.
std::string GameKey(bool wow64 = false);
// The key under which Windows keeps the game's uninstaller, when its menu has Uninstall.
std::string UninstallKey();
constexpr char kAppPaths[] = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// Every key a test may touch under the game's and Adobe's keys is removed before and after it.
class TestRegistry
{
public:
    TestRegistry() { Clear(); }
    ~TestRegistry() { Clear(); }
    TestRegistry(const TestRegistry&) = delete;
    TestRegistry& operator=(const TestRegistry&) = delete;
    // In the registry view this program sees, or the one VIEW names (KEY_WOW64_64KEY).
    static void Set(HKEY hive, const std::string& key, const std::string& name, DWORD type,
                    const std::string& bytes, REGSAM view = 0);
    static void Clear();
};

// The shell's "open" for a file extension (".pdf") or a protocol ("https"), to a program.
void AssociateWith(const std::wstring& extensionOrProtocol, const std::wstring& program);
void RemoveAssociation(const std::wstring& extensionOrProtocol);

constexpr int kExitId = 134, kPlayId = 135, kWebId = 136, kManualId = 137, kReadmeId = 138,
              kInstallId = 139;

struct MessageBoxContent
{
    std::wstring caption, text;
    bool hasIcon = false;
    HWND owner = nullptr;
};

class LauncherProcess
{
public:
    // Starts the program in `folder`, with the arguments, and waits for its frame window.
    explicit LauncherProcess(const std::wstring& folder,
                             const std::wstring& program = testenv::launcher,
                             const std::wstring& arguments = std::wstring());
    ~LauncherProcess();
    LauncherProcess(const LauncherProcess&) = delete;
    LauncherProcess& operator=(const LauncherProcess&) = delete;
    HWND Frame() const { return m_frame; }
    // The first child with the control id.
    HWND Child(int id) const { return GetDlgItem(m_frame, id); }
    std::wstring Caption() const;
    HANDLE Process() const { return m_process.hProcess; }
    bool HasExited(DWORD waitMilliseconds);
    // The process's message box, waiting up to the given time; null when none appears.
    HWND WaitForMessageBox(DWORD milliseconds) const;

private:
    bool Start(const std::wstring& folder, const std::wstring& program,
               const std::wstring& arguments);
    void End();
    PROCESS_INFORMATION m_process = {};
    HWND m_frame = nullptr;
};

// A window's text, as a screen reader takes a control's name from it.
std::wstring TextOf(HWND window);
// Reads the box, presses its OK button and waits for it to go.
MessageBoxContent Answer(HWND box);
// Tells Windows whether a screen reader runs, as one does when it starts and ends.
void SetScreenReader(bool running);
// The process's first visible top-level window of the class.
HWND FindProcessWindow(DWORD processId, const wchar_t* className);

// Where the pointer rests when it should touch nothing.
constexpr POINT kParkedPointer = {2, 2};
// The key pressed `downs` times before it is let go (a key held down repeats), with Shift held
// when `shift`.
void PressKey(HWND frame, WORD virtualKey, bool shift = false, int downs = 1);
void MovePointer(POINT screen);
void MouseButton(bool down);
// Brings the pointer to rest on the window's centre in a few moves, as a hand does.
void PointAt(HWND window, int moves = 3);
// Presses and releases the left button over the window, then parks the pointer again.
void Click(HWND window);
// Runs the calling thread's messages and lets the other processes catch up.
void Settle(DWORD milliseconds = 100);
template <typename Condition> bool WaitUntil(Condition done, DWORD milliseconds = 5000)
{
    for (const DWORD start = GetTickCount(); !done(); Settle(50)) {
        if (GetTickCount() - start > milliseconds)
            return false;
    }
    return true;
}
// Runs a program in a folder and waits for it; its exit code, -1 when it could not start.
int RunAndWait(const std::wstring& program, const std::wstring& arguments,
               const std::wstring& folder);

// How many pixels of the window's client rectangle differ from the launcher's bitmap (by name,
// or "#NUMBER", or a large picture it carries compressed) shown at `size` (smoothed to it, when
// not its own), from `origin` on: equal in every bit of a large picture, in the five bits a
// channel of a small one; -1 when the picture is missing or too small.
int PixelsDiffering(HWND window, const RECT& clientRect, LPCWSTR bitmap, POINT origin, SIZE size);
// How many pixels of the window's client rectangle show exactly the colour.
int PixelsOfColour(HWND window, const RECT& clientRect, COLORREF colour);
// The bitmap's large picture (the background's is "#132", any other's NAME_2X) where the
// launcher carries it, else the small one, which it enlarges.
std::wstring LargestBitmap(const std::wstring& small);
