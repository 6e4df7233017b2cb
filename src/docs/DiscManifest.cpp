#include "DiscManifest.h"

#include "../../res/resource.h"
#include "../framework/ResourceData.h"

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool ParseDigest(const char* text, BYTE* digest)
{
    for (size_t i = 0; i < kSha256Size; ++i) {
        const int high = HexDigit(text[2 * i]), low = HexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return false;
        digest[i] = static_cast<BYTE>(high << 4 | low);
    }
    return true;
}

// "DIGEST SIZE PATH", the path to the line's end.
bool ParseLine(const char* line, const char* end, ManifestFile& file)
{
    constexpr size_t kDigestText = 2 * kSha256Size;
    if (end - line < static_cast<ptrdiff_t>(kDigestText + 3) || line[kDigestText] != ' ' ||
        !ParseDigest(line, file.sha256))
        return false;
    const char* at = line + kDigestText + 1;
    file.size = 0;
    for (; at < end && *at >= '0' && *at <= '9'; ++at)
        file.size = file.size * 10 + static_cast<ULONGLONG>(*at - '0');
    if (at == line + kDigestText + 1 || at + 1 >= end || *at != ' ')
        return false;
    ++at;
    const int length = static_cast<int>(end - at);
    const int wide = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, at, length, nullptr, 0);
    if (wide <= 0)
        return false;
    file.path.assign(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, at, length, &file.path[0], wide);
    return true;
}

} // namespace

bool ParseDiscManifest(const char* text, size_t length, DiscManifest& files)
{
    files.clear();
    const char* const end = text + length;
    for (const char* line = text; line < end;) {
        const char* lineEnd = line;
        while (lineEnd < end && *lineEnd != '\n')
            ++lineEnd;
        if (line != lineEnd && *line != '#') {
            files.emplace_back();
            if (!ParseLine(line, lineEnd, files.back()))
                return false;
        }
        line = lineEnd + 1;
    }
    return !files.empty();
}

bool HasDiscManifest()
{
    return FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_DISC_MANIFEST), RT_RCDATA) != nullptr;
}

bool LoadDiscManifest(DiscManifest& files)
{
    const CResourceData list = FindResourceData(MAKEINTRESOURCEW(IDR_DISC_MANIFEST), RT_RCDATA);
    return list.bytes != nullptr &&
           ParseDiscManifest(reinterpret_cast<const char*>(list.bytes), list.length, files);
}
