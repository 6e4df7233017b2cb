// Starts the launcher and the floor program in turn and measures each from outside, as a
// player would see it: time from process start to the first frame showing the background,
// peak and private memory (read from Linux's /proc through Wine's Z: drive, as Wine's own
// process counters answer 0 for private bytes), the time of a full repaint, the CPU used
// while idle, and for the launcher the time from the pointer entering its Manual button to
// the rollover on screen. Runs at the screen's DPI (the prefix's scale, as the programs do).
// Prints one line per program with the medians and spreads.
//
//   bench_driver.exe RUNS LAUNCHER FLOOR FOLDER
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRepaints = 1000;
constexpr DWORD kIdleMilliseconds = 2000;
constexpr double kHoverLimit = 2000;
// The client area at 96 DPI, and a point of it that only the background covers.
constexpr SIZE kClient = {635, 395};
constexpr POINT kProbe = {600, 20};
constexpr WORD kBackground = 131, kLargeBackground = 132;
constexpr int kManualId = 137;

int ScreenDpi()
{
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

const int g_dpi = ScreenDpi();

int AtScreenDpi(int length)
{
    return MulDiv(length, g_dpi, USER_DEFAULT_SCREEN_DPI);
}

const POINT g_probe = {AtScreenDpi(kProbe.x), AtScreenDpi(kProbe.y)};

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Sample
{
    double firstFrame = 0; // ms
    double repaint = 0;    // ms per full repaint
    double repaintCpu = 0; // ms of the program's CPU time per full repaint
    double peakKb = 0;     // VmHWM
    double privateKb = 0;  // RssAnon
    double idleCpuMs = 0;  // user + kernel time over the idle period
    double hover = 0;      // ms from the pointer entering Manual to its rollover on screen
};

struct Found
{
    DWORD processId;
    HWND window;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context)
{
    auto* found = reinterpret_cast<Found*>(context);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId == found->processId && IsWindowVisible(window) && GetParent(window) == nullptr) {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

COLORREF ScreenPixel(HWND window, POINT point = g_probe)
{
    ClientToScreen(window, &point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, point.x, point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

// The background's colour at the probe, read from the floor, which carries the launcher's
// backgrounds as plain bitmaps (the launcher's large one is compressed).
COLORREF ExpectedPixel(const std::wstring& floor)
{
    HMODULE module = LoadLibraryExW(floor.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    // Above 96 DPI the large background, or for a game without one the small one, which the
    // launcher smooths to size.
    HBITMAP bitmap = g_dpi > USER_DEFAULT_SCREEN_DPI
                         ? LoadBitmapW(module, MAKEINTRESOURCEW(kLargeBackground))
                         : nullptr;
    if (bitmap == nullptr)
        bitmap = LoadBitmapW(module, MAKEINTRESOURCEW(kBackground));
    BITMAP info;
    GetObjectW(bitmap, sizeof(info), &info);
    const SIZE size = {AtScreenDpi(kClient.cx), AtScreenDpi(kClient.cy)};
    HDC memory = CreateCompatibleDC(nullptr);
    HDC screen = GetDC(nullptr);
    HBITMAP compatible = CreateCompatibleBitmap(screen, size.cx, size.cy);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    HGDIOBJ oldMemory = SelectObject(memory, compatible);
    SetStretchBltMode(memory, HALFTONE);
    SetBrushOrgEx(memory, 0, 0, nullptr);
    if (info.bmWidth == size.cx)
        BitBlt(memory, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
    else
        StretchBlt(memory, 0, 0, size.cx, size.cy, source, 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
    const COLORREF colour = GetPixel(memory, g_probe.x, g_probe.y);
    SelectObject(source, oldSource);
    SelectObject(memory, oldMemory);
    DeleteObject(compatible);
    DeleteObject(bitmap);
    DeleteDC(source);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    FreeLibrary(module);
    return colour;
}

// A field of /proc/<pid>/status of the newest Linux process running `program`, in kB.
double ProcStatus(const std::string& program, const char* field)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    double value = 0;
    int newest = 0;
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const int pid = atoi(found.cFileName);
        if (pid <= newest)
            continue;
        const std::string base = std::string("Z:\\proc\\") + found.cFileName;
        FILE* cmdline = fopen((base + "\\cmdline").c_str(), "rb");
        if (cmdline == nullptr)
            continue;
        char text[1024] = {};
        const size_t read = fread(text, 1, sizeof(text) - 1, cmdline);
        fclose(cmdline);
        std::replace(text, text + read, '\0', ' ');
        if (std::string(text, read).find(program) == std::string::npos)
            continue;
        FILE* status = fopen((base + "\\status").c_str(), "rb");
        if (status == nullptr)
            continue;
        char line[256];
        while (fgets(line, sizeof(line), status) != nullptr) {
            if (strncmp(line, field, strlen(field)) == 0) {
                value = atof(line + strlen(field));
                newest = pid;
            }
        }
        fclose(status);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return value;
}

double CpuMilliseconds(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    auto ms = [](FILETIME t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

// 1000 full repaints forced from here (every window's WM_PAINT is sent across processes): the
// wall-clock time of one, and the CPU time the program itself spent on one.
void MeasureRepaint(HWND window, HANDLE process, Sample& sample)
{
    const double cpuBefore = CpuMilliseconds(process);
    const double start = Now();
    for (int i = 0; i < kRepaints; ++i)
        RedrawWindow(window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageW(window, WM_NULL, 0, 0);
    sample.repaint = (Now() - start) / kRepaints;
    sample.repaintCpu = (CpuMilliseconds(process) - cpuBefore) / kRepaints;
}

void MovePointer(POINT screen)
{
    INPUT input = {INPUT_MOUSE};
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

// The pointer moved onto the middle of the Manual button, from outside the window: the time
// until the screen shows the rollover (a point left of the label changes), or 0 for a program
// without that button. The pointer is parked outside again afterwards.
double MeasureHover(HWND window)
{
    HWND manual = GetDlgItem(window, kManualId);
    if (manual == nullptr)
        return 0;
    RECT rect;
    GetClientRect(manual, &rect);
    const POINT probe = {rect.right / 8, rect.bottom / 2};
    POINT middle = {rect.right / 2, rect.bottom / 2};
    ClientToScreen(manual, &middle);
    const COLORREF before = ScreenPixel(manual, probe);
    const double start = Now();
    MovePointer(middle);
    while (Now() - start < kHoverLimit && ScreenPixel(manual, probe) == before)
        Sleep(1);
    const double hover = Now() - start;
    MovePointer({0, 0});
    return hover;
}

bool Measure(const std::wstring& program, const std::wstring& folder, COLORREF expected,
             Sample& sample)
{
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION process = {};
    const double start = Now();
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process))
        return false;
    Found found = {process.dwProcessId, nullptr};
    bool painted = false;
    while (Now() - start < 20000 && !painted) {
        if (found.window == nullptr)
            EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&found));
        painted = found.window != nullptr && ScreenPixel(found.window) == expected;
        if (!painted)
            Sleep(1);
    }
    sample.firstFrame = Now() - start;
    if (painted) {
        MeasureRepaint(found.window, process.hProcess, sample);

        Sleep(300); // let the repaints' last work finish before the idle period
        const double before = CpuMilliseconds(process.hProcess);
        Sleep(kIdleMilliseconds);
        sample.idleCpuMs = CpuMilliseconds(process.hProcess) - before;
        sample.hover = MeasureHover(found.window);

        const std::string name(program.begin() + static_cast<long>(program.find_last_of(L'\\') + 1),
                               program.end());
        sample.peakKb = ProcStatus(name, "VmHWM:");
        sample.privateKb = ProcStatus(name, "RssAnon:");
        PostMessageW(found.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return painted;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

// Half the distance between the first and third quartiles.
double Spread(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    if (values.size() < 4)
        return 0;
    return (values[values.size() * 3 / 4] - values[values.size() / 4]) / 2;
}

void Report(const char* name, const std::vector<Sample>& samples)
{
    std::vector<double> first, repaint, repaintCpu, peak, priv, idle, hover;
    for (const Sample& s : samples) {
        first.push_back(s.firstFrame);
        repaint.push_back(s.repaint);
        repaintCpu.push_back(s.repaintCpu);
        peak.push_back(s.peakKb);
        priv.push_back(s.privateKb);
        idle.push_back(s.idleCpuMs);
        hover.push_back(s.hover);
    }
    printf("%s runs=%zu first_frame_ms=%.1f first_frame_spread_ms=%.1f repaint_ms=%.3f "
           "repaint_cpu_ms=%.3f peak_kb=%.0f private_kb=%.0f idle_cpu_ms=%.1f hover_ms=%.1f "
           "hover_spread_ms=%.1f\n",
           name, samples.size(), Median(first), Spread(first), Median(repaint), Median(repaintCpu),
           Median(peak), Median(priv), Median(idle), Median(hover), Spread(hover));
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 5)
        return 2;
    const int runs = _wtoi(argv[1]);
    const std::wstring launcher = argv[2], floor = argv[3], folder = argv[4];
    const COLORREF expected = ExpectedPixel(floor);
    std::vector<Sample> launcherSamples, floorSamples;
    // Alternated, so that anything the machine does meanwhile weighs on both alike.
    for (int run = 0; run < runs; ++run) {
        Sample sample;
        if (Measure(launcher, folder, expected, sample))
            launcherSamples.push_back(sample);
        if (Measure(floor, folder, expected, sample))
            floorSamples.push_back(sample);
    }
    Report("launcher", launcherSamples);
    Report("floor", floorSamples);
    return launcherSamples.size() == static_cast<size_t>(runs) &&
                   floorSamples.size() == static_cast<size_t>(runs)
               ? 0
               : 1;
}
