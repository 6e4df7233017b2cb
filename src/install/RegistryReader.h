#pragma once
#include <windows.h>

#include <string>

// Reads one value as text, whatever its type: true with its bytes in out (one terminating zero
// removed), false with out empty when the key or value is missing or over 256 bytes.
bool ReadRegistryString(HKEY hive, const char* keyName, const char* valueName, std::string& out);
