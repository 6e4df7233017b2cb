#include "VersionReader.h"

#include "../framework/SystemLibrary.h"

#include <cstring>
#include <memory>
#include <new>

namespace {

// Every path written here is far shorter than the buffer: the formats are fixed.
constexpr size_t kBufferSize = 260;
// A text this long or longer is cut to its first kCutLength characters.
constexpr UINT kLongText = 256;
constexpr size_t kCutLength = 250;
constexpr WORD kUnicodeCodePage = 0x04B0;

char g_versionBuffer[kBufferSize];

// The string table named by the block's only translation; the user's language with the
// Unicode code page when the block lists none or several.
void FormatFileVersionPath(const BYTE* block)
{
    wsprintfA(g_versionBuffer, "\\VarFileInfo\\Translation");
    void* data = nullptr;
    UINT length = 0;
    if (version::VerQueryValueA(block, g_versionBuffer, &data, &length) && length == 4) {
        DWORD translation;
        std::memcpy(&translation, data, sizeof(translation));
        const WORD language = LOWORD(translation);
        const WORD codePage = HIWORD(translation);
        wsprintfA(g_versionBuffer, "\\StringFileInfo\\%02X%02X%02X%02X\\FileVersion",
                  HIBYTE(language), LOBYTE(language), HIBYTE(codePage), LOBYTE(codePage));
    } else {
        wsprintfA(g_versionBuffer, "\\StringFileInfo\\%04X%04X\\FileVersion",
                  GetUserDefaultLangID(), kUnicodeCodePage);
    }
}

} // namespace

const char* GetFileVersionString(const char* fileName)
{
    DWORD handle = 0;
    const DWORD size = version::GetFileVersionInfoSizeA(fileName, &handle);
    if (size == 0)
        return nullptr;
    // Zeroed: a damaged block may promise more than the file holds, and the reader walks what
    // it promises.
    const std::unique_ptr<BYTE[]> block(new (std::nothrow) BYTE[size + 1]());
    if (block == nullptr || !version::GetFileVersionInfoA(fileName, 0, size, block.get()))
        return nullptr;

    FormatFileVersionPath(block.get());
    void* data = nullptr;
    UINT length = 0;
    if (!version::VerQueryValueA(block.get(), g_versionBuffer, &data, &length) || data == nullptr)
        return nullptr;

    // The text may not be terminated inside a damaged block: never read past its length.
    const char* text = static_cast<const char*>(data);
    const size_t limit = length >= kLongText ? kCutLength : length;
    const size_t copied = strnlen(text, limit);
    std::memcpy(g_versionBuffer, text, copied);
    g_versionBuffer[copied] = '\0';
    return g_versionBuffer;
}
