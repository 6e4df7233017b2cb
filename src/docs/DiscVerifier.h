#pragma once
// Reads every file of the disc's list in disc order on a thread of its own, hashing as it reads,
// and keeps what it found wrong. The window asks it for its progress as often as it likes.
#include "DiscManifest.h"

#include <wincrypt.h>

#include <vector>

enum FindingKind
{
    FINDING_UNREADABLE, // a read failed: `at` is the offset
    FINDING_DIFFERENT,
    FINDING_MISSING,
    FINDING_FOLDER,    // a folder where the file should be
    FINDING_WRONG_SIZE // `at` is the size found
};

// At most one a file: the first thing found wrong with it.
struct Finding
{
    size_t file; // its place in the list
    FindingKind kind;
    ULONGLONG at;
};

struct VerifyProgress
{
    size_t file; // the one being read, or the list's size once done
    ULONGLONG bytesDone;
    bool done;
};

class CDiscVerifier
{
public:
    CDiscVerifier(const DiscManifest& files, const WideString& root);
    // Waits for the thread, which stops at its next read once cancelled.
    ~CDiscVerifier();
    CDiscVerifier(const CDiscVerifier&) = delete;
    CDiscVerifier& operator=(const CDiscVerifier&) = delete;

    // Starts the check; `done` is posted to the window when it ends by itself.
    bool Start(HWND notify, UINT done);
    // Stops the check at its next read; what it found so far stays.
    void Cancel();
    // Whether the system computes SHA-256 (XP from SP3 on): else sizes and reads only.
    bool ComparesContent() const { return m_comparesContent; }
    ULONGLONG TotalBytes() const { return m_totalBytes; }
    VerifyProgress Progress() const;
    std::vector<Finding> Findings() const;

private:
    static DWORD WINAPI ThreadMain(void* self);
    void CheckAll();
    void CheckFile(size_t index, BYTE* buffer);
    // Reads the whole file, hashing it; false where a read failed or was cancelled.
    bool ReadAndHash(size_t index, HANDLE file, HCRYPTHASH hash, BYTE* buffer);
    void Found(size_t index, FindingKind kind, ULONGLONG at);
    void Advance(size_t file, ULONGLONG bytes);
    bool Cancelled() const { return InterlockedCompareExchange(&m_cancelled, 0, 0) != 0; }

    const DiscManifest& m_files;
    WideString m_root;
    ULONGLONG m_totalBytes = 0;
    bool m_comparesContent = false;
    HCRYPTPROV m_provider = 0;
    HANDLE m_thread = nullptr;
    HWND m_notify = nullptr;
    UINT m_doneMessage = 0;
    mutable LONG m_cancelled = 0;
    mutable CRITICAL_SECTION m_lock;
    VerifyProgress m_progress = {};
    std::vector<Finding> m_findings;
};
