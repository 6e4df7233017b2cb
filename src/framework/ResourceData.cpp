#include "ResourceData.h"

#include "WinApp.h"

namespace {

CResourceData DataOf(HRSRC found)
{
    HMODULE module = AfxGetResourceHandle();
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return {};
    return {static_cast<const BYTE*>(bytes), SizeofResource(module, found)};
}

} // namespace

CResourceData FindResourceData(LPCSTR name, LPCSTR type)
{
    return DataOf(FindResourceA(AfxGetResourceHandle(), name, type));
}

CResourceData FindResourceData(LPCWSTR name, LPCWSTR type)
{
    return DataOf(FindResourceW(AfxGetResourceHandle(), name, type));
}
