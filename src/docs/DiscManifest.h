#pragma once
// The list of the disc's files that `make disc` builds into the launcher, where the publisher's
// signature covers it: each file's path, size and SHA-256, in the order they lie on the disc.
#include "../framework/Text.h"

#include <vector>

constexpr size_t kSha256Size = 32;

struct ManifestFile
{
    WideString path; // relative to the disc's root
    ULONGLONG size;
    BYTE sha256[kSha256Size];
};

using DiscManifest = std::vector<ManifestFile>;

// Whether this launcher was built for a disc; one built alone carries no list.
bool HasDiscManifest();
// The list; false when the launcher carries none, or one it cannot read whole.
bool LoadDiscManifest(DiscManifest& files);
// The list as the build writes it (UTF-8 lines "SHA-256 SIZE PATH"; "#" starts a comment).
bool ParseDiscManifest(const char* text, size_t length, DiscManifest& files);
