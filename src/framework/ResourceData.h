#pragma once
// The bytes of one of the program's own resources, read in place where the loader mapped them.
#include <windows.h>

struct CResourceData
{
    const BYTE* bytes = nullptr; // null when the program carries no such resource
    DWORD length = 0;
};

CResourceData FindResourceData(LPCSTR name, LPCSTR type);
CResourceData FindResourceData(LPCWSTR name, LPCWSTR type);
