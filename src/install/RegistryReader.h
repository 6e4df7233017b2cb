#pragma once
#include "../framework/Text.h"

#include <windows.h>

#include <string>

// The registry views read, in order: the one a 32-bit program sees, where 32-bit setups
// register, then the 64-bit one, where 64-bit setups do. A 32-bit Windows ignores the flag and
// reads its only registry twice.
constexpr REGSAM kRegistryViews[] = {0, KEY_WOW64_64KEY};

// True at the first view in which read(view) finds what it looks for.
template <typename Read> bool ReadInEachView(Read read)
{
    for (REGSAM view : kRegistryViews) {
        if (read(view))
            return true;
    }
    return false;
}

// Reads one value as text, whatever its type: true with its bytes in out (one terminating zero
// removed), false with out empty when the key or value is missing or over 256 bytes.
bool ReadRegistryString(HKEY hive, const char* keyName, const char* valueName, std::string& out,
                        REGSAM view = 0);

// Reads a text value (REG_SZ, or REG_EXPAND_SZ with its variables expanded) of up to a command
// line's length: false with out empty when it is missing, of another type or longer.
bool ReadRegistryText(HKEY hive, const wchar_t* keyName, const wchar_t* valueName, WideString& out,
                      REGSAM view = 0);
