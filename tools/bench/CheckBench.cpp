// Measures the disc's check against the least program that does its work: the driver itself
// reads the disc's files in the list's order with large sequential reads, once plainly and once
// hashing with the system's SHA-256; then it starts the launcher with /verify and times, from
// outside, its progress window appearing to its verdict, with the CPU the launcher used
// meanwhile. Alternated, RUNS times each, all from the page cache after a first pass. Prints
// one line of medians in MB/s.
//
//   check_bench.exe RUNS DISC ORDER-FILE
#include <windows.h>
#include <wincrypt.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr DWORD kReadSize = 1024 * 1024;
constexpr ALG_ID kSha256 = ALG_CLASS_HASH | ALG_TYPE_ANY | 12;
constexpr DWORD kVerdictTimeout = 600000;
// Often enough to time a check of seconds; seldom enough not to slow it down.
constexpr DWORD kPollMilliseconds = 50;

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::wstring Widen(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                    &wide[0], static_cast<int>(wide.size())));
    return wide;
}

// The disc's files from the order file's "WEIGHT /PATH" lines.
std::vector<std::wstring> Files(const std::wstring& disc, const char* order)
{
    std::vector<std::wstring> files;
    std::ifstream in(order);
    for (std::string line; std::getline(in, line);) {
        std::wstring path = disc + Widen(line.substr(line.find('/')));
        std::replace(path.begin(), path.end(), L'/', L'\\');
        files.push_back(path);
    }
    return files;
}

// Seconds to read (and hash) every file; the bytes read.
double ReadAll(const std::vector<std::wstring>& files, bool hash, ULONGLONG& bytes)
{
    HCRYPTPROV provider = 0;
    CryptAcquireContextW(&provider, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT);
    std::vector<BYTE> buffer(kReadSize);
    bytes = 0;
    const double start = Now();
    for (const std::wstring& path : files) {
        HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        HCRYPTHASH sha = 0;
        if (hash)
            CryptCreateHash(provider, kSha256, 0, 0, &sha);
        DWORD read = 0;
        while (ReadFile(file, buffer.data(), kReadSize, &read, nullptr) && read != 0) {
            if (hash)
                CryptHashData(sha, buffer.data(), read, 0);
            bytes += read;
        }
        BYTE digest[32];
        DWORD size = sizeof(digest);
        if (hash) {
            CryptGetHashParam(sha, HP_HASHVAL, digest, &size, 0);
            CryptDestroyHash(sha);
        }
        CloseHandle(file);
    }
    const double seconds = Now() - start;
    CryptReleaseContext(provider, 0);
    return seconds;
}

struct Found
{
    DWORD process;
    const wchar_t* starting;
    HWND window;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM lParam)
{
    auto* found = reinterpret_cast<Found*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = L"", text[64] = L"";
    GetClassNameW(window, className, 16);
    if (process != found->process || !IsWindowVisible(window) || lstrcmpW(className, L"#32770"))
        return TRUE;
    SendMessageW(GetWindow(window, GW_CHILD), WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    if (std::wstring(text).rfind(found->starting, 0) != 0 && found->starting[0] != L'\0')
        return TRUE;
    found->window = window;
    return FALSE;
}

HWND WaitForDialog(DWORD process, const wchar_t* starting)
{
    for (const double start = Now(); Now() - start < kVerdictTimeout / 1000.0;
         Sleep(kPollMilliseconds)) {
        Found found = {process, starting, nullptr};
        EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&found));
        if (found.window != nullptr)
            return found.window;
    }
    return nullptr;
}

// The CPU seconds of the Linux process running the launcher, all its threads, read through
// Wine's Z: drive: Wine's own process times leave out the threads it did not start itself.
double CpuSeconds()
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    double seconds = 0;
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        const std::string base = std::string("Z:\\proc\\") + found.cFileName;
        std::ifstream commandLine(base + "\\cmdline"), stat(base + "\\stat");
        std::string command((std::istreambuf_iterator<char>(commandLine)), {}), line;
        if (command.find("launcher.exe") == std::string::npos || !std::getline(stat, line))
            continue;
        // Past the name in parentheses: state, then 10 fields, then utime and stime in ticks.
        std::istringstream fields(line.substr(line.rfind(')') + 2));
        std::string field;
        double ticks = 0;
        for (int i = 0; i < 13 && fields >> field; ++i)
            ticks += i >= 11 ? std::stod(field) : 0;
        seconds = ticks / 100;
    }
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    return seconds;
}

// Seconds from the progress window to the verdict, and the launcher's CPU seconds meanwhile;
// zero when it never said the disc was intact.
double Check(const std::wstring& disc, double& cpu)
{
    std::wstring commandLine = L"\"" + disc + L"\\launcher.exe\" /verify";
    STARTUPINFOW startup = {sizeof(startup)};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, disc.c_str(),
                        &startup, &process))
        return 0;
    double seconds = 0;
    if (WaitForDialog(process.dwProcessId, L"") != nullptr) {
        const double start = Now(), cpuStart = CpuSeconds();
        if (WaitForDialog(process.dwProcessId, L"All ") != nullptr) {
            seconds = Now() - start;
            cpu = CpuSeconds() - cpuStart;
        }
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return seconds;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4)
        return 2;
    const int runs = _wtoi(argv[1]);
    const std::wstring disc = argv[2];
    char order[MAX_PATH];
    WideCharToMultiByte(CP_ACP, 0, argv[3], -1, order, MAX_PATH, nullptr, nullptr);
    const std::vector<std::wstring> files = Files(disc, order);
    ULONGLONG bytes = 0;
    ReadAll(files, false, bytes); // into the page cache
    std::vector<double> plain, hashed, checked, cores;
    for (int run = 0; run < runs; ++run) {
        const double megabytes = static_cast<double>(bytes) / (1024 * 1024);
        plain.push_back(megabytes / ReadAll(files, false, bytes));
        hashed.push_back(megabytes / ReadAll(files, true, bytes));
        double cpu = 0;
        const double seconds = Check(disc, cpu);
        checked.push_back(seconds > 0 ? megabytes / seconds : 0);
        cores.push_back(seconds > 0 ? cpu / seconds : 0);
    }
    printf("disc check read_mbs=%.1f hash_mbs=%.1f check_mbs=%.1f check_cores=%.2f mb=%.0f\n",
           Median(plain), Median(hashed), Median(checked), Median(cores),
           static_cast<double>(bytes) / (1024 * 1024));
    return 0;
}
