#include "Text.h"

std::wstring Widen(const std::string& text, UINT codePage)
{
    if (text.empty())
        return std::wstring();
    const int byteCount = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), byteCount, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), byteCount, &wide[0], length);
    return wide;
}
