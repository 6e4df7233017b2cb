#include "InsertDiscMessage.h"

#include "../../res/resource.h"
#include "../framework/MessageBox.h"
#include "../framework/WinApp.h"

namespace {

constexpr int kMessageBufferSize = 100;
constexpr UINT kStringsPerBlock = 16;
constexpr int kCandidateCount = 3;
// RT_STRING as a wide resource type: the header spells it only in the build's character set.
constexpr WORD kStringType = 6;

struct LanguageSearch
{
    LANGID candidates[kCandidateCount];
    int best; // index into candidates of the best language present so far
};

BOOL CALLBACK RankLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR context)
{
    auto* search = reinterpret_cast<LanguageSearch*>(context);
    for (int i = 0; i < search->best; ++i) {
        if (search->candidates[i] == language)
            search->best = i;
    }
    return TRUE;
}

// The string block holding `id` in the best language present, or null when none of the
// candidate languages has one. The languages are listed first and matched exactly, because
// loaders differ in what they fall back to when asked for one language.
HRSRC FindStringBlock(HMODULE module, UINT id)
{
    const LANGID user = GetUserDefaultUILanguage();
    LanguageSearch search = {{user, MAKELANGID(PRIMARYLANGID(user), SUBLANG_NEUTRAL),
                              MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL)},
                             kCandidateCount};
    const LPCWSTR block = MAKEINTRESOURCEW(id / kStringsPerBlock + 1);
    EnumResourceLanguagesW(module, MAKEINTRESOURCEW(kStringType), block, &RankLanguage,
                           reinterpret_cast<LONG_PTR>(&search));
    if (search.best == kCandidateCount)
        return nullptr;
    return FindResourceExW(module, MAKEINTRESOURCEW(kStringType), block,
                           search.candidates[search.best]);
}

// A string block is 16 counted strings; a missing string has the count 0.
int CopyFromBlock(const WORD* data, DWORD dataSize, UINT id, wchar_t* buffer, int size)
{
    const WORD* end = data + dataSize / sizeof(WORD);
    for (UINT index = 0; index < id % kStringsPerBlock && data < end; ++index)
        data += 1 + *data;
    if (data >= end)
        return 0;
    int length = static_cast<int>(*data);
    if (length > size - 1)
        length = size - 1;
    if (data + 1 + length > end)
        length = static_cast<int>(end - data - 1);
    for (int i = 0; i < length; ++i)
        buffer[i] = static_cast<wchar_t>(data[1 + i]);
    buffer[length] = L'\0';
    return length;
}

} // namespace

int LoadUiLanguageString(UINT id, wchar_t* buffer, int size)
{
    buffer[0] = L'\0';
    const HMODULE module = AfxGetResourceHandle();
    const HRSRC resource = FindStringBlock(module, id);
    const HGLOBAL loaded = resource != nullptr ? LoadResource(module, resource) : nullptr;
    const auto* data = static_cast<const WORD*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (data == nullptr)
        return 0;
    return CopyFromBlock(data, SizeofResource(module, resource), id, buffer, size);
}

void ShowInsertDiscMessage()
{
    wchar_t caption[kMessageBufferSize];
    wchar_t text[kMessageBufferSize];
    LoadUiLanguageString(IDS_INSERT_DISC_CAPTION, caption, kMessageBufferSize);
    LoadUiLanguageString(IDS_INSERT_DISC_TEXT, text, kMessageBufferSize);
    ::MessageBoxW(AfxGetMainWndHandle(), text, caption, MB_OK);
}
