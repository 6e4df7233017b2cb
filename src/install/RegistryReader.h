#pragma once
#include "../framework/Text.h"

#include <windows.h>

#include <string>

// Reads one value as text, whatever its type: true with its bytes in out (one terminating zero
// removed), false with out empty when the key or value is missing or over 256 bytes.
bool ReadRegistryString(HKEY hive, const char* keyName, const char* valueName, std::string& out);

// Reads a text value (REG_SZ, or REG_EXPAND_SZ with its variables expanded) of up to a command
// line's length: false with out empty when it is missing, of another type or longer.
bool ReadRegistryText(HKEY hive, const wchar_t* keyName, const wchar_t* valueName, WideString& out);
