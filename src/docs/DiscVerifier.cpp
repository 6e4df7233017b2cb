#include "DiscVerifier.h"

#include <cstring>

namespace {

// Large enough that the disc, not the calls, sets the pace (a quarter of it cost 5 % from the
// page cache). A cancel does not wait for the read under way: the window goes at once, and the
// reading stops after it.
constexpr DWORD kReadSize = 1024 * 1024;
// CALG_SHA_256, which came with XP SP3 and which XP's headers do not declare.
constexpr ALG_ID kSha256 = ALG_CLASS_HASH | ALG_TYPE_ANY | 12;

// A SHA-256 of the system's, or none where the system has no such hash.
HCRYPTHASH NewHash(HCRYPTPROV provider)
{
    HCRYPTHASH hash = 0;
    if (provider == 0 || !CryptCreateHash(provider, kSha256, 0, 0, &hash))
        return 0;
    return hash;
}

bool DigestIs(HCRYPTHASH hash, const BYTE* expected)
{
    BYTE digest[kSha256Size];
    DWORD size = sizeof(digest);
    return CryptGetHashParam(hash, HP_HASHVAL, digest, &size, 0) && size == kSha256Size &&
           std::memcmp(digest, expected, kSha256Size) == 0;
}

} // namespace

CDiscVerifier::CDiscVerifier(const DiscManifest& files, const WideString& root)
    : m_files(files), m_root(root)
{
    InitializeCriticalSection(&m_lock);
    for (const ManifestFile& file : m_files)
        m_totalBytes += file.size;
    // SHA-256 came to the AES provider with XP SP3.
    if (CryptAcquireContextW(&m_provider, nullptr, nullptr, PROV_RSA_AES,
                             CRYPT_VERIFYCONTEXT | CRYPT_SILENT)) {
        const HCRYPTHASH probe = NewHash(m_provider);
        m_comparesContent = probe != 0;
        if (probe != 0)
            CryptDestroyHash(probe);
    }
}

CDiscVerifier::~CDiscVerifier()
{
    if (m_thread != nullptr) {
        Cancel();
        WaitForSingleObject(m_thread, INFINITE);
        CloseHandle(m_thread);
    }
    if (m_provider != 0)
        CryptReleaseContext(m_provider, 0);
    DeleteCriticalSection(&m_lock);
}

bool CDiscVerifier::Start(HWND notify, UINT done)
{
    m_notify = notify;
    m_doneMessage = done;
    m_thread = CreateThread(nullptr, 0, &CDiscVerifier::ThreadMain, this, 0, nullptr);
    return m_thread != nullptr;
}

void CDiscVerifier::Cancel()
{
    InterlockedExchange(&m_cancelled, 1);
}

VerifyProgress CDiscVerifier::Progress() const
{
    EnterCriticalSection(&m_lock);
    const VerifyProgress progress = m_progress;
    LeaveCriticalSection(&m_lock);
    return progress;
}

std::vector<Finding> CDiscVerifier::Findings() const
{
    EnterCriticalSection(&m_lock);
    std::vector<Finding> findings = m_findings;
    LeaveCriticalSection(&m_lock);
    return findings;
}

DWORD WINAPI CDiscVerifier::ThreadMain(void* self)
{
    static_cast<CDiscVerifier*>(self)->CheckAll();
    return 0;
}

void CDiscVerifier::CheckAll()
{
    // One buffer for the whole disc, whatever its size; whole pages, which the system's own
    // reads take as they are.
    auto* buffer = static_cast<BYTE*>(VirtualAlloc(nullptr, kReadSize, MEM_COMMIT, PAGE_READWRITE));
    for (size_t index = 0; index < m_files.size() && !Cancelled(); ++index) {
        const ULONGLONG before = Progress().bytesDone;
        if (buffer != nullptr)
            CheckFile(index, buffer);
        else
            Found(index, FINDING_UNREADABLE, 0);
        // A file found wrong before its end still counts whole towards the disc's.
        Advance(index, before + m_files[index].size - Progress().bytesDone);
    }
    if (buffer != nullptr)
        VirtualFree(buffer, 0, MEM_RELEASE);
    const bool done = !Cancelled();
    EnterCriticalSection(&m_lock);
    m_progress.file = m_files.size();
    m_progress.done = done;
    LeaveCriticalSection(&m_lock);
    if (done)
        PostMessageW(m_notify, m_doneMessage, 0, 0);
}

void CDiscVerifier::CheckFile(size_t index, BYTE* buffer)
{
    const ManifestFile& expected = m_files[index];
    Advance(index, 0);
    const WideString path = m_root + expected.path;
    WIN32_FILE_ATTRIBUTE_DATA found;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &found)) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        Found(index, missing ? FINDING_MISSING : FINDING_UNREADABLE, 0);
        return;
    }
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        Found(index, FINDING_FOLDER, 0);
        return;
    }
    const ULONGLONG size = static_cast<ULONGLONG>(found.nFileSizeHigh) << 32 | found.nFileSizeLow;
    if (size != expected.size) {
        Found(index, FINDING_WRONG_SIZE, size);
        return;
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        Found(index, FINDING_UNREADABLE, 0);
        return;
    }
    const HCRYPTHASH hash = NewHash(m_provider);
    if (ReadAndHash(index, file, hash, buffer) && hash != 0 && !DigestIs(hash, expected.sha256))
        Found(index, FINDING_DIFFERENT, 0);
    if (hash != 0)
        CryptDestroyHash(hash);
    CloseHandle(file);
}

bool CDiscVerifier::ReadAndHash(size_t index, HANDLE file, HCRYPTHASH hash, BYTE* buffer)
{
    const ULONGLONG size = m_files[index].size;
    for (ULONGLONG offset = 0; offset < size;) {
        if (Cancelled())
            return false;
        DWORD read = 0;
        if (!ReadFile(file, buffer, kReadSize, &read, nullptr)) {
            Found(index, FINDING_UNREADABLE, offset);
            return false;
        }
        if (read == 0) {
            // Shorter than it said when it was opened.
            Found(index, FINDING_WRONG_SIZE, offset);
            return false;
        }
        if (hash != 0)
            CryptHashData(hash, buffer, read, 0);
        offset += read;
        Advance(index, read);
    }
    return true;
}

void CDiscVerifier::Found(size_t index, FindingKind kind, ULONGLONG at)
{
    EnterCriticalSection(&m_lock);
    m_findings.push_back({index, kind, at});
    LeaveCriticalSection(&m_lock);
}

void CDiscVerifier::Advance(size_t file, ULONGLONG bytes)
{
    EnterCriticalSection(&m_lock);
    m_progress.file = file;
    m_progress.bytesDone += bytes;
    LeaveCriticalSection(&m_lock);
}
