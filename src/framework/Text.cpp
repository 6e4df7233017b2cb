#include "Text.h"

#include <cstring>

WideString Widen(const std::string& text, UINT codePage)
{
    const int byteCount = static_cast<int>(std::strlen(text.c_str()));
    if (byteCount == 0)
        return WideString();
    const int length = MultiByteToWideChar(codePage, 0, text.data(), byteCount, nullptr, 0);
    if (length <= 0)
        return WideString();
    WideString wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), byteCount, &wide[0], length);
    return wide;
}
